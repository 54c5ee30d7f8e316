// The printed words that came with the nodus and the scale bar. They are
// English source texts; a program with translations installs a translator
// (context "DialTexts") that gives them in the user's language.
#pragma once

#include <string>

using DialTextTranslator = std::string (*)(const char* source);

void SetDialTextTranslator(DialTextTranslator translator);
std::string DialText(const char* source);

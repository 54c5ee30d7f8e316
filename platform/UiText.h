// The texts a person reads are written in English in the source and
// translated at run time. Code without Qt asks TranslateText(context, text);
// the program puts Qt's translator behind it at start-up (UiLanguage), and
// lupdate collects the calls as it collects QCoreApplication::translate.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// A text of a table that is translated where it is shown: lupdate collects
// it, the compiler keeps the English source.
#define UMBRAFEX_TEXT_NOOP(context, text) text

// The languages of the program's texts; English is the source.
enum class UiLanguage { English, Japanese };

using TextTranslator = std::string (*)(const char* context, const char* source);

// Until one is installed, texts stay in English.
void InstallTextTranslator(TextTranslator translator, UiLanguage language);
// The language of the installed translator, for the few choices that are
// not texts (the place names shown, a file's encoding).
UiLanguage TextLanguage();

std::string TranslateText(const char* context, const char* source);

// A translated text with its numbered places filled, as QString::arg does in
// the windows (a translation may put the values where its language wants
// them): each "%n" with 1 <= n <= values.size() becomes the n-th value, in one
// pass, so that a "%1" inside a value stays as it is; any other "%" stays
// ("100 %").
std::string FillText(std::string_view pattern, std::initializer_list<std::string_view> values);

// The language of the program's texts: Japanese or English (the source
// texts). The translations are built into the program; Qt's own texts
// (standard buttons, file dialogs) follow the same choice.
#pragma once

#include <QString>
#include <optional>
#include <string_view>

#include "UiText.h"

// Japanese when the first of the desktop's languages (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG) is Japanese, English otherwise.
UiLanguage LanguageFromLocale();
// "ja" or "en", as stored in the preferences; nothing for any other text.
std::optional<UiLanguage> LanguageFromCode(std::string_view code);
std::string_view LanguageCode(UiLanguage language);

// Puts the translations of `language` behind tr() and TranslateText; takes
// effect for texts made from now on. Installs them into the application
// too when one exists, and again when EnsureGuiSession makes one.
// TextLanguage() tells which is installed.
void InstallUiLanguage(UiLanguage language);
// Installs the chosen translators into an application made after the
// choice (called by the code that makes the application).
void InstallUiLanguageIntoApplication();

// A text in the given language, whichever is installed: for the few texts
// about a choice that takes effect later (mark the source with
// QT_TRANSLATE_NOOP).
QString TextInLanguage(UiLanguage language, const char* context, const char* source);

// The English texts for one test: the program's texts switch to English and
// back to the locale's language (Japanese under CTest) when the test ends.
#pragma once

#include <QString>
#include <string>

#include "UiLanguage.h"

class EnglishTexts {
 public:
  EnglishTexts() { InstallUiLanguage(UiLanguage::English); }
  ~EnglishTexts() { InstallUiLanguage(LanguageFromLocale()); }
  EnglishTexts(const EnglishTexts&) = delete;
  EnglishTexts& operator=(const EnglishTexts&) = delete;
};

// Kana, kanji, CJK punctuation or full-width forms anywhere in the text.
inline bool HasJapanese(const QString& text) {
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if ((u >= 0x3000 && u <= 0x9fff) || (u >= 0xff00 && u <= 0xffef)) return true;
  }
  return false;
}

inline bool HasJapanese(const std::string& text) {
  return HasJapanese(QString::fromStdString(text));
}

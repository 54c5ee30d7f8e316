// For the checks that English users meet no Japanese word.
#pragma once

#include <string_view>

#include "UiLanguage.h"

// The program's texts in English for one scope; the locale's language
// (the test runs' Japanese) again after it.
class EnglishTexts {
 public:
  EnglishTexts() { InstallUiLanguage(UiLanguage::English); }
  ~EnglishTexts() { InstallUiLanguage(LanguageFromLocale()); }
  EnglishTexts(const EnglishTexts&) = delete;
  EnglishTexts& operator=(const EnglishTexts&) = delete;
};

// True when the UTF-8 text holds kana, kanji, CJK punctuation or a
// full-width form (U+3000 to U+9FFF, U+FF00 to U+FFEF).
inline bool HasJapanese(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead >= 0xE3 && lead <= 0xE9) return true;
    if (lead == 0xEF && i + 1 < text.size()) {
      const auto next = static_cast<unsigned char>(text[i + 1]);
      if (next >= 0xBC && next <= 0xBF) return true;
    }
  }
  return false;
}

// The marks after degrees, minutes and seconds in the program's language:
// "+34度39分00秒" in Japanese, "+34°39′00″" in English.
#pragma once

#include <string_view>

#include "UiText.h"

inline std::string_view AngleMarks() {
  return TextLanguage() == UiLanguage::Japanese ? "度分秒" : "°′″";
}

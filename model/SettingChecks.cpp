#include "SettingChecks.h"

#include <algorithm>

#include "UiText.h"
#include "ValueText.h"

namespace {

bool IsControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F;
}

}  // namespace

bool IsDialInterval(int minutes) {
  return std::find(kDialIntervals.begin(), kDialIntervals.end(), minutes) != kDialIntervals.end();
}

bool IsTimeSystem(int32_t value) {
  return value == 0 || value == 1;
}

bool IsColorValue(int32_t value) {
  return value >= 0 && value <= 0xFFFFFF;
}

void RequireValidValue(bool valid) {
  if (!valid) {
    RaiseError(kInvalidPropertyValueError, "Umbrafex",
               TranslateText("Settings", "Invalid property value."));
  }
}

bool HasControlCharacters(std::string_view text) {
  return std::any_of(text.begin(), text.end(), IsControl);
}

void RequireSingleLineText(std::string_view text) {
  RequireValidValue(!HasControlCharacters(text));
}

std::string WithoutControlCharacters(std::string_view text) {
  std::string clean(text);
  std::replace_if(clean.begin(), clean.end(), IsControl, ' ');
  return clean;
}

bool IsPlaneFacing(double degrees) {
  return degrees >= 0 && degrees <= 360;
}

bool IsPlaneTilt(double degrees) {
  return degrees >= 0 && degrees <= 180;
}

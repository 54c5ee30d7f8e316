#include "SettingChecks.h"

#include <algorithm>

#include "AsciiText.h"
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
  return kTimeSystemRange.Contains(value);
}

bool IsColorValue(int32_t value) {
  return kColorRange.Contains(value);
}

const char* DialKindName(DialKind kind) {
  return kind == DialKind::Analemmatic ? "analemmatic" : "gnomon";
}

std::optional<DialKind> DialKindOfName(std::string_view name) {
  for (DialKind kind : {DialKind::Gnomon, DialKind::Analemmatic}) {
    if (EqualsIgnoringCase(name, DialKindName(kind))) return kind;
  }
  return std::nullopt;
}

bool IsPlaneFacing(double degrees) {
  return kPlaneFacingRange.Contains(degrees);
}

bool IsPlaneTilt(double degrees) {
  return kPlaneTiltRange.Contains(degrees);
}

std::string RangeText(const ValueRange& range) {
  const char* text = nullptr;
  if (range.lowOpen && range.highOpen)
    text = UMBRAFEX_TEXT_NOOP("Settings", "must be above %1 and below %2");
  else if (range.lowOpen)
    text = UMBRAFEX_TEXT_NOOP("Settings", "must be above %1 and at most %2");
  else if (range.highOpen)
    text = UMBRAFEX_TEXT_NOOP("Settings", "must be at least %1 and below %2");
  else
    text = UMBRAFEX_TEXT_NOOP("Settings", "must be from %1 to %2");
  return FillText(TranslateText("Settings", text), {RealText(range.low), RealText(range.high)});
}

std::string DialIntervalText() {
  return TranslateText("Settings", "must be 10, 15, 20, 30 or 60");
}

void RequireValidValue(bool valid) {
  if (!valid) {
    RaiseError(kInvalidPropertyValueError, "Umbrafex",
               TranslateText("Settings", "Invalid property value."));
  }
}

void RequireInRange(double value, const ValueRange& range) {
  if (!range.Contains(value)) RaiseError(kInvalidPropertyValueError, "Umbrafex", RangeText(range));
}

void RequireDialInterval(int minutes) {
  if (!IsDialInterval(minutes))
    RaiseError(kInvalidPropertyValueError, "Umbrafex", DialIntervalText());
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

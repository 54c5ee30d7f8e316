#include "SettingsKeys.h"

#include "Paths.h"
#include "ValueText.h"

namespace {

template <typename Group>
struct ColorKey {
  const char* name;
  const char* oldName;  // the name older documents use, or nullptr
  ColorRef Group::*member;
};

constexpr ColorKey<DialColorSettings> kDialColorKeys[] = {
    {"TimeLine", "CirLine", &DialColorSettings::TimeLine},
    {"TimeFill", "TimFill", &DialColorSettings::TimeFill},
    {"InnerFill", "CirFill", &DialColorSettings::InnerFill},
    {"OrientationLine", "OriLine", &DialColorSettings::OrientationLine},
    {"OrientationFont", "OriFont", &DialColorSettings::OrientationFont},
    {"HourLine", "HorLine", &DialColorSettings::HourLine},
    {"MinuteLine", "MinLine", &DialColorSettings::MinuteLine},
    {"TimeFont", "TimFont", &DialColorSettings::TimeFont},
    {"GnomonLine", "NmnLine", &DialColorSettings::GnomonLine},
    {"GnomonFill", "NmnFill", &DialColorSettings::GnomonFill},
    {"MarkLine", "MrkLine", &DialColorSettings::MarkLine},
    {"InformationFont", "InfFont", &DialColorSettings::InformationFont},
};

constexpr ColorKey<ClockColorSettings> kClockColorKeys[] = {
    {"TimeLine", nullptr, &ClockColorSettings::TimeLine},
    {"TimeFill", nullptr, &ClockColorSettings::TimeFill},
    {"InnerFill", nullptr, &ClockColorSettings::InnerFill},
    {"OrientationLine", nullptr, &ClockColorSettings::OrientationLine},
    {"OrientationFont", nullptr, &ClockColorSettings::OrientationFont},
    {"HourLine", nullptr, &ClockColorSettings::HourLine},
    {"MinuteLine", nullptr, &ClockColorSettings::MinuteLine},
    {"TimeFont", nullptr, &ClockColorSettings::TimeFont},
    {"ShadowFill", nullptr, &ClockColorSettings::ShadowFill},
    {"ClockFont", nullptr, &ClockColorSettings::ClockFont},
    {"Background", nullptr, &ClockColorSettings::Background},
};

template <typename Group, std::size_t N>
KeyValueTexts ColorEntries(const Group& group, const ColorKey<Group> (&keys)[N]) {
  KeyValueTexts entries;
  for (const auto& key : keys) entries.emplace_back(key.name, std::to_string(group.*key.member));
  return entries;
}

template <typename Group, std::size_t N>
bool ApplyColorKey(Group& group, const ColorKey<Group> (&keys)[N], std::string_view key,
                   std::string_view value) {
  for (const auto& known : keys) {
    if (EqualsIgnoringCase(key, known.name) ||
        (known.oldName && EqualsIgnoringCase(key, known.oldName))) {
      group.*known.member = ParseInt32Text(value);
      return true;
    }
  }
  return false;
}

}  // namespace

KeyValueTexts DialOptionEntries(const DialOptionSettings& group) {
  return {{"Picture", QuotePath(group.Picture)},
          {"MaxPages", std::to_string(group.MaxPages)},
          {"PrintMark", BoolText(group.PrintMark)},
          {"PrintInfo", BoolText(group.PrintInfo)},
          {"LineStyle", BoolText(group.LineStyle)},
          {"LineWidth", RealText(group.LineWidth)},
          {"TimeFormat", std::to_string(group.TimeFormat)},
          {"PrintTitle", BoolText(group.PrintTitle)}};
}

bool ApplyDialOptionKey(DialOptionSettings& group, std::string_view key, std::string_view value) {
  if (EqualsIgnoringCase(key, "Picture"))
    group.Picture = std::string(value);
  else if (EqualsIgnoringCase(key, "MaxPages"))
    group.MaxPages = ParseInt16Text(value);
  else if (EqualsIgnoringCase(key, "PrintMark"))
    group.PrintMark = ParseBoolText(value);
  else if (EqualsIgnoringCase(key, "PrintInfo"))
    group.PrintInfo = ParseBoolText(value);
  else if (EqualsIgnoringCase(key, "LineStyle"))
    group.LineStyle = ParseBoolText(value);
  else if (EqualsIgnoringCase(key, "LineWidth"))
    group.LineWidth = ParseRealText(value);
  else if (EqualsIgnoringCase(key, "TimeFormat"))
    group.TimeFormat = ParseInt32Text(value);
  else if (EqualsIgnoringCase(key, "PrintTitle"))
    group.PrintTitle = ParseBoolText(value);
  else
    return false;
  return true;
}

KeyValueTexts DialColorEntries(const DialColorSettings& group) {
  return ColorEntries(group, kDialColorKeys);
}

bool ApplyDialColorKey(DialColorSettings& group, std::string_view key, std::string_view value) {
  return ApplyColorKey(group, kDialColorKeys, key, value);
}

KeyValueTexts ClockOptionEntries(const ClockOptionSettings& group) {
  return {{"Picture", BoolText(group.Picture)},
          {"InvertShadow", BoolText(group.InvertShadow)},
          {"TimeFormat", std::to_string(group.TimeFormat)}};
}

bool ApplyClockOptionKey(ClockOptionSettings& group, std::string_view key, std::string_view value) {
  if (EqualsIgnoringCase(key, "Picture"))
    group.Picture = ParseBoolText(value);
  else if (EqualsIgnoringCase(key, "InvertShadow"))
    group.InvertShadow = ParseBoolText(value);
  else if (EqualsIgnoringCase(key, "TimeFormat"))
    group.TimeFormat = ParseInt32Text(value);
  else
    return false;
  return true;
}

KeyValueTexts ClockColorEntries(const ClockColorSettings& group) {
  return ColorEntries(group, kClockColorKeys);
}

bool ApplyClockColorKey(ClockColorSettings& group, std::string_view key, std::string_view value) {
  return ApplyColorKey(group, kClockColorKeys, key, value);
}

KeyValueTexts FontEntries(const FontSpec& font) {
  return {{"Name", font.Name},
          {"Size", SizeText(font.Size)},
          {"Bold", BoolText(font.Bold)},
          {"Italic", BoolText(font.Italic)},
          {"Underline", BoolText(font.Underline)},
          {"Strikethrough", BoolText(font.Strikethrough)}};
}

bool ApplyFontKey(FontSpec& font, std::string_view key, std::string_view value) {
  if (EqualsIgnoringCase(key, "Name"))
    font.Name = std::string(value);
  else if (EqualsIgnoringCase(key, "Size"))
    font.Size = ParseSizeText(value);
  else if (EqualsIgnoringCase(key, "Bold"))
    font.Bold = ParseBoolText(value);
  else if (EqualsIgnoringCase(key, "Italic"))
    font.Italic = ParseBoolText(value);
  else if (EqualsIgnoringCase(key, "Underline"))
    font.Underline = ParseBoolText(value);
  else if (EqualsIgnoringCase(key, "Strikethrough"))
    font.Strikethrough = ParseBoolText(value);
  else
    return false;
  return true;
}

std::vector<NamedFont<FontSpec*>> DialFonts(Settings& s) {
  return {{"DialOrientationFont", &s.DialOrientationFont},
          {"DialTimeFont", &s.DialTimeFont},
          {"DialInformationFont", &s.DialInformationFont}};
}

std::vector<NamedFont<const FontSpec*>> DialFonts(const Settings& s) {
  return {{"DialOrientationFont", &s.DialOrientationFont},
          {"DialTimeFont", &s.DialTimeFont},
          {"DialInformationFont", &s.DialInformationFont}};
}

std::vector<NamedFont<FontSpec*>> ClockFonts(Settings& s) {
  return {{"ClockOrientationFont", &s.ClockOrientationFont},
          {"ClockTimeFont", &s.ClockTimeFont},
          {"ClockClockFont", &s.ClockClockFont}};
}

std::vector<NamedFont<const FontSpec*>> ClockFonts(const Settings& s) {
  return {{"ClockOrientationFont", &s.ClockOrientationFont},
          {"ClockTimeFont", &s.ClockTimeFont},
          {"ClockClockFont", &s.ClockClockFont}};
}

#include "SettingsKeys.h"

#include "Paths.h"
#include "ValueText.h"

namespace {

// How a value of one kind becomes text and back.
struct BoolValue {
  static constexpr bool kInteger = false;
  static std::string Text(bool value) { return BoolText(value); }
  static bool Parse(std::string_view text) { return ParseBoolText(text); }
};
struct Int16Value {
  static constexpr bool kInteger = true;
  static std::string Text(int16_t value) { return std::to_string(value); }
  static int16_t Parse(std::string_view text) { return ParseInt16Text(text); }
};
struct Int32Value {
  static constexpr bool kInteger = true;
  static std::string Text(int32_t value) { return std::to_string(value); }
  static int32_t Parse(std::string_view text) { return ParseInt32Text(text); }
};
struct RealValue {
  static constexpr bool kInteger = false;
  static std::string Text(double value) { return RealText(value); }
  static double Parse(std::string_view text) { return ParseRealText(text); }
};
struct FontSizeValue {
  static constexpr bool kInteger = false;
  static std::string Text(double points) { return SizeText(points); }
  static double Parse(std::string_view text) { return ParseSizeText(text); }
};
struct PlainText {
  static constexpr bool kInteger = false;
  static std::string Text(const std::string& value) { return value; }
  static std::string Parse(std::string_view text) { return std::string(text); }
};
// Written in quotes, read as given.
struct PathText {
  static constexpr bool kInteger = false;
  static std::string Text(const std::string& value) { return QuotePath(value); }
  static std::string Parse(std::string_view text) { return std::string(text); }
};

template <typename Group>
struct KeyField {
  const char* name;
  const char* oldName;  // the name older documents use, or nullptr
  bool integer;
  std::string (*text)(const Group&);
  void (*read)(Group&, std::string_view);
};

template <typename Member>
struct MemberOf;
template <typename Group, typename Value>
struct MemberOf<Value Group::*> {
  using Type = Group;
};

// The key of one member, its value converted by the Codec.
template <auto Member, typename Codec>
constexpr auto Field(const char* name, const char* oldName = nullptr) {
  using Group = typename MemberOf<decltype(Member)>::Type;
  return KeyField<Group>{name, oldName, Codec::kInteger,
                         [](const Group& g) { return Codec::Text(g.*Member); },
                         [](Group& g, std::string_view v) { g.*Member = Codec::Parse(v); }};
}

using DialOption = DialOptionSettings;
constexpr KeyField<DialOption> kDialOptionKeys[] = {
    Field<&DialOption::Picture, PathText>("Picture"),
    Field<&DialOption::MaxPages, Int16Value>("MaxPages"),
    Field<&DialOption::PrintMark, BoolValue>("PrintMark"),
    Field<&DialOption::PrintInfo, BoolValue>("PrintInfo"),
    Field<&DialOption::LineStyle, BoolValue>("LineStyle"),
    Field<&DialOption::LineWidth, RealValue>("LineWidth"),
    Field<&DialOption::TimeFormat, Int32Value>("TimeFormat"),
    Field<&DialOption::PrintTitle, BoolValue>("PrintTitle"),
    Field<&DialOption::DateLines, Int32Value>("DateLines"),
    Field<&DialOption::HourCurves, Int32Value>("HourCurves"),
    Field<&DialOption::NodusHeight, RealValue>("NodusHeight"),
    Field<&DialOption::ScaleBar, BoolValue>("ScaleBar"),
};

using DialColor = DialColorSettings;
constexpr KeyField<DialColor> kDialColorKeys[] = {
    Field<&DialColor::TimeLine, Int32Value>("TimeLine", "CirLine"),
    Field<&DialColor::TimeFill, Int32Value>("TimeFill", "TimFill"),
    Field<&DialColor::InnerFill, Int32Value>("InnerFill", "CirFill"),
    Field<&DialColor::OrientationLine, Int32Value>("OrientationLine", "OriLine"),
    Field<&DialColor::OrientationFont, Int32Value>("OrientationFont", "OriFont"),
    Field<&DialColor::HourLine, Int32Value>("HourLine", "HorLine"),
    Field<&DialColor::MinuteLine, Int32Value>("MinuteLine", "MinLine"),
    Field<&DialColor::TimeFont, Int32Value>("TimeFont", "TimFont"),
    Field<&DialColor::GnomonLine, Int32Value>("GnomonLine", "NmnLine"),
    Field<&DialColor::GnomonFill, Int32Value>("GnomonFill", "NmnFill"),
    Field<&DialColor::MarkLine, Int32Value>("MarkLine", "MrkLine"),
    Field<&DialColor::InformationFont, Int32Value>("InformationFont", "InfFont"),
};

using ClockOption = ClockOptionSettings;
constexpr KeyField<ClockOption> kClockOptionKeys[] = {
    Field<&ClockOption::Picture, BoolValue>("Picture"),
    Field<&ClockOption::InvertShadow, BoolValue>("InvertShadow"),
    Field<&ClockOption::TimeFormat, Int32Value>("TimeFormat"),
};

using ClockColor = ClockColorSettings;
constexpr KeyField<ClockColor> kClockColorKeys[] = {
    Field<&ClockColor::TimeLine, Int32Value>("TimeLine"),
    Field<&ClockColor::TimeFill, Int32Value>("TimeFill"),
    Field<&ClockColor::InnerFill, Int32Value>("InnerFill"),
    Field<&ClockColor::OrientationLine, Int32Value>("OrientationLine"),
    Field<&ClockColor::OrientationFont, Int32Value>("OrientationFont"),
    Field<&ClockColor::HourLine, Int32Value>("HourLine"),
    Field<&ClockColor::MinuteLine, Int32Value>("MinuteLine"),
    Field<&ClockColor::TimeFont, Int32Value>("TimeFont"),
    Field<&ClockColor::ShadowFill, Int32Value>("ShadowFill"),
    Field<&ClockColor::ClockFont, Int32Value>("ClockFont"),
    Field<&ClockColor::Background, Int32Value>("Background"),
};

constexpr KeyField<FontSpec> kFontKeys[] = {
    Field<&FontSpec::Name, PlainText>("Name"),
    Field<&FontSpec::Size, FontSizeValue>("Size"),
    Field<&FontSpec::Bold, BoolValue>("Bold"),
    Field<&FontSpec::Italic, BoolValue>("Italic"),
    Field<&FontSpec::Underline, BoolValue>("Underline"),
    Field<&FontSpec::Strikethrough, BoolValue>("Strikethrough"),
};

constexpr KeyField<PrinterProperties> kPrinterKeys[] = {
    Field<&PrinterProperties::DeviceName, PlainText>("DeviceName", "Device"),
    Field<&PrinterProperties::PaperSize, Int16Value>("PaperSize"),
    Field<&PrinterProperties::PaperBin, Int16Value>("PaperBin"),
    Field<&PrinterProperties::PrintQuality, Int16Value>("PrintQuality"),
    Field<&PrinterProperties::ColorMode, Int16Value>("ColorMode"),
    Field<&PrinterProperties::Duplex, Int16Value>("Duplex"),
    Field<&PrinterProperties::Orientation, Int16Value>("Orientation"),
    Field<&PrinterProperties::Zoom, Int32Value>("Zoom"),
    Field<&PrinterProperties::Copies, Int16Value>("Copies"),
};

template <typename Group, std::size_t N>
KeyValueTexts EntriesOf(const Group& group, const KeyField<Group> (&keys)[N]) {
  KeyValueTexts entries;
  for (const auto& key : keys) entries.emplace_back(key.name, key.text(group));
  return entries;
}

template <typename Group, std::size_t N>
const KeyField<Group>* FindKey(const KeyField<Group> (&keys)[N], std::string_view key) {
  for (const auto& known : keys) {
    if (EqualsIgnoringCase(key, known.name) ||
        (known.oldName && EqualsIgnoringCase(key, known.oldName))) {
      return &known;
    }
  }
  return nullptr;
}

template <typename Group, std::size_t N>
bool ApplyKey(Group& group, const KeyField<Group> (&keys)[N], std::string_view key,
              std::string_view value) {
  const KeyField<Group>* known = FindKey(keys, key);
  if (!known) return false;
  known->read(group, value);
  return true;
}

// A section for the group that Member picks out of the settings.
template <auto Member, const auto& Keys>
constexpr SettingsSection Section(const char* name) {
  return {name, [](const Settings& s) { return EntriesOf(s.*Member, Keys); },
          [](Settings& s, std::string_view key, std::string_view value) {
            return ApplyKey(s.*Member, Keys, key, value);
          },
          [](std::string_view key) {
            const auto* known = FindKey(Keys, key);
            return known && known->integer;
          }};
}

constexpr SettingsSection kSections[] = {
    Section<&Settings::DialOption, kDialOptionKeys>("DialOption"),
    Section<&Settings::DialColor, kDialColorKeys>("DialColor"),
    Section<&Settings::DialOrientationFont, kFontKeys>("DialOrientationFont"),
    Section<&Settings::DialTimeFont, kFontKeys>("DialTimeFont"),
    Section<&Settings::DialInformationFont, kFontKeys>("DialInformationFont"),
    Section<&Settings::ClockOption, kClockOptionKeys>("ClockOption"),
    Section<&Settings::ClockDayColor, kClockColorKeys>("ClockDayColor"),
    Section<&Settings::ClockNightColor, kClockColorKeys>("ClockNightColor"),
    Section<&Settings::ClockOrientationFont, kFontKeys>("ClockOrientationFont"),
    Section<&Settings::ClockTimeFont, kFontKeys>("ClockTimeFont"),
    Section<&Settings::ClockClockFont, kFontKeys>("ClockClockFont"),
};

}  // namespace

std::span<const SettingsSection> SettingsSections() {
  return kSections;
}

bool ApplyDialOptionKey(DialOptionSettings& group, std::string_view key, std::string_view value) {
  return ApplyKey(group, kDialOptionKeys, key, value);
}

bool ApplyFontKey(FontSpec& font, std::string_view key, std::string_view value) {
  return ApplyKey(font, kFontKeys, key, value);
}

KeyValueTexts PrinterEntries(const PrinterProperties& printer) {
  return EntriesOf(printer, kPrinterKeys);
}

bool ApplyPrinterKey(PrinterProperties& printer, std::string_view key, std::string_view value) {
  return ApplyKey(printer, kPrinterKeys, key, value);
}

#include "SettingsKeys.h"

#include "Paths.h"
#include "SettingChecks.h"
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
  // A tab or another control character read is kept out of the design.
  static std::string Parse(std::string_view text) { return WithoutControlCharacters(text); }
};
// The kinds above, limited to what the setting means; a value outside
// raises as a value of the wrong kind does.
template <int16_t Low, int16_t High>
struct Int16Between : Int16Value {
  static int16_t Parse(std::string_view text) {
    const int16_t value = ParseInt16Text(text);
    RequireValidValue(value >= Low && value <= High);
    return value;
  }
};
template <int32_t Low, int32_t High>
struct Int32Between : Int32Value {
  static int32_t Parse(std::string_view text) {
    const int32_t value = ParseInt32Text(text);
    RequireValidValue(value >= Low && value <= High);
    return value;
  }
};
using PageCountValue = Int16Between<1, 2>;
using TimeFormatValue = Int32Between<0, 1>;
using ColorValue = Int32Between<0, 0xFFFFFF>;
// The options dialog's range: from 0 up to, not including, 100 points.
struct LineWidthValue : RealValue {
  static double Parse(std::string_view text) {
    const double value = ParseRealText(text);
    RequireValidValue(value >= 0 && value < 100);
    return value;
  }
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
    Field<&DialOption::MaxPages, PageCountValue>("MaxPages"),
    Field<&DialOption::PrintMark, BoolValue>("PrintMark"),
    Field<&DialOption::PrintInfo, BoolValue>("PrintInfo"),
    Field<&DialOption::LineStyle, BoolValue>("LineStyle"),
    Field<&DialOption::LineWidth, LineWidthValue>("LineWidth"),
    Field<&DialOption::TimeFormat, TimeFormatValue>("TimeFormat"),
    Field<&DialOption::PrintTitle, BoolValue>("PrintTitle"),
    Field<&DialOption::DateLines, Int32Value>("DateLines"),
    Field<&DialOption::HourCurves, Int32Value>("HourCurves"),
    Field<&DialOption::NodusHeight, RealValue>("NodusHeight"),
    Field<&DialOption::ScaleBar, BoolValue>("ScaleBar"),
};

using DialColor = DialColorSettings;
constexpr KeyField<DialColor> kDialColorKeys[] = {
    Field<&DialColor::TimeLine, ColorValue>("TimeLine", "CirLine"),
    Field<&DialColor::TimeFill, ColorValue>("TimeFill", "TimFill"),
    Field<&DialColor::InnerFill, ColorValue>("InnerFill", "CirFill"),
    Field<&DialColor::OrientationLine, ColorValue>("OrientationLine", "OriLine"),
    Field<&DialColor::OrientationFont, ColorValue>("OrientationFont", "OriFont"),
    Field<&DialColor::HourLine, ColorValue>("HourLine", "HorLine"),
    Field<&DialColor::MinuteLine, ColorValue>("MinuteLine", "MinLine"),
    Field<&DialColor::TimeFont, ColorValue>("TimeFont", "TimFont"),
    Field<&DialColor::GnomonLine, ColorValue>("GnomonLine", "NmnLine"),
    Field<&DialColor::GnomonFill, ColorValue>("GnomonFill", "NmnFill"),
    Field<&DialColor::MarkLine, ColorValue>("MarkLine", "MrkLine"),
    Field<&DialColor::InformationFont, ColorValue>("InformationFont", "InfFont"),
};

using ClockOption = ClockOptionSettings;
constexpr KeyField<ClockOption> kClockOptionKeys[] = {
    Field<&ClockOption::Picture, BoolValue>("Picture"),
    Field<&ClockOption::InvertShadow, BoolValue>("InvertShadow"),
    Field<&ClockOption::TimeFormat, TimeFormatValue>("TimeFormat"),
};

using ClockColor = ClockColorSettings;
constexpr KeyField<ClockColor> kClockColorKeys[] = {
    Field<&ClockColor::TimeLine, ColorValue>("TimeLine"),
    Field<&ClockColor::TimeFill, ColorValue>("TimeFill"),
    Field<&ClockColor::InnerFill, ColorValue>("InnerFill"),
    Field<&ClockColor::OrientationLine, ColorValue>("OrientationLine"),
    Field<&ClockColor::OrientationFont, ColorValue>("OrientationFont"),
    Field<&ClockColor::HourLine, ColorValue>("HourLine"),
    Field<&ClockColor::MinuteLine, ColorValue>("MinuteLine"),
    Field<&ClockColor::TimeFont, ColorValue>("TimeFont"),
    Field<&ClockColor::ShadowFill, ColorValue>("ShadowFill"),
    Field<&ClockColor::ClockFont, ColorValue>("ClockFont"),
    Field<&ClockColor::Background, ColorValue>("Background"),
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

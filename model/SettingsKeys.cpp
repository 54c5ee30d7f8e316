#include "SettingsKeys.h"

#include <string>
#include <vector>

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
// The kinds above, limited to the setting's range (SettingChecks.h); a
// value outside raises as a value of the wrong kind does.
template <const ValueRange& Range>
struct Int16In : Int16Value {
  static int16_t Parse(std::string_view text) {
    const int16_t value = ParseInt16Text(text);
    RequireInRange(value, Range);
    return value;
  }
};
template <const ValueRange& Range>
struct Int32In : Int32Value {
  static int32_t Parse(std::string_view text) {
    const int32_t value = ParseInt32Text(text);
    RequireInRange(value, Range);
    return value;
  }
};
template <const ValueRange& Range>
struct RealIn : RealValue {
  static double Parse(std::string_view text) {
    const double value = ParseRealText(text);
    RequireInRange(value, Range);
    return value;
  }
};
using PageCountValue = Int16In<kMaxPagesRange>;
using TimeFormatValue = Int32In<kTimeFormatRange>;
using ColorValue = Int32In<kColorRange>;
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
  // Whether the key is written; nullptr: always. A key that older
  // documents lack is written only when set, so that they stay as they were.
  bool (*written)(const Group&) = nullptr;
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

// A key written only when its value is not zero (or false).
template <auto Member, typename Codec>
constexpr auto FieldUnlessZero(const char* name) {
  using Group = typename MemberOf<decltype(Member)>::Type;
  auto field = Field<Member, Codec>(name);
  field.written = [](const Group& g) { return g.*Member != 0; };
  return field;
}

using DialOption = DialOptionSettings;
constexpr KeyField<DialOption> kDialOptionKeys[] = {
    Field<&DialOption::picture, PathText>("Picture"),
    Field<&DialOption::maxPages, PageCountValue>("MaxPages"),
    Field<&DialOption::printMark, BoolValue>("PrintMark"),
    Field<&DialOption::printInfo, BoolValue>("PrintInfo"),
    Field<&DialOption::lineStyle, BoolValue>("LineStyle"),
    Field<&DialOption::lineWidth, RealIn<kLineWidthRange>>("LineWidth"),
    Field<&DialOption::timeFormat, TimeFormatValue>("TimeFormat"),
    Field<&DialOption::printTitle, BoolValue>("PrintTitle"),
    Field<&DialOption::dateLines, Int32In<kDateLinesRange>>("DateLines"),
    Field<&DialOption::hourCurves, Int32In<kHourCurvesRange>>("HourCurves"),
    Field<&DialOption::nodusHeight, RealIn<kNodusHeightRange>>("NodusHeight"),
    Field<&DialOption::scaleBar, BoolValue>("ScaleBar"),
    FieldUnlessZero<&DialOption::summerTime, BoolValue>("SummerTime"),
    FieldUnlessZero<&DialOption::faceSize, RealIn<kFaceSizeRange>>("FaceSize"),
};

using DialColor = DialColorSettings;
constexpr KeyField<DialColor> kDialColorKeys[] = {
    Field<&DialColor::timeLine, ColorValue>("TimeLine", "CirLine"),
    Field<&DialColor::timeFill, ColorValue>("TimeFill", "TimFill"),
    Field<&DialColor::innerFill, ColorValue>("InnerFill", "CirFill"),
    Field<&DialColor::orientationLine, ColorValue>("OrientationLine", "OriLine"),
    Field<&DialColor::orientationFont, ColorValue>("OrientationFont", "OriFont"),
    Field<&DialColor::hourLine, ColorValue>("HourLine", "HorLine"),
    Field<&DialColor::minuteLine, ColorValue>("MinuteLine", "MinLine"),
    Field<&DialColor::timeFont, ColorValue>("TimeFont", "TimFont"),
    Field<&DialColor::gnomonLine, ColorValue>("GnomonLine", "NmnLine"),
    Field<&DialColor::gnomonFill, ColorValue>("GnomonFill", "NmnFill"),
    Field<&DialColor::markLine, ColorValue>("MarkLine", "MrkLine"),
    Field<&DialColor::informationFont, ColorValue>("InformationFont", "InfFont"),
};

using ClockOption = ClockOptionSettings;
constexpr KeyField<ClockOption> kClockOptionKeys[] = {
    Field<&ClockOption::picture, BoolValue>("Picture"),
    Field<&ClockOption::invertShadow, BoolValue>("InvertShadow"),
    Field<&ClockOption::timeFormat, TimeFormatValue>("TimeFormat"),
};

using ClockColor = ClockColorSettings;
constexpr KeyField<ClockColor> kClockColorKeys[] = {
    Field<&ClockColor::timeLine, ColorValue>("TimeLine"),
    Field<&ClockColor::timeFill, ColorValue>("TimeFill"),
    Field<&ClockColor::innerFill, ColorValue>("InnerFill"),
    Field<&ClockColor::orientationLine, ColorValue>("OrientationLine"),
    Field<&ClockColor::orientationFont, ColorValue>("OrientationFont"),
    Field<&ClockColor::hourLine, ColorValue>("HourLine"),
    Field<&ClockColor::minuteLine, ColorValue>("MinuteLine"),
    Field<&ClockColor::timeFont, ColorValue>("TimeFont"),
    Field<&ClockColor::shadowFill, ColorValue>("ShadowFill"),
    Field<&ClockColor::clockFont, ColorValue>("ClockFont"),
    Field<&ClockColor::background, ColorValue>("Background"),
};

constexpr KeyField<FontSpec> kFontKeys[] = {
    Field<&FontSpec::name, PlainText>("Name"),
    Field<&FontSpec::size, FontSizeValue>("Size"),
    Field<&FontSpec::bold, BoolValue>("Bold"),
    Field<&FontSpec::italic, BoolValue>("Italic"),
    Field<&FontSpec::underline, BoolValue>("Underline"),
    Field<&FontSpec::strikethrough, BoolValue>("Strikethrough"),
};

constexpr KeyField<PrinterProperties> kPrinterKeys[] = {
    Field<&PrinterProperties::deviceName, PlainText>("DeviceName", "Device"),
    Field<&PrinterProperties::paperSize, Int16Value>("PaperSize"),
    Field<&PrinterProperties::paperBin, Int16Value>("PaperBin"),
    Field<&PrinterProperties::printQuality, Int16Value>("PrintQuality"),
    Field<&PrinterProperties::colorMode, Int16Value>("ColorMode"),
    Field<&PrinterProperties::duplex, Int16Value>("Duplex"),
    Field<&PrinterProperties::orientation, Int16Value>("Orientation"),
    Field<&PrinterProperties::zoom, Int32Value>("Zoom"),
    Field<&PrinterProperties::copies, Int16Value>("Copies"),
};

template <typename Group, std::size_t N>
KeyValueTexts EntriesOf(const Group& group, const KeyField<Group> (&keys)[N]) {
  KeyValueTexts entries;
  for (const auto& key : keys) {
    if (!key.written || key.written(group)) entries.emplace_back(key.name, key.text(group));
  }
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
    Section<&Settings::dialOption, kDialOptionKeys>("DialOption"),
    Section<&Settings::dialColor, kDialColorKeys>("DialColor"),
    Section<&Settings::dialOrientationFont, kFontKeys>("DialOrientationFont"),
    Section<&Settings::dialTimeFont, kFontKeys>("DialTimeFont"),
    Section<&Settings::dialInformationFont, kFontKeys>("DialInformationFont"),
    Section<&Settings::clockOption, kClockOptionKeys>("ClockOption"),
    Section<&Settings::clockDayColor, kClockColorKeys>("ClockDayColor"),
    Section<&Settings::clockNightColor, kClockColorKeys>("ClockNightColor"),
    Section<&Settings::clockOrientationFont, kFontKeys>("ClockOrientationFont"),
    Section<&Settings::clockTimeFont, kFontKeys>("ClockTimeFont"),
    Section<&Settings::clockClockFont, kFontKeys>("ClockClockFont"),
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

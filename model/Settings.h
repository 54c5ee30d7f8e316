// The settings groups of a sundial design, named after the document's
// sections, with their start-up defaults.
#pragma once

#include <cstdint>
#include <string>

using ColorRef = int32_t;  // red in the low byte, then green, then blue

inline constexpr ColorRef kColorBlack = 0x000000;
inline constexpr ColorRef kColorWhite = 0xFFFFFF;
inline constexpr ColorRef kColorRed = 0x0000FF;
inline constexpr ColorRef kColorMaroon = 0x000080;
inline constexpr ColorRef kColorGreen = 0x00FF00;
inline constexpr ColorRef kColorDarkGreen = 0x008000;
inline constexpr ColorRef kColorNavy = 0x800000;
inline constexpr ColorRef kColorCyan = 0xFFFF00;
inline constexpr ColorRef kColorSkyBlue = 0xFF8080;
inline constexpr ColorRef kColorDarkGrey = 0x404040;
inline constexpr ColorRef kColorGrey = 0x808080;
inline constexpr ColorRef kColorSilver = 0xC0C0C0;
inline constexpr ColorRef kColorButtonFace = 0xF0F0F0;  // the desktop's usual one

struct FontSpec {
  std::string Name = "Arial";
  double Size = 10;  // points, kept to four decimals
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool Strikethrough = false;

  bool operator==(const FontSpec&) const = default;
};

struct CalendarDate {
  int Year = 2001;
  int Month = 1;
  int Day = 1;

  bool operator==(const CalendarDate&) const = default;
};

struct GeneralSettings {
  bool DebugMode = false;
};

struct SeasonSettings {
  bool AdjustEquation = false;
  CalendarDate SeasonDate;  // today, set by the model
};

struct CalcTimeSettings {
  double StartTime = -999;
  double EndTime = -999;
  int16_t Interval = 30;
};

struct DialOptionSettings {
  bool PrintMark = true;
  bool PrintInfo = true;
  bool PrintTitle = true;
  std::string Picture;  // bkgcolor.wmf in AppFolder, set by the model
  double LineWidth = 1.0;
  bool LineStyle = true;
  int32_t TimeFormat = 1;
  int16_t MaxPages = 1;
  // The nodus's curves: date lines 0 none, 1 season days, 2 solar terms,
  // 3 first days of the months, 4 the design's own day; hour curves 0 none,
  // 1 whole, 2 in two halves of the year. A nodus height of 0 is automatic.
  int32_t DateLines = 0;
  int32_t HourCurves = 0;
  double NodusHeight = 0;  // millimetres
  bool ScaleBar = true;
};

struct DialColorSettings {
  ColorRef TimeLine = kColorBlack;
  ColorRef OrientationLine = kColorBlack;
  ColorRef HourLine = kColorRed;
  ColorRef MinuteLine = kColorGrey;
  ColorRef GnomonLine = kColorBlack;
  ColorRef MarkLine = kColorBlack;
  ColorRef TimeFill = kColorWhite;
  ColorRef InnerFill = kColorWhite;
  ColorRef GnomonFill = kColorWhite;
  ColorRef OrientationFont = kColorBlack;
  ColorRef TimeFont = kColorBlack;
  ColorRef InformationFont = kColorBlack;
};

struct ClockOptionSettings {
  bool Picture = true;
  int32_t TimeFormat = 0;
  bool InvertShadow = true;
};

struct ClockColorSettings {
  ColorRef TimeLine;
  ColorRef OrientationLine;
  ColorRef HourLine;
  ColorRef MinuteLine;
  ColorRef TimeFill;
  ColorRef InnerFill;
  ColorRef ShadowFill;
  ColorRef Background;
  ColorRef OrientationFont;
  ColorRef TimeFont;
  ColorRef ClockFont;
};

inline constexpr ClockColorSettings kClockDayColorDefaults{
    kColorBlack,    kColorBlack, kColorRed,   kColorGrey,  kColorSkyBlue, kColorWhite,
    kColorDarkGrey, kColorWhite, kColorBlack, kColorWhite, kColorBlack};
inline constexpr ClockColorSettings kClockNightColorDefaults{
    kColorWhite, kColorWhite, kColorRed,   kColorSilver, kColorSkyBlue, kColorNavy,
    kColorBlack, kColorNavy,  kColorWhite, kColorWhite,  kColorWhite};

inline FontSpec DefaultDialOrientationFont() { return {"Arial", 16, true, false, false, false}; }
inline FontSpec DefaultDialTimeFont() { return {"Arial", 12, true, false, false, false}; }
inline FontSpec DefaultDialInformationFont() { return {"ＭＳ Ｐゴシック", 10, false, false, false, false}; }
inline FontSpec DefaultClockFont() { return {"Arial", 10, true, false, false, false}; }

// Every group of one design, as the main window holds them.
struct Settings {
  GeneralSettings General;
  SeasonSettings Season;
  CalcTimeSettings CalcTime;
  DialOptionSettings DialOption;
  DialColorSettings DialColor;
  FontSpec DialOrientationFont = DefaultDialOrientationFont();
  FontSpec DialTimeFont = DefaultDialTimeFont();
  FontSpec DialInformationFont = DefaultDialInformationFont();
  ClockOptionSettings ClockOption;
  ClockColorSettings ClockDayColor = kClockDayColorDefaults;
  ClockColorSettings ClockNightColor = kClockNightColorDefaults;
  FontSpec ClockOrientationFont = DefaultClockFont();
  FontSpec ClockTimeFont = DefaultClockFont();
  FontSpec ClockClockFont = DefaultClockFont();
};

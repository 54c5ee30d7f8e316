// The settings groups of a sundial design, named after the document's
// sections, with their start-up defaults.
#pragma once

#include <cstdint>
#include <string>

using ColorRef = int32_t;  // red in the low byte, then green, then blue

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
  ColorRef TimeLine = 0;
  ColorRef OrientationLine = 0;
  ColorRef HourLine = 255;
  ColorRef MinuteLine = 8421504;
  ColorRef GnomonLine = 0;
  ColorRef MarkLine = 0;
  ColorRef TimeFill = 16777215;
  ColorRef InnerFill = 16777215;
  ColorRef GnomonFill = 16777215;
  ColorRef OrientationFont = 0;
  ColorRef TimeFont = 0;
  ColorRef InformationFont = 0;
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

inline constexpr ClockColorSettings kClockDayColorDefaults{0, 0, 255, 8421504, 16744576, 16777215,
                                                           4210752, 16777215, 0, 16777215, 0};
inline constexpr ClockColorSettings kClockNightColorDefaults{16777215, 16777215, 255, 12632256,
                                                             16744576, 8388608, 0, 8388608,
                                                             16777215, 16777215, 16777215};

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

// The settings groups of a sundial design, named after the document's
// sections, with their start-up defaults.
#pragma once

#include <cstdint>
#include <string>

#include "AnalemmaticDial.h"
#include "PlaneOrientation.h"

inline constexpr double kDefaultAnalemmaticMajor = 2000;  // millimetres

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
  std::string name = "Arial";
  double size = 10;  // points, kept to four decimals
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;

  bool operator==(const FontSpec&) const = default;
};

struct CalendarDate {
  int year = 2001;
  int month = 1;
  int day = 1;

  bool operator==(const CalendarDate&) const = default;
};

struct GeneralSettings {
  bool debugMode = false;
};

struct SeasonSettings {
  bool adjustEquation = false;
  CalendarDate seasonDate;  // today, set by the model
};

struct CalcTimeSettings {
  double startTime = -999;
  double endTime = -999;
  int16_t interval = 30;
};

struct DialOptionSettings {
  bool printMark = true;
  bool printInfo = true;
  bool printTitle = true;
  std::string picture;  // bkgcolor.wmf in AppFolder, set by the model
  double lineWidth = 1.0;
  bool lineStyle = true;
  int32_t timeFormat = 1;
  int16_t maxPages = 1;
  // The nodus's curves: date lines 0 none, 1 season days, 2 solar terms,
  // 3 first days of the months, 4 the design's own day; hour curves 0 none,
  // 1 whole, 2 in two halves of the year. A nodus height of 0 is automatic.
  int32_t dateLines = 0;
  int32_t hourCurves = 0;
  double nodusHeight = 0;  // millimetres
  bool scaleBar = true;
  // A second row of hour numbers, an hour later, for the summer months.
  bool summerTime = false;
  // The face's width at 100 % in millimetres (the horizontal dial's outer
  // ring, a plane dial's face box); 0 fits the dial to the sheet.
  double faceSize = 0;
};

struct DialColorSettings {
  ColorRef timeLine = kColorBlack;
  ColorRef orientationLine = kColorBlack;
  ColorRef hourLine = kColorRed;
  ColorRef minuteLine = kColorGrey;
  ColorRef gnomonLine = kColorBlack;
  ColorRef markLine = kColorBlack;
  ColorRef timeFill = kColorWhite;
  ColorRef innerFill = kColorWhite;
  ColorRef gnomonFill = kColorWhite;
  ColorRef orientationFont = kColorBlack;
  ColorRef timeFont = kColorBlack;
  ColorRef informationFont = kColorBlack;
};

struct ClockOptionSettings {
  bool picture = true;
  int32_t timeFormat = 0;
  bool invertShadow = true;
};

struct ClockColorSettings {
  ColorRef timeLine;
  ColorRef orientationLine;
  ColorRef hourLine;
  ColorRef minuteLine;
  ColorRef timeFill;
  ColorRef innerFill;
  ColorRef shadowFill;
  ColorRef background;
  ColorRef orientationFont;
  ColorRef timeFont;
  ColorRef clockFont;
};

inline constexpr ClockColorSettings kClockDayColorDefaults{
    kColorBlack,    kColorBlack, kColorRed,   kColorGrey,  kColorSkyBlue, kColorWhite,
    kColorDarkGrey, kColorWhite, kColorBlack, kColorWhite, kColorBlack};
inline constexpr ClockColorSettings kClockNightColorDefaults{
    kColorWhite, kColorWhite, kColorRed,   kColorSilver, kColorSkyBlue, kColorNavy,
    kColorBlack, kColorNavy,  kColorWhite, kColorWhite,  kColorWhite};

inline FontSpec DefaultDialOrientationFont() {
  return {"Arial", 16, true, false, false, false};
}
inline FontSpec DefaultDialTimeFont() {
  return {"Arial", 12, true, false, false, false};
}
inline FontSpec DefaultDialInformationFont() {
  return {"ＭＳ Ｐゴシック", 10, false, false, false, false};
}
inline FontSpec DefaultClockFont() {
  return {"Arial", 10, true, false, false, false};
}

// Every group of one design, as the main window holds them.
struct Settings {
  GeneralSettings general;
  SeasonSettings season;
  CalcTimeSettings calcTime;
  DialOptionSettings dialOption;
  DialColorSettings dialColor;
  FontSpec dialOrientationFont = DefaultDialOrientationFont();
  FontSpec dialTimeFont = DefaultDialTimeFont();
  FontSpec dialInformationFont = DefaultDialInformationFont();
  ClockOptionSettings clockOption;
  ClockColorSettings clockDayColor = kClockDayColorDefaults;
  ClockColorSettings clockNightColor = kClockNightColorDefaults;
  FontSpec clockOrientationFont = DefaultClockFont();
  FontSpec clockTimeFont = DefaultClockFont();
  FontSpec clockClockFont = DefaultClockFont();
  // The face's plane ([DialPlane]); horizontal unless a document or the
  // design says otherwise.
  PlaneOrientation dialPlane;
  // [DialPlane] Kind and Major: the analemmatic dial instead of the gnomon's,
  // with its semi-major axis in millimetres at full size (a schoolyard dial
  // by default; the paper model is drawn to scale).
  DialKind dialKind = DialKind::Gnomon;
  double analemmaticMajor = kDefaultAnalemmaticMajor;

  bool IsAnalemmatic() const { return dialKind == DialKind::Analemmatic; }
};

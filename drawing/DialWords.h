// Angles, hours and dates of the printed page in the reader's language.
#pragma once

#include <string>

class Chart;

// "+34°39′00″" ("+34度39分00秒"); signs as the chart's FormatDegAngle takes
// them ("+-", "+- "). Empty when the angle cannot be written.
std::string AngleText(Chart& chart, double degrees, const char* signs);
// "+0h 09m 12s" ("+0時間09分12秒"), zero without a sign.
std::string HoursText(Chart& chart, double hours);
// "34°39′00″ N" ("北緯34度39分00秒"); the equator has no hemisphere.
std::string LatitudeText(Chart& chart, double latitude);
// "March 5" ("3月5日").
std::string MonthDayText(int month, int day);
// "March" ("3月").
std::string MonthName(int month);
// "Mar 5" ("3/5"), for labels on the face.
std::string ShortMonthDayText(int month, int day);

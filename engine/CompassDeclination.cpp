#include "CompassDeclination.h"

#include <algorithm>

#include "Chart.h"
#include "MagneticModel.h"

CompassDeclination CompassDeclinationOf(const Chart& chart, int year) {
  const ChartLocation& place = chart.Location();
  if (chart.IsJapanArea(place.Latitude(), place.Longitude())) return {place.NorthDiff2(), ""};
  const double daysInYear = chart.LeapYear() ? 366 : 365;
  const double date =
      std::clamp(year + (chart.Season().CalcDate() - 1) / daysInYear, kWmm2025Epoch, kWmm2025End);
  return {-Wmm2025Declination(place.Latitude(), place.Longitude(), date), "WMM2025"};
}

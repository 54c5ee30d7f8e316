// The curves a nodus draws on a dial: date lines (the path of its shadow on
// one day) and mean-time hour curves (its shadow at one clock time through
// the year), clipped to the dial face, in millimetres on the dial plane.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "PlaneProjection.h"

class Chart;

enum class DateLineSet : int32_t { None = 0, Seasons = 1, Terms = 2, Months = 3, DesignDay = 4 };
enum class HourCurveStyle : int32_t { None = 0, Full = 1, Halves = 2 };

// One date line: the days that share its declination (the first is its key).
struct DateArc {
  std::vector<int16_t> days;
  double declination = 0;
};

// The arcs of a set, in the order of their key days. `designDay` is the
// design's own day (DesignDay gives nothing without it).
std::vector<DateArc> DateArcsOf(const Chart& chart, DateLineSet set,
                                std::optional<int16_t> designDay);

// The declination of the solar term at the sun's longitude (a multiple of
// 15 degrees): the engine's season value on the eight season days, the same
// obliquity in between, so that the two terms of a pair share one arc.
double SolarTermDeclination(int longitude);

// The day number of the solar term at that longitude, placed between the
// engine's season days.
int16_t SolarTermDay(int longitude);

struct LinePoint {
  int16_t day = 0;
  double declination = 0;
  double hourAngle = 0;  // degrees, negative before noon
  PlanePoint at;
};
using LineRun = std::vector<LinePoint>;  // drawn as one stroke

struct DateLine {
  DateArc arc;
  std::vector<LineRun> runs;
};

struct HourCurve {
  double clockTime = 0;  // hours of the zone's mean time
  std::vector<LineRun> runs;
  bool wrapsYear = false;  // the last day's point joins the first day's
};

// Where the curves are drawn: the plane, the nodus on it and the face: the
// disc of that radius around the plane's origin, or the box where one is given.
struct NodusSetting {
  DialPlane plane;
  double latitude = 0;
  double height = 0;
  double faceRadius = 0;
  std::optional<FaceBox> faceBox;

  bool OnFace(const PlanePoint& p) const {
    return faceBox ? faceBox->Contains(p) : std::hypot(p.x, p.y) <= faceRadius;
  }
};

// The height that puts the noon point of the winter solstice's arc (or of the
// lowest noon sun worth a line, toward the pole) well inside the face, but
// never above `highest`. 0 when the style cannot carry a nodus.
double AutomaticNodusHeight(const DialPlane& plane, double latitude, double faceRadius,
                            double highest);

// Sampled every 2.5 degrees of hour angle (ten minutes), with the points where the line
// leaves the face found exactly.
DateLine TraceDateLine(const NodusSetting& setting, const Vector3& nodus, const DateArc& arc);

// A point every other day, using the chart's equation of time, longitude and
// standard meridian.
HourCurve TraceHourCurve(const Chart& chart, const NodusSetting& setting, const Vector3& nodus,
                         double clockTime);

// The whole hours among the chart's hour lines for the time range, in their
// order, 24:00 folded onto 0:00. Raises the chart's error.
std::vector<double> WholeHoursOf(Chart& chart, double startTime, double endTime, int16_t interval);

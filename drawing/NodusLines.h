// What a design asks of its nodus: which date lines and hour curves, and the
// nodus's height on the gnomon, traced for a face of a given size.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "DialLines.h"
#include "Settings.h"

class Chart;

struct NodusPlan {
  DateLineSet dates = DateLineSet::None;
  HourCurveStyle curves = HourCurveStyle::None;  // none unless the dial reads mean time
  double faceRadius = 0;                         // millimetres, the disc inside the time ring
  double styleTop = 0;  // height of the gnomon's vertical edge, millimetres
  double height = 0;    // of the nodus, millimetres
  bool automatic = true;

  // Whether the design draws anything with its nodus.
  bool Wanted() const { return dates != DateLineSet::None || curves != HourCurveStyle::None; }
  // Whether the nodus sits on the gnomon's style.
  bool OnStyle() const { return height > 0 && height <= styleTop; }
};

// The plan for a face of that radius (65 mm times the paper factor on paper).
NodusPlan PlanNodus(const Settings& settings, const Chart& chart, double faceRadius);

struct NodusCurves {
  NodusPlan plan;
  NodusSetting setting;
  std::optional<Vector3> nodus;  // none when the style cannot carry one
  std::vector<DateLine> dates;
  std::vector<HourCurve> curves;

  // Foot of the nodus on the dial, millimetres from the dial's centre.
  PlanePoint Foot() const { return nodus ? FootOnPlane(setting.plane, *nodus) : PlanePoint{}; }
};

// Traces the plan's curves; the hour curves take the whole hours of the
// design's hour lines. Raises the chart's error.
NodusCurves TraceNodusCurves(const Settings& settings, Chart& chart, double faceRadius);

// The same curves on a dial of any plane: its nodus, its face.
struct PlaneDial;
NodusCurves TracePlaneNodusCurves(const Settings& settings, Chart& chart, const PlaneDial& dial);

// A day number as "MM-DD", or as the label a date line carries ("M/D", in
// English "Mar 5", or a season's name on the eight season days).
std::string MonthDayKey(const Chart& chart, int16_t day);
std::string DateLabel(const Chart& chart, int16_t day);

// The half of the year a day belongs to in the halved hour curves.
bool InFirstHalf(const Chart& chart, int16_t day);

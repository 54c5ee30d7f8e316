// The lines of a dial on any plane, in millimetres on the plane: the hour
// lines the polar style's shadow falls on, the substyle, the noon line, the
// horizon line, and the face that holds them. Every line is the sun's ray
// through the style projected onto the plane (PlaneProjection.h), so the
// same code lays out a declining wall, a reclining face, a polar dial (its
// style parallel to the face, its hour lines parallel) and each face of an
// equatorial dial.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "PlaneOrientation.h"
#include "PlaneProjection.h"

class Chart;

// A drawn piece of a line on the face.
struct PlaneSegment {
  PlanePoint from;
  PlanePoint to;
};

struct PlaneHourLine {
  double clockTime = 0;  // hours of the chart's time system, 0..24
  double hourAngle = 0;  // degrees, negative before noon
  PlaneSegment segment;  // from the style's end toward the shadow's
};

struct PlaneDial {
  PlaneOrientation orientation;
  DialPlane plane;
  StyleGeometry style;
  double latitude = 0;
  // The nodus: the point of the style this far above the face (for a style
  // parallel to the face, the style itself). The plane's origin is the root
  // of the style, or with a parallel style the foot of the nodus.
  double nodusHeight = 0;
  Vector3 nodus;
  PlanePoint foot;  // of the nodus
  Vector3 styleDirection;
  FaceBox face;
  std::vector<PlaneHourLine> hourLines;
  std::optional<PlaneSegment> substyle;  // on the face
  std::optional<PlaneSegment> noonLine;  // true noon, where the sun reaches it
  std::optional<PlaneSegment> horizon;   // the shadow of a sun on the horizon
  // The gnomon stands on the substyle between these distances from the
  // origin (toward the foot; a parallel style runs the face's length).
  double gnomonStart = 0;
  double gnomonEnd = 0;

  bool RootOnFace() const { return !style.Parallel() && face.Contains({0, 0}); }
  // The height of the style above the substyle at a distance from the origin.
  double StyleHeightAt(double distance) const;
  // The unit direction of the substyle on the face, toward the foot.
  PlanePoint SubstyleDirection() const;
};

// The face is the box of the nodus's shadows through the year at the dial's
// hours (a shadow longer than kLongestShadow nodus heights is too grazing to
// count), the foot and a near root, with a margin of a tenth of the nodus
// height. An hour whose shadow never falls there (the sun never up in front
// of the face) gets no line; the others run from the root to the face's edge.
// Raises the chart's error.
inline constexpr double kLongestShadow = 4;
PlaneDial LayPlaneDial(const Chart& chart, const PlaneOrientation& orientation,
                       int16_t intervalMinutes, double nodusHeight);

// The hour angle of a clock time in the chart's time system, with the chart's
// longitude and equation of time in mean time.
double HourAngleOfClockTime(const Chart& chart, double clockTime);
// Whether the plane is an equatorial face at that latitude (its normal along
// the earth's axis), where the dial has a second face for the other half of
// the year.
bool IsEquatorialPlane(const PlaneOrientation& orientation, double latitude);

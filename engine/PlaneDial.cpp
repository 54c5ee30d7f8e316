#include "PlaneDial.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "Chart.h"
#include "MathFunctions.h"
#include "SolarFormulas.h"

namespace {

constexpr double kSolstice = 23.45;  // the engine's solstice declination
constexpr double kDeclinationStep = 0.5;
constexpr double kMargin = 0.1;  // of the nodus height, around the face's lines

Vector3 Scaled(const Vector3& v, double k) {
  return {v.x * k, v.y * k, v.z * k};
}

PlanePoint Minus(const PlanePoint& a, const PlanePoint& b) {
  return {a.x - b.x, a.y - b.y};
}

double Along(const PlanePoint& p, const PlanePoint& direction) {
  return p.x * direction.x + p.y * direction.y;
}

PlanePoint At(const PlanePoint& origin, const PlanePoint& direction, double t) {
  return {origin.x + t * direction.x, origin.y + t * direction.y};
}

// Liang-Barsky: the part of the line origin + t * direction, t in [t0, t1],
// inside the box.
std::optional<PlaneSegment> Clipped(const FaceBox& box, const PlanePoint& origin,
                                    const PlanePoint& direction, double t0, double t1) {
  const double p[4] = {-direction.x, direction.x, -direction.y, direction.y};
  const double q[4] = {origin.x - box.left, box.right - origin.x, origin.y - box.bottom,
                       box.top - origin.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return std::nullopt;
      continue;
    }
    const double r = q[i] / p[i];
    if (p[i] < 0) {
      t0 = std::max(t0, r);
    } else {
      t1 = std::min(t1, r);
    }
  }
  if (!(t0 < t1)) return std::nullopt;
  return PlaneSegment{At(origin, direction, t0), At(origin, direction, t1)};
}

void Include(FaceBox& box, const PlanePoint& p) {
  box.left = std::min(box.left, p.x);
  box.right = std::max(box.right, p.x);
  box.bottom = std::min(box.bottom, p.y);
  box.top = std::max(box.top, p.y);
}

// The nodus's shadows through the year at one hour angle that count.
std::vector<PlanePoint> YearShadows(const PlaneDial& dial, double hourAngle) {
  std::vector<PlanePoint> shadows;
  for (double d = -kSolstice; d <= kSolstice + 1e-9; d += kDeclinationStep) {
    const auto at =
        ShadowOnPlane(dial.plane, dial.nodus, SunDirection(dial.latitude, d, hourAngle));
    if (!at) continue;
    if (std::hypot(at->x - dial.foot.x, at->y - dial.foot.y) > kLongestShadow * dial.nodusHeight)
      continue;
    shadows.push_back(*at);
  }
  return shadows;
}

// The line an hour's shadows lie on: from the root through them, or for a
// parallel style through them along the substyle. Segment in [t0, t1] of
// the returned direction from the returned origin.
struct HourRay {
  PlanePoint origin;
  PlanePoint direction;
  double t0 = 0;
  double t1 = 0;
};

std::optional<HourRay> RayOf(const PlaneDial& dial, const std::vector<PlanePoint>& shadows) {
  if (shadows.empty()) return std::nullopt;
  if (dial.style.Parallel()) {
    const PlanePoint d = dial.SubstyleDirection();
    const double inf = std::numeric_limits<double>::infinity();
    return HourRay{shadows.front(), d, -inf, inf};
  }
  // The style's shadow runs from the root to the face's edge.
  const PlanePoint& any = shadows.front();
  const double length = std::hypot(any.x, any.y);
  if (!(length > 0)) return std::nullopt;
  HourRay ray;
  ray.direction = {any.x / length, any.y / length};
  ray.t1 = std::numeric_limits<double>::infinity();
  return ray;
}

std::optional<PlaneSegment> SegmentOf(const PlaneDial& dial,
                                      const std::vector<PlanePoint>& shadows) {
  const auto ray = RayOf(dial, shadows);
  if (!ray) return std::nullopt;
  return Clipped(dial.face, ray->origin, ray->direction, ray->t0, ray->t1);
}

std::vector<double> ClockTimes(int16_t intervalMinutes) {
  std::vector<double> times;
  const int step = intervalMinutes > 0 ? intervalMinutes : 60;
  for (int minutes = 0; minutes < 24 * 60; minutes += step) times.push_back(minutes / 60.0);
  return times;
}

// The box of every counted shadow, the foot and a root within reach.
FaceBox FaceOf(const PlaneDial& dial, const std::vector<std::vector<PlanePoint>>& shadows) {
  FaceBox box{dial.foot.x, dial.foot.y, dial.foot.x, dial.foot.y};
  for (const std::vector<PlanePoint>& hour : shadows) {
    for (const PlanePoint& p : hour) Include(box, p);
  }
  if (!dial.style.Parallel() &&
      std::hypot(dial.foot.x, dial.foot.y) <= kLongestShadow * dial.nodusHeight) {
    Include(box, {0, 0});
  }
  const double margin = kMargin * dial.nodusHeight;
  return {box.left - margin, box.bottom - margin, box.right + margin, box.top + margin};
}

std::optional<PlaneSegment> HorizonOf(const PlaneDial& dial) {
  const double rise = dial.plane.upward.z;
  if (std::fabs(rise) < 1e-9) return std::nullopt;  // a level face has none
  const double y = dial.nodus.z / rise;
  return Clipped(dial.face, {dial.face.left, y}, {1, 0}, 0, dial.face.Width());
}

}  // namespace

double PlaneDial::StyleHeightAt(double distance) const {
  if (style.Parallel()) return nodusHeight;
  return distance * std::tan(DegToRad(style.styleHeight));
}

PlanePoint PlaneDial::SubstyleDirection() const {
  PlanePoint d{Dot(styleDirection, plane.across), Dot(styleDirection, plane.upward)};
  const double length = std::hypot(d.x, d.y);
  if (!(length > 1e-12)) return {0, 1};  // a style square to the face: any
  return {d.x / length, d.y / length};
}

double HourAngleOfClockTime(const Chart& chart, double clockTime) {
  double solar = clockTime;
  if (chart.TimeSystem() == kMeanStandardTime) {
    const ChartLocation& place = chart.Location();
    solar = ConvStandardToSolar(clockTime, place.StandardMeridian(), place.Longitude(),
                                chart.Season().EquationOfTime());
  }
  double h = std::fmod(ConvTimeToHourAngle(solar), 360.0);
  if (h > 180) h -= 360;
  if (h <= -180) h += 360;
  return h;
}

bool IsEquatorialPlane(const PlaneOrientation& orientation, double latitude) {
  const DialPlane plane = PlaneOfOrientation(orientation);
  return std::fabs(Dot(StyleDirection(plane, latitude), plane.normal)) > std::cos(DegToRad(0.01));
}

PlaneDial LayPlaneDial(const Chart& chart, const PlaneOrientation& orientation,
                       int16_t intervalMinutes, double nodusHeight) {
  PlaneDial dial;
  dial.orientation = orientation;
  dial.plane = PlaneOfOrientation(orientation);
  dial.latitude = chart.Location().Latitude();
  dial.style = StyleOf(dial.plane, dial.latitude);
  dial.styleDirection = StyleDirection(dial.plane, dial.latitude);
  dial.nodusHeight = nodusHeight;
  if (dial.style.Parallel()) {
    dial.nodus = Scaled(dial.plane.normal, nodusHeight);
  } else {
    const double rise = Dot(dial.styleDirection, dial.plane.normal);
    dial.nodus = Scaled(dial.styleDirection, nodusHeight / rise);
  }
  dial.foot = FootOnPlane(dial.plane, dial.nodus);

  const std::vector<double> times = ClockTimes(intervalMinutes);
  std::vector<double> angles;
  std::vector<std::vector<PlanePoint>> shadows;
  for (double t : times) {
    angles.push_back(HourAngleOfClockTime(chart, t));
    shadows.push_back(YearShadows(dial, angles.back()));
  }
  dial.face = FaceOf(dial, shadows);
  for (size_t i = 0; i < times.size(); ++i) {
    if (const auto segment = SegmentOf(dial, shadows[i])) {
      dial.hourLines.push_back({times[i], angles[i], *segment});
    }
  }
  dial.noonLine = SegmentOf(dial, YearShadows(dial, 0));
  const PlanePoint along = dial.SubstyleDirection();
  const double inf = std::numeric_limits<double>::infinity();
  if (dial.style.Parallel()) {
    dial.substyle = Clipped(dial.face, dial.foot, along, -inf, inf);
  } else if (dial.style.styleHeight < 90 - 1e-6) {
    dial.substyle = Clipped(dial.face, {0, 0}, along, 0, inf);
  }
  if (dial.substyle) {
    const double a = Along(Minus(dial.substyle->from, dial.foot), along);
    const double b = Along(Minus(dial.substyle->to, dial.foot), along);
    const double footAt = Along(dial.foot, along);
    if (dial.style.Parallel()) {
      dial.gnomonStart = footAt + std::min(a, b);
      dial.gnomonEnd = footAt + std::max(a, b);
    } else {
      dial.gnomonStart = std::max(0.0, footAt + std::min(a, b));
      dial.gnomonEnd = footAt;
    }
  }
  dial.horizon = HorizonOf(dial);
  return dial;
}

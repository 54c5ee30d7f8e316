#include "PlaneSheet.h"

#include <algorithm>
#include <cmath>

#include "Chart.h"
#include "MathFunctions.h"
#include "Settings.h"
#include "UiText.h"

namespace {

constexpr double kGap = 6;  // millimetres between the sheet's parts
// The shares of the free height: the face, the gnomon and the text.
constexpr double kFaceShare = 0.56;
constexpr double kGnomonShare = 0.2;
constexpr double kLargestNodus = 80;  // millimetres, for a face that is nearly a point

struct Region {
  double left, top, right, bottom;
  double Width() const { return right - left; }
  double Height() const { return bottom - top; }
};

std::vector<PlaneOrientation> FacesOf(const Settings& settings, const Chart& chart) {
  const PlaneOrientation& plane = settings.dialPlane;
  if (IsEquatorialPlane(plane, chart.Location().Latitude())) return {plane, TurnedOver(plane)};
  return {plane};
}

// The nodus height at which every face fits its share of the region and the
// gnomon its own.
double FittingHeight(const std::vector<PlaneDial>& unit, const Region& faces, double band,
                     const Region& gnomon, double flap) {
  const double across = faces.Width() / static_cast<double>(unit.size());
  double h = kLargestNodus;
  for (const PlaneDial& d : unit) {
    h = std::min(h, (across - 2 * band - kGap) / d.face.Width());
    h = std::min(h, (faces.Height() - 2 * band) / d.face.Height());
    const double length = PlaneGnomonLength(d);
    if (length > 0) h = std::min(h, gnomon.Width() / length);
    const double half = PlaneGnomonHalfWidth(d, 0);
    if (half > 0) h = std::min(h, (gnomon.Height() / 2 - flap) / half);
  }
  return std::max(h, 1.0);
}

PlacedFace Place(const PlaneDial& dial, const Region& slot, double band, std::string title) {
  const double w = dial.face.Width();
  const double h = dial.face.Height();
  const double left = slot.left + (slot.Width() - w) / 2;
  const double top = slot.top + (slot.Height() - h) / 2;
  PlacedFace placed{dial, {left - dial.face.left, top + dial.face.top, 1}, {}, std::move(title)};
  placed.outline = {left - band, top - band, left + w + band, top + h + band};
  return placed;
}

}  // namespace

double PlaneGnomonLength(const PlaneDial& dial) {
  const double base = dial.gnomonEnd - dial.gnomonStart;
  if (dial.style.Parallel()) return base;
  return base / std::cos(DegToRad(dial.style.styleHeight));
}

double PlaneGnomonHalfWidth(const PlaneDial& dial, double flap) {
  // The farthest corner of a half from the style: its base's far end.
  const double a = DegToRad(dial.style.styleHeight);
  const double across = dial.style.Parallel() ? dial.nodusHeight : dial.gnomonEnd * std::sin(a);
  return across + flap;
}

PlaneGnomonOutline PlaneGnomonOutlineOf(const PlaneDial& dial, const PlacedGnomon& g) {
  PlaneGnomonOutline o;
  const double a = dial.style.Parallel() ? 0.0 : DegToRad(dial.style.styleHeight);
  // In the half's own frame the base runs along x from the root; the style
  // rises at the style height. Turned so that the style runs along the page.
  const double c = std::cos(a), s = std::sin(a);
  const double s0 = dial.gnomonStart, s1 = dial.gnomonEnd;
  const double top0 = dial.StyleHeightAt(s0), top1 = dial.StyleHeightAt(s1);
  // A parallel style stands the fin's height above its base.
  const double vStyle = dial.style.Parallel() ? dial.nodusHeight : 0;
  const double u0 = s0 * c + top0 * s;
  auto page = [&](double x, double y, int side) {
    const double u = x * c + y * s - u0;
    const double v = -x * s + y * c - vStyle;
    return UserPoint{g.styleStart.x + u, g.styleStart.y + (side == 0 ? -v : v)};
  };
  o.styleFrom = page(s0, top0, 0);
  o.styleTo = page(s1, top1, 0);
  for (int side = 0; side < 2; ++side) {
    o.baseFrom[side] = page(s0, 0, side);
    o.baseTo[side] = page(s1, 0, side);
  }
  const UserPoint flapFrom0 = page(s0, -g.flap, 0), flapTo0 = page(s1, -g.flap, 0);
  const UserPoint flapFrom1 = page(s0, -g.flap, 1), flapTo1 = page(s1, -g.flap, 1);
  o.outline = {o.styleFrom, o.baseFrom[0], flapFrom0, flapTo0,   o.baseTo[0],
               o.styleTo,   o.baseTo[1],   flapTo1,   flapFrom1, o.baseFrom[1]};
  return o;
}

PlaneSheet LayPlaneSheet(const Settings& settings, const Chart& chart, double width, double height,
                         const PageMargins& margins, double paperFactor, int16_t pageCount) {
  const double band = kLabelBand * paperFactor;
  const double flap = 10 * paperFactor;
  const double gap = kGap * paperFactor;
  const Region area{margins.left + gap, margins.top + 2 * gap, width - margins.right - gap,
                    height - margins.bottom - 2 * gap};
  const bool twoPages = pageCount >= 2;
  const double faceHeight = area.Height() * (twoPages ? 0.72 : kFaceShare);
  const Region faces{area.left, area.top, area.right, area.top + faceHeight};
  const Region gnomon =
      twoPages ? Region{area.left, area.top, area.right, area.top + area.Height() * 0.5}
               : Region{area.left, faces.bottom + gap, area.right,
                        faces.bottom + gap + area.Height() * kGnomonShare};

  const std::vector<PlaneOrientation> planes = FacesOf(settings, chart);
  const int16_t interval = settings.calcTime.interval;
  std::vector<PlaneDial> unit;
  for (const PlaneOrientation& p : planes) unit.push_back(LayPlaneDial(chart, p, interval, 1));
  double h = FittingHeight(unit, faces, band, gnomon, flap);
  if (settings.dialOption.nodusHeight > 0) h = std::min(h, settings.dialOption.nodusHeight);

  PlaneSheet sheet;
  sheet.gnomonPage = twoPages ? 2 : 1;
  const double across = faces.Width() / static_cast<double>(planes.size());
  for (size_t i = 0; i < planes.size(); ++i) {
    const Region slot{faces.left + across * static_cast<double>(i), faces.top,
                      faces.left + across * static_cast<double>(i + 1), faces.bottom};
    std::string title;
    if (planes.size() == 2) {
      title = i == 0 ? TranslateText("DialTexts", "Upper face (spring and summer)")
                     : TranslateText("DialTexts", "Lower face (autumn and winter)");
    }
    sheet.faces.push_back(
        Place(LayPlaneDial(chart, planes[i], interval, h), slot, band, std::move(title)));
  }
  const PlaneDial& first = sheet.faces.front().dial;
  const double length = PlaneGnomonLength(first);
  sheet.gnomon = PlacedGnomon{
      {gnomon.left + (gnomon.Width() - length) / 2, gnomon.top + gnomon.Height() / 2}, flap};
  const double textTop = twoPages ? faces.bottom + gap : gnomon.bottom + gap;
  sheet.textBox = {area.left, textTop, area.right, area.bottom};
  return sheet;
}

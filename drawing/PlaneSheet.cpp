#include "PlaneSheet.h"

#include <algorithm>
#include <cmath>

#include "Chart.h"
#include "MathFunctions.h"
#include "Settings.h"
#include "UiText.h"

namespace {

constexpr double kGap = 6;  // millimetres between the sheet's parts
// The share of the free height kept for the text below the dial.
constexpr double kTextShare = 0.22;
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

// The tallest face and the widest gnomon pattern of a nodus height of 1,
// and how much of the page's height and width they may take.
struct UnitSizes {
  double faceHeight = 0;
  double gnomonHeight = 0;  // across the style, both halves, without flaps
  double gnomonLength = 0;
  double faceWidth = 0;  // the widest face
};

UnitSizes SizesOf(const std::vector<PlaneDial>& unit) {
  UnitSizes sizes;
  for (const PlaneDial& d : unit) {
    sizes.faceHeight = std::max(sizes.faceHeight, d.face.Height());
    sizes.faceWidth = std::max(sizes.faceWidth, d.face.Width());
    sizes.gnomonHeight = std::max(sizes.gnomonHeight, 2 * PlaneGnomonHalfWidth(d, 0));
    sizes.gnomonLength = std::max(sizes.gnomonLength, PlaneGnomonLength(d));
  }
  return sizes;
}

// The nodus height at which the faces, in that many columns, fill the width,
// and the rows of faces above the gnomon (or each on its own page) fill the
// height left above the text; never above kLargestNodus.
double FittingHeight(const UnitSizes& u, size_t faceCount, size_t columns, const Region& stack,
                     double band, double gap, double flap, bool twoPages, double gnomonPageHeight) {
  const double rows = static_cast<double>((faceCount + columns - 1) / columns);
  const double across = stack.Width() / static_cast<double>(columns);
  double h = std::min(kLargestNodus, (across - 2 * band - gap) / u.faceWidth);
  if (u.gnomonLength > 0) h = std::min(h, stack.Width() / u.gnomonLength);
  const double faceRows = rows * u.faceHeight;
  const double bands = rows * (2 * band) + (rows - 1) * gap;
  if (twoPages) {
    h = std::min(h, (stack.Height() - bands) / faceRows);
    if (u.gnomonHeight > 0) h = std::min(h, (gnomonPageHeight - 2 * flap) / u.gnomonHeight);
  } else {
    h = std::min(h, (stack.Height() - bands - gap - 2 * flap) / (faceRows + u.gnomonHeight));
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

bool DrawsOnPlaneSheet(const Settings& settings, const Chart& chart) {
  return !settings.dialPlane.IsHorizontal() ||
         std::fabs(chart.Location().Latitude()) < kPlaneSheetLatitude;
}

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
  // Summer time stands a second number beyond each hour's.
  const double band = kLabelBand * paperFactor * (settings.dialOption.summerTime ? 2.3 : 1);
  const double flap = 10 * paperFactor;
  const double gap = kGap * paperFactor;
  const Region area{margins.left + gap, margins.top + 2 * gap, width - margins.right - gap,
                    height - margins.bottom - 2 * gap};
  const bool twoPages = pageCount >= 2;
  // The faces and the gnomon stack from the top; the text takes the rest.
  const Region stack{area.left, area.top, area.right,
                     area.bottom - area.Height() * kTextShare - gap};

  const std::vector<PlaneOrientation> planes = FacesOf(settings, chart);
  const int16_t interval = settings.calcTime.interval;
  std::vector<PlaneDial> unit;
  for (const PlaneOrientation& p : planes) unit.push_back(LayPlaneDial(chart, p, interval, 1));
  const UnitSizes sizes = SizesOf(unit);
  // A pair of faces stands side by side, or one above the other where that
  // lets them be larger.
  size_t columns = planes.size();
  auto fitting = [&](size_t c) {
    return FittingHeight(sizes, planes.size(), c, stack, band, gap, flap, twoPages, area.Height());
  };
  double h = fitting(columns);
  if (columns > 1 && fitting(1) > h) {
    columns = 1;
    h = fitting(1);
  }
  PlaneSheet sheet;
  if (settings.dialOption.faceSize > 0 && sizes.faceWidth > 0) {
    // The size given wins; the caller refuses or tiles a sheet too small.
    const double wanted = settings.dialOption.faceSize / sizes.faceWidth;
    sheet.oversize = wanted > h * (1 + 1e-9);
    h = wanted;
  } else if (settings.dialOption.nodusHeight > 0) {
    h = std::min(h, settings.dialOption.nodusHeight);
  }
  sheet.gnomonPage = twoPages ? 2 : 1;
  const double rowHeight = sizes.faceHeight * h + 2 * band;
  const size_t rows = (planes.size() + columns - 1) / columns;
  const double facesBottom =
      stack.top + static_cast<double>(rows) * rowHeight + static_cast<double>(rows - 1) * gap;
  const double across = stack.Width() / static_cast<double>(columns);
  for (size_t i = 0; i < planes.size(); ++i) {
    const double left = stack.left + across * static_cast<double>(i % columns);
    const double top = stack.top + (rowHeight + gap) * static_cast<double>(i / columns);
    const Region slot{left, top, left + across, top + rowHeight};
    std::string title;
    if (planes.size() == 2) {
      title = i == 0 ? TranslateText("DialTexts", "Upper face (spring and summer)")
                     : TranslateText("DialTexts", "Lower face (autumn and winter)");
    }
    sheet.faces.push_back(
        Place(LayPlaneDial(chart, planes[i], interval, h), slot, band, std::move(title)));
  }
  const double length = PlaneGnomonLength(sheet.faces.front().dial);
  const double gnomonHalf = sizes.gnomonHeight * h / 2 + flap;
  const double gnomonMiddle =
      twoPages ? area.top + area.Height() / 2 : facesBottom + gap + gnomonHalf;
  sheet.gnomon = PlacedGnomon{{area.left + (area.Width() - length) / 2, gnomonMiddle}, flap};
  const double textTop = twoPages ? facesBottom + gap : gnomonMiddle + gnomonHalf + gap;
  sheet.textBox = {area.left, textTop, area.right, area.bottom};
  return sheet;
}

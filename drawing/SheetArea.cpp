#include "SheetArea.h"

#include <algorithm>
#include <cmath>

PageMargins PageMarginsOf(const DrawTarget& t) {
  PageMargins m;
  if (t.Kind() != DrawTargetKind::PrinterPage) return m;
  const auto mm = ScaleUnit::Millimeters;
  m.left = kPageMargin - t.ScaleX(t.PhysicalOffsetX(), ScaleUnit::Pixels, mm);
  m.top = kPageMargin - t.ScaleY(t.PhysicalOffsetY(), ScaleUnit::Pixels, mm);
  m.right =
      (t.ScaleWidth() - m.left) - (t.ScaleX(t.Width(), ScaleUnit::Twips, mm) - 2 * kPageMargin);
  m.bottom =
      (t.ScaleHeight() - m.top) - (t.ScaleY(t.Height(), ScaleUnit::Twips, mm) - 2 * kPageMargin);
  return m;
}

bool SheetBox::Meets(UserPoint centre, double radius) const {
  const double dx = centre.x - std::clamp(centre.x, left, right);
  const double dy = centre.y - std::clamp(centre.y, top, bottom);
  return dx * dx + dy * dy < radius * radius;
}

bool SheetBox::Meets(UserPoint a, UserPoint b) const {
  // Clips the segment's parameter range against each side in turn.
  double from = 0, to = 1;
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double steps[4] = {-dx, dx, -dy, dy};
  const double room[4] = {a.x - left, right - a.x, a.y - top, bottom - a.y};
  for (int i = 0; i < 4; ++i) {
    if (steps[i] == 0) {
      if (room[i] < 0) return false;
      continue;
    }
    const double t = room[i] / steps[i];
    if (steps[i] < 0)
      from = std::max(from, t);
    else
      to = std::min(to, t);
    if (from > to) return false;
  }
  return true;
}

SheetBox BoxAround(std::span<const UserPoint> points) {
  SheetBox box{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const UserPoint& p : points) {
    box.left = std::min(box.left, p.x);
    box.right = std::max(box.right, p.x);
    box.top = std::min(box.top, p.y);
    box.bottom = std::max(box.bottom, p.y);
  }
  return box;
}

#include "SheetRoom.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "Gnomon.h"
#include "InformationBlock.h"
#include "SheetKey.h"

namespace {

constexpr double kClearance = 1;  // millimetres between a placed box and anything else
constexpr double kScanStep = 1;   // millimetres between the places tried

SheetBox Widened(const SheetBox& box, double by) {
  return {box.left - by, box.top - by, box.right + by, box.bottom + by};
}

}  // namespace

PageShare ShareOfPage(const DialLayout& layout, double paperFactor, int16_t page,
                      int16_t pageCount) {
  const bool onePage = pageCount < 2;
  return {layout,
          paperFactor,
          onePage || page == 1,
          onePage || page == 2,
          page,
          static_cast<int16_t>(onePage ? 1 : 2)};
}

std::array<SheetBox, 4> LetterBoxes(const DrawPass& pass, const DialLayout& l) {
  DrawTarget& t = pass.target;
  t.setFont(OrientationLetterFont(pass, l));
  const double w = t.TextWidth("W"), h = t.TextHeight("N");
  const double cx = l.centerX, cy = l.centerY, r = l.outerRadius;
  return {{{cx - w / 2, cy - r - 1.25 * h, cx + w / 2, cy - r},
           {cx - w / 2, cy + r, cx + w / 2, cy + r + 1.25 * h},
           {cx + r, cy - h / 2, cx + r + 1.25 * w, cy + h / 2},
           {cx - r - 1.25 * w, cy - h / 2, cx - r, cy + h / 2}}};
}

bool SheetRoom::IsFree(const SheetBox& box) const {
  if (box.left < area.left || box.top < area.top || box.right > area.right ||
      box.bottom > area.bottom) {
    return false;
  }
  const SheetBox wide = Widened(box, kClearance);
  if (dial) {
    if (wide.Meets(centre, radius)) return false;
    for (const SheetBox& letter : letters) {
      if (wide.Overlaps(letter)) return false;
    }
  }
  if (gnomon && wide.Overlaps(pattern)) return false;
  for (const SheetBox& text : texts) {
    if (wide.Overlaps(text)) return false;
  }
  return true;
}

// The free box nearest to `near` among the places every `stride` steps of
// the scan and no farther than `nearest` (squared) as given, which is set to
// the found box's distance.
std::optional<SheetBox> SheetRoom::NearestOnGrid(double width, double height, UserPoint near,
                                                 int stride, double& nearest) const {
  std::optional<SheetBox> best;
  const double bound = nearest;
  nearest = std::numeric_limits<double>::infinity();
  const double step = kScanStep * stride;
  for (int row = 0; area.top + row * step + height <= area.bottom; ++row) {
    const double top = area.top + row * step;
    const double rowDy = top + height / 2 - near.y;
    if (rowDy * rowDy > bound) continue;  // the whole row lies farther
    // The lefts at which the box, widened, would meet the dial: IsFree would
    // refuse them, and there are many, so they are passed over at once.
    double dialFrom = 0, dialTo = 0;
    if (dial) {
      const double c = kClearance;
      const double dy =
          std::max({0.0, top - c - centre.y, centre.y - (top + height + c)});  // to the band
      if (dy < radius) {
        const double half = std::sqrt(radius * radius - dy * dy) - 1e-9;
        dialFrom = centre.x - half - width - c;
        dialTo = centre.x + half + c;
      }
    }
    for (int column = 0; area.left + column * step + width <= area.right; ++column) {
      const double left = area.left + column * step;
      if (left > dialFrom && left < dialTo) continue;
      // Squared: only the order matters, and this runs for every place tried.
      const double dx = left + width / 2 - near.x, dy = top + height / 2 - near.y;
      const double distance = dx * dx + dy * dy;
      if (distance > bound || distance >= nearest) continue;
      const SheetBox box{left, top, left + width, top + height};
      if (!IsFree(box)) continue;
      best = box;
      nearest = distance;
    }
  }
  return best;
}

std::optional<SheetBox> SheetRoom::FreeBoxNear(double width, double height, UserPoint near) const {
  // A coarse scan bounds the distance, so that the full scan tries only
  // the places nearer than the coarse answer; it finds what it alone would.
  constexpr int kCoarse = 4;
  double nearest = std::numeric_limits<double>::infinity();
  const std::optional<SheetBox> coarse = NearestOnGrid(width, height, near, kCoarse, nearest);
  const std::optional<SheetBox> fine = NearestOnGrid(width, height, near, 1, nearest);
  return fine ? fine : coarse;
}

SheetRoom SheetRoomOf(const DrawPass& pass, const PageShare& share) {
  DrawTarget& t = pass.target;
  const PageMargins m = PageMarginsOf(t);
  SheetRoom room;
  room.area = {m.left, m.top, t.ScaleWidth() - m.right, t.ScaleHeight() - m.bottom};
  const DialLayout& l = share.layout;
  room.dial = share.dial;
  if (share.dial) {
    room.centre = {l.centerX, l.centerY};
    room.radius = l.outerRadius;
    room.letters = LetterBoxes(pass, l);
  }
  room.gnomon = share.gnomon;
  if (share.gnomon) {
    const GnomonOutline g = GnomonOutlineFor(l, pass.Latitude(), share.paperFactor);
    room.pattern = BoxAround(g.points);
    room.pattern.left -= kStyleLabelRoom;
    room.pattern.right += kStyleLabelRoom;
  }
  room.texts = CornerTextBoxes(pass, share.page, share.pageCount);
  const SheetBox key = PlaceKey(pass, l, share.paperFactor, share.dial, share.gnomon).box;
  // Labels beside the pattern may reach beyond the room kept for them.
  if (share.gnomon) {
    const std::vector<SheetBox> labels = LabelsBesidePattern(pass, share, key).boxes;
    room.texts.insert(room.texts.end(), labels.begin(), labels.end());
  }
  room.texts.push_back(key);
  return room;
}

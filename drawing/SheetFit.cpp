#include "SheetFit.h"

#include <array>
#include <vector>

#include "DrawPass.h"
#include "Gnomon.h"
#include "InformationBlock.h"
#include "SheetArea.h"

namespace {

constexpr double kClearance = 1;  // millimetres between the model and a text

bool Inside(const SheetBox& box, const SheetBox& area) {
  return box.left >= area.left && box.top >= area.top && box.right <= area.right &&
         box.bottom <= area.bottom;
}

SheetBox Widened(const SheetBox& box, double by) {
  return {box.left - by, box.top - by, box.right + by, box.bottom + by};
}

bool MeetsOutline(const SheetBox& box, const GnomonOutline& g) {
  for (size_t i = 0; i < g.points.size(); ++i) {
    if (box.Meets(g.points[i], g.points[(i + 1) % g.points.size()])) return true;
  }
  return false;
}

// The dial's letters stand a quarter of their height outside the ring.
std::array<SheetBox, 4> LetterBoxes(const DrawPass& pass, const DialLayout& l) {
  DrawTarget& t = pass.target;
  t.setFont(OrientationLetterFont(pass, l));
  const double w = t.TextWidth("W"), h = t.TextHeight("N");
  const double cx = l.CenterX, cy = l.CenterY, r = l.OuterRadius;
  return {{{cx - w / 2, cy - r - 1.25 * h, cx + w / 2, cy - r},
           {cx - w / 2, cy + r, cx + w / 2, cy + r + 1.25 * h},
           {cx + r, cy - h / 2, cx + r + 1.25 * w, cy + h / 2},
           {cx - r - 1.25 * w, cy - h / 2, cx - r, cy + h / 2}}};
}

}  // namespace

bool SheetHolds(DialDesign design, DrawTarget& target, const DialLayout& layout, double zoom,
                double paperFactor, bool dial, bool gnomon, int16_t pageCount) {
  const DrawPass pass(design, target, zoom);
  const PageMargins m = PageMarginsOf(target);
  const SheetBox area{m.left, m.top, target.ScaleWidth() - m.right,
                      target.ScaleHeight() - m.bottom};
  std::vector<SheetBox> texts = CornerTextBoxes(pass, 1, pageCount);
  for (SheetBox& text : texts) text = Widened(text, kClearance);
  const GnomonOutline g = GnomonOutlineFor(layout, pass.Latitude(), paperFactor);
  if (dial) {
    const UserPoint centre{layout.CenterX, layout.CenterY};
    for (const SheetBox& letter : LetterBoxes(pass, layout)) {
      if (!Inside(letter, area)) return false;
      if (gnomon && MeetsOutline(Widened(letter, kClearance), g)) return false;
      for (const SheetBox& text : texts) {
        if (letter.Overlaps(text)) return false;
      }
    }
    for (const SheetBox& text : texts) {
      if (text.Meets(centre, layout.OuterRadius)) return false;
    }
  }
  if (gnomon) {
    if (!Inside(BoxAround(g.points), area)) return false;
    for (const SheetBox& text : texts) {
      if (MeetsOutline(text, g)) return false;
    }
  }
  return true;
}

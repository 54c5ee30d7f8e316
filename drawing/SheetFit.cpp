#include "SheetFit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "CorrectionTable.h"
#include "DrawPass.h"
#include "Gnomon.h"
#include "InformationBlock.h"
#include "ScaleBar.h"
#include "SheetArea.h"
#include "SheetKey.h"
#include "SheetRoom.h"
#include "UiText.h"

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

// The key needs a free corner, and the labels beside the pattern a place
// clear of it; a block that finds no clear place on the
// face, a scale bar that finds none along the left margin, and the table of
// clock corrections need a free place elsewhere on the page.
bool RoomForBlockAndBar(const DrawPass& pass, const PageShare& share) {
  const DialOptionSettings& options = pass.design.settings.dialOption;
  const KeyPlace key = PlaceKey(pass, share.layout, share.paperFactor, share.dial, share.gnomon);
  if (!key.free) return false;
  if (share.gnomon && !LabelsBesidePattern(pass, share, key.box).clear) return false;
  std::vector<SheetBox> placed;  // off the face, for the table
  if (share.dial && options.printInfo) {
    const BlockPlace block = PlaceBlock(pass, share);
    if (!block.box) return false;
    if (!block.onFace) placed.push_back(*block.box);
  }
  if (options.scaleBar && pass.OnPaper()) {
    const std::optional<BarPlace> bar = FreeBarPlace(pass, share);
    if (!bar) return false;
    placed.push_back(bar->box);
  }
  return !share.dial || !ShowsCorrectionTable(pass.design) ||
         RoomForCorrectionTable(pass, share, placed);
}

}  // namespace

// The time ring keeps room for labels of the smallest readable size between
// the placement marks' rings and the outer circle (the labels leave the
// ring's middle for that where it is narrow).
bool RingHoldsLabels(DialDesign design, DrawTarget& target, const DialLayout& layout, double zoom) {
  constexpr double kSmallestLabelPoints = 6;
  const DrawPass pass(design, target, zoom);
  FontSpec font = design.settings.dialTimeFont;
  font.size = kSmallestLabelPoints;
  target.setFont(ScaledFont(font, pass));
  const double room = layout.outerRadius - layout.middleRadius - (kMarkRingRadius + 1);
  return target.TextHeight("0") <= room;
}

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
    if (!RingHoldsLabels(design, target, layout, zoom)) return false;
    const UserPoint centre{layout.centerX, layout.centerY};
    for (const SheetBox& letter : LetterBoxes(pass, layout)) {
      if (!Inside(letter, area)) return false;
      // The gap between the dial and the gnomon's tip shrinks with the paper,
      // so on a small one the clearance does too.
      const double clearance = kClearance * std::min(1.0, paperFactor);
      if (gnomon && MeetsOutline(Widened(letter, clearance), g)) return false;
      for (const SheetBox& text : texts) {
        if (letter.Overlaps(text)) return false;
      }
    }
    for (const SheetBox& text : texts) {
      if (text.Meets(centre, layout.outerRadius)) return false;
    }
  }
  if (gnomon) {
    if (!Inside(BoxAround(g.points), area)) return false;
    for (const SheetBox& text : texts) {
      if (MeetsOutline(text, g)) return false;
    }
  }
  return RoomForBlockAndBar(
      pass, {layout, paperFactor, dial, gnomon, dial ? int16_t{1} : int16_t{2}, pageCount});
}

std::string FaceTooLargeText(double faceSize) {
  return FillText(TranslateText("SheetFit",
                                "A face of %1 mm does not fit on this paper.\nPrint it on several "
                                "sheets: --tiles yes, or Tiles in the export dialog."),
                  {std::to_string(std::lround(faceSize))});
}

void RequireFaceFits(bool fits, double faceSize) {
  if (!fits) RaiseError(kInvalidCallNumber, "SheetFit", FaceTooLargeText(faceSize));
}

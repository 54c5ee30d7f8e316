// The dial's base: time ring, inner disc, orientation ticks and the letters
// N S E W, on paper and on the clock picture.
#include <algorithm>

#include "DialRoutines.h"
#include "DrawPass.h"
#include "InformationBlock.h"

namespace {

void DrawRings(const DrawPass& pass, const DialLayout& l, const std::optional<FaceColors>& colors) {
  DrawTarget& t = pass.target;
  if (pass.SetsPens()) {
    SetDialPen(pass);
    t.setFillStyle(BrushStyle::Solid);
  }
  if (colors) {
    t.setForeColor(colors->timeLine);
    t.setFillColor(colors->timeFill);
  }
  // The dial is cut out along its outer ring.
  if (pass.OnPaper()) t.setDrawWidth(SheetPenWidth(t, kCutLineMm));
  {
    const LayerScope cut(t, DrawLayer::Cut);
    PixelCircle(t, l.centerX, l.centerY, l.outerRadius);
  }
  if (pass.OnPaper()) t.setDrawWidth(DialPenWidth(pass));

  if (colors) {
    t.setForeColor(colors->timeLine);
    t.setFillColor(colors->innerFill);
  }
  PixelCircle(t, l.centerX, l.centerY, l.middleRadius);
}

// A tick along the north-south line from y1 to y2 (y1 < y2), broken where
// it would cross the box.
void TickAround(DrawTarget& t, double x, double y1, double y2, const SheetBox& box) {
  constexpr double kClearance = 1;  // millimetres between the block and a line
  if (x <= box.left - kClearance || x >= box.right + kClearance) {
    PixelLine(t, x, y1, x, y2);
    return;
  }
  if (box.top - kClearance > y1) PixelLine(t, x, y1, x, std::min(y2, box.top - kClearance));
  if (box.bottom + kClearance < y2) PixelLine(t, x, std::max(y1, box.bottom + kClearance), x, y2);
}

// On paper the ticks keep to the inner band: the time ring holds the hour
// labels, and the north-south tick breaks around the information block.
void DrawPaperTicks(const DrawPass& pass, const DialLayout& l) {
  DrawTarget& t = pass.target;
  const double cx = l.centerX, cy = l.centerY;
  SheetBox block{cx, cy, cx, cy};  // nothing to keep clear of
  if (pass.design.settings.dialOption.printInfo) {
    if (const auto onFace = FaceBlockBox(pass, l)) block = *onFace;
  }
  TickAround(t, cx, cy - l.middleRadius, cy - l.innerRadius, block);  // north
  TickAround(t, cx, cy + l.innerRadius, cy + l.middleRadius, block);  // south
  PixelLine(t, cx + l.innerRadius, cy, cx + l.middleRadius, cy);      // east
  PixelLine(t, cx - l.middleRadius, cy, cx - l.innerRadius, cy);      // west
}

void DrawTicks(const DrawPass& pass, const DialLayout& l, const std::optional<FaceColors>& colors) {
  DrawTarget& t = pass.target;
  if (pass.SetsPens()) t.setFillStyle(BrushStyle::Transparent);
  if (colors) t.setForeColor(colors->orientationLine);
  if (pass.OnPaper()) {
    DrawPaperTicks(pass, l);
    return;
  }
  const double cx = l.centerX, cy = l.centerY;
  PixelLine(t, cx, cy - l.outerRadius, cx, cy - l.innerRadius);  // north
  PixelLine(t, cx, cy + l.innerRadius, cx, cy + l.outerRadius);  // south
  PixelLine(t, cx + l.innerRadius, cy, cx + l.outerRadius, cy);  // east
  PixelLine(t, cx - l.outerRadius, cy, cx - l.innerRadius, cy);  // west
}

// The letters stand outside the dial, a quarter of a letter height away.
void DrawLetters(const DrawPass& pass, const DialLayout& l,
                 const std::optional<FaceColors>& colors) {
  DrawTarget& t = pass.target;
  t.setFont(OrientationLetterFont(pass, l));
  if (colors) t.setForeColor(colors->orientationFont);

  const double gap = t.TextHeight("N") * 0.25;
  const double cx = l.centerX, cy = l.centerY, r = l.outerRadius;
  RotatedText(t, cx - t.TextWidth("N") / 2, cy - r - t.TextHeight("N") - gap, "N", 0);
  RotatedText(t, cx - t.TextWidth("S") / 2, cy + r + gap, "S", 0);
  RotatedText(t, cx + r + gap, cy - t.TextHeight("E") / 2, "E", 0);
  RotatedText(t, cx - r - t.TextWidth("W") - gap, cy - t.TextHeight("W") / 2, "W", 0);
}

Status DrawDialRingsPass(const DrawPass& pass, const DialLayout& layout) {
  return RunDrawRoutine(pass.design, [&] {
    const std::optional<FaceColors> colors = FaceColorsFor(pass);
    DrawRings(pass, layout, colors);
    DrawTicks(pass, layout, colors);
    DrawLetters(pass, layout, colors);
  });
}

}  // namespace

Status DrawDialRings(DialDesign design, DrawTarget& target, const DialLayout& layout, double zoom) {
  return DrawDialRingsPass(DrawPass(design, target, zoom), layout);
}

Status DrawDialRings(DialDesign design, ClockView& clock, const DialLayout& layout, double zoom) {
  return DrawDialRingsPass(DrawPass(design, clock.picClock(), zoom, clock.ClockState()), layout);
}

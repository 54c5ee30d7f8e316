// The dial's base: time ring, inner disc, orientation ticks and the letters
// N S E W, on paper and on the clock picture.
#include "DialRoutines.h"
#include "DrawPass.h"

namespace {

void DrawRings(const DrawPass& pass, const DialLayout& l, const std::optional<FaceColors>& colors) {
  DrawTarget& t = pass.target;
  if (pass.SetsPens()) {
    SetDialPen(pass);
    t.setFillStyle(BrushStyle::Solid);
  }
  if (colors) {
    t.setForeColor(colors->TimeLine);
    t.setFillColor(colors->TimeFill);
  }
  PixelCircle(t, l.CenterX, l.CenterY, l.OuterRadius);

  if (colors) {
    t.setForeColor(colors->TimeLine);
    t.setFillColor(colors->InnerFill);
  }
  PixelCircle(t, l.CenterX, l.CenterY, l.MiddleRadius);
}

void DrawTicks(const DrawPass& pass, const DialLayout& l, const std::optional<FaceColors>& colors) {
  DrawTarget& t = pass.target;
  if (pass.SetsPens()) t.setFillStyle(BrushStyle::Transparent);
  if (colors) t.setForeColor(colors->OrientationLine);
  const double cx = l.CenterX, cy = l.CenterY;
  PixelLine(t, cx, cy - l.OuterRadius, cx, cy - l.InnerRadius);  // north
  PixelLine(t, cx, cy + l.InnerRadius, cx, cy + l.OuterRadius);  // south
  PixelLine(t, cx + l.InnerRadius, cy, cx + l.OuterRadius, cy);  // east
  PixelLine(t, cx - l.OuterRadius, cy, cx - l.InnerRadius, cy);  // west
}

// The letters stand outside the dial, a quarter of a letter height away.
void DrawLetters(const DrawPass& pass, const DialLayout& l,
                 const std::optional<FaceColors>& colors) {
  DrawTarget& t = pass.target;
  const FontSpec& font = pass.OnClock() ? pass.design.settings.ClockOrientationFont
                                        : pass.design.settings.DialOrientationFont;
  t.setFont(ScaledFont(font, pass));
  if (colors) t.setForeColor(colors->OrientationFont);

  const double gap = t.TextHeight("N") * 0.25;
  const double cx = l.CenterX, cy = l.CenterY, r = l.OuterRadius;
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

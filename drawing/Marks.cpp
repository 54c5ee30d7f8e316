// Placement marks: where the gnomon's root and the foot of its vertical edge
// meet the dial, on the dial and on the gnomon pattern alike.
#include "DrawPass.h"
#include "Gnomon.h"

namespace {

constexpr double kRingRadius = kMarkRingRadius;
constexpr double kDotRadius = kMarkRingRadius / 2;

void SetMarkPen(const DrawPass& pass) {
  SetDialPen(pass);
  pass.target.setFillStyle(BrushStyle::Transparent);
  pass.target.setForeColor(pass.design.settings.dialColor.markLine);
  pass.target.setFillColor(pass.design.settings.dialColor.markLine);
}

// A ring with a filled dot: the foot of the vertical edge.
void FootMark(DrawTarget& t, UserPoint p) {
  PixelCircle(t, p.x, p.y, kRingRadius);
  t.setFillStyle(BrushStyle::Solid);
  PixelCircle(t, p.x, p.y, kDotRadius);
  t.setFillStyle(BrushStyle::Transparent);
}

// A plain ring: the root of the style.
void RootMark(DrawTarget& t, UserPoint p) {
  PixelCircle(t, p.x, p.y, kRingRadius);
}

}  // namespace

Status DrawDialMarks(DialDesign design, DrawTarget& target, const DialLayout& layout, double zoom) {
  const DrawPass pass(design, target, zoom);
  return RunDrawRoutine(design, [&] {
    if (!design.settings.dialOption.printMark) return;
    SetMarkPen(pass);
    const double s = SignOf(pass.Latitude());
    FootMark(target, {layout.centerX, layout.centerY - s * layout.middleRadius});
    RootMark(target, {layout.centerX, layout.centerY});
  });
}

Status DrawGnomonMarks(DialDesign design, DrawTarget& target, const DialLayout& layout,
                       double zoom) {
  const DrawPass pass(design, target, zoom);
  return RunDrawRoutine(design, [&] {
    if (!design.settings.dialOption.printMark) return;
    SetMarkPen(pass);
    // The flap width plays no part in the marked points.
    const GnomonOutline g = GnomonOutlineFor(layout, pass.Latitude(), 1.0);
    FootMark(target, g.LeftFoot());
    FootMark(target, g.RightFoot());
    RootMark(target, g.Root());
  });
}

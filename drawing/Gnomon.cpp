#include "Gnomon.h"

#include <cmath>

#include "DrawPass.h"

GnomonOutline GnomonOutlineFor(const DialLayout& layout, double latitude, double paperFactor) {
  const double phi = latitude * kRadiansPerDegree;
  const double sigma = SignOf(latitude);
  const double x = layout.gnomonX;
  const double r = layout.middleRadius;
  const double style = r / std::cos(phi);
  const double ya = layout.gnomonY + sigma * style;
  const double a = r * std::sin(phi);
  const double b = r * std::cos(phi);
  const double flap = 10 * paperFactor;
  const double u = flap * std::cos(phi);
  const double v = flap * std::sin(phi);
  return {{{
      {x, layout.gnomonY},
      {x - a, ya - sigma * b},
      {x - a - sigma * u, ya - sigma * b + v},
      {x - sigma * u, ya + v},
      {x, ya},
      {x + sigma * u, ya + v},
      {x + a + sigma * u, ya - sigma * b + v},
      {x + a, ya - sigma * b},
  }}};
}

namespace {

// Fold lines are dashed (style) and dash-dotted (flaps) when line styles
// apply, otherwise solid; on paper they are fold-line wide.
void SetFoldPen(const DrawPass& pass, PenStyle styled) {
  const bool styles = pass.design.settings.dialOption.lineStyle;
  pass.target.setDrawStyle(styles ? styled : PenStyle::Solid);
  if (pass.OnPaper()) {
    pass.target.setDrawWidth(SheetPenWidth(pass.target, kFoldLineMm));
  } else {
    pass.target.setDrawWidth(styles ? 1 : DialPenWidth(pass));
  }
}

void DrawPattern(const DrawPass& pass, const DialLayout& layout, double paperFactor) {
  DrawTarget& t = pass.target;
  const GnomonOutline g = GnomonOutlineFor(layout, pass.Latitude(), paperFactor);
  const LayerScope gnomon(t, DrawLayer::Gnomon);
  SetDialPen(pass);
  if (pass.OnPaper()) t.setDrawWidth(SheetPenWidth(t, kCutLineMm));  // cut out along it
  t.setFillStyle(BrushStyle::Solid);
  t.setForeColor(pass.design.settings.dialColor.gnomonLine);
  t.setFillColor(pass.design.settings.dialColor.gnomonFill);
  {
    const LayerScope cut(t, DrawLayer::Cut);
    PixelPolygon(t, g.points);
  }

  const LayerScope fold(t, DrawLayer::Fold);
  SetFoldPen(pass, PenStyle::Dash);
  PixelLine(t, g.Top().x, g.Top().y, g.Root().x, g.Root().y);
  SetFoldPen(pass, PenStyle::DashDot);
  PixelLine(t, g.LeftFoot().x, g.LeftFoot().y, g.Root().x, g.Root().y);
  PixelLine(t, g.RightFoot().x, g.RightFoot().y, g.Root().x, g.Root().y);
}

}  // namespace

Status DrawGnomon(DialDesign design, DrawTarget& target, const DialLayout& layout, double zoom,
                  double paperFactor) {
  const DrawPass pass(design, target, zoom);
  return RunDrawRoutine(design, [&] { DrawPattern(pass, layout, paperFactor); });
}

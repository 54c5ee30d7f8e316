// A bar of exactly 100 mm along the page's left margin, so that the user can
// tell whether the printer scaled the page.
#include "UiText.h"
#include "NodusDrawing.h"
#include "SheetArea.h"
#include "DrawPass.h"

namespace {

constexpr double kBarLength = 100;  // millimetres
constexpr double kTickStep = 10;
constexpr double kTick = 1.5;
constexpr double kLongTick = 3;
constexpr double kTextPoints = 7;

void DrawBar(const DrawPass& pass) {
  DrawTarget& t = pass.target;
  const PageMargins margins = PageMarginsOf(t);
  const double x = margins.left;
  const double bottom = (t.ScaleHeight() + kBarLength) / 2;
  SetThinPen(t);
  t.setForeColor(0);
  PixelLine(t, x, bottom, x, bottom - kBarLength);
  for (int i = 0; i <= kBarLength / kTickStep; ++i) {
    const double y = bottom - i * kTickStep;
    PixelLine(t, x, y, x + (i % 5 == 0 ? kLongTick : kTick), y);
  }
  // Read from below, beside the bar: the length, then how to check it.
  FontSpec font = pass.design.settings.DialInformationFont;
  font.Size = kTextPoints;
  t.setFont(ScaledFont(font, pass));
  const std::string text = "100 mm   " + TranslateText("DialTexts", "Print at 100 % if this bar is not 100 mm long.");
  RotatedText(t, x + kLongTick + 0.5, bottom, text, 90);
}

}  // namespace

Status DrawScaleBar(DialDesign design, DrawTarget& target, double zoom) {
  const DrawPass pass(design, target, zoom);
  return RunDrawRoutine(design, [&] {
    if (!design.settings.DialOption.ScaleBar || !pass.OnPaper()) return;
    DrawBar(pass);
  });
}

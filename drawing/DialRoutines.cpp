// The background picture and the colour helper of the options dialog.
#include "DialRoutines.h"

#include "DrawPass.h"

int32_t DrawBackPicture(DialDesign design, DrawTarget& target, const DialLayout& layout) {
  design.errors.ClearLastError();
  const std::string& picture = design.settings.DialOption.Picture;
  if (picture.empty()) return kTrue;
  // A missing or unreadable picture leaves the dial without one; the main
  // window has warned about it before drawing.
  try {
    const float left = static_cast<float>(layout.CenterX - layout.InnerRadius);
    const float top = static_cast<float>(layout.CenterY - layout.InnerRadius);
    const float side = static_cast<float>(2 * layout.InnerRadius);
    target.PaintPicture(picture, left, top, side, side);
  } catch (...) {
    design.errors.ClearLastError();
  }
  return kTrue;
}

ColorRef InvertColor(ColorRef color) {
  if ((color & kColorWhite) == kColorGrey) return kColorWhite;
  return kColorWhite - (color & kColorWhite);
}

// The background picture and the colour helper of the options dialog.
#include "DialRoutines.h"

#include "DrawPass.h"

Status DrawBackPicture(DialDesign design, DrawTarget& target, const DialLayout& layout) {
  design.errors.Clear();
  const std::string& picture = design.settings.dialOption.picture;
  if (picture.empty()) return Status::Ok();
  // A missing or unreadable picture leaves the dial without one; the main
  // window has warned about it before drawing.
  const Status painted = TrapStatus(
      design.errors,
      [&] {
        const float left = static_cast<float>(layout.centerX - layout.innerRadius);
        const float top = static_cast<float>(layout.centerY - layout.innerRadius);
        const float side = static_cast<float>(2 * layout.innerRadius);
        target.PaintPicture(picture, left, top, side, side);
      },
      RecordFault);
  if (!painted.ok()) design.errors.Clear();
  return Status::Ok();
}

ColorRef InvertColor(ColorRef color) {
  if ((color & kColorWhite) == kColorGrey) return kColorWhite;
  return kColorWhite - (color & kColorWhite);
}

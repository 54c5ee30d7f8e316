#include "SheetWindow.h"

#include <algorithm>
#include <cmath>

#include "DrawPass.h"

namespace {

DeviceBox BoxOf(const std::vector<DevicePoint>& points) {
  DeviceBox box{points.front(), points.front()};
  for (const DevicePoint& p : points) {
    box.topLeft = {std::min(box.topLeft.x, p.x), std::min(box.topLeft.y, p.y)};
    box.bottomRight = {std::max(box.bottomRight.x, p.x), std::max(box.bottomRight.y, p.y)};
  }
  return box;
}

DeviceBox BoxOf(DevicePoint a, DevicePoint b) {
  return BoxOf(std::vector<DevicePoint>{a, b});
}

}  // namespace

SheetWindowTarget::SheetWindowTarget(DrawTarget& page, double width, double height)
    : page_(page), width_(width), height_(height), drawWidth_(page.DrawWidth()) {}

double SheetWindowTarget::Width() const {
  return page_.ScaleX(width_, page_.ScaleMode(), ScaleUnit::Twips);
}

double SheetWindowTarget::Height() const {
  return page_.ScaleY(height_, page_.ScaleMode(), ScaleUnit::Twips);
}

void SheetWindowTarget::setWindow(const SheetWindow& window) {
  window_ = window;
  const ScaleUnit mm = page_.ScaleMode();
  auto pxX = [&](double v) { return page_.ScaleX(v, mm, ScaleUnit::Pixels); };
  auto pxY = [&](double v) { return page_.ScaleY(v, mm, ScaleUnit::Pixels); };
  offsetX_ = pxX(window.to.x - window.scale * window.from.x);
  offsetY_ = pxY(window.to.y - window.scale * window.from.y);
  const double* c = window.clip;
  page_.setDeviceClip(DeviceBox{{RoundToInt32(pxX(c[0])), RoundToInt32(pxY(c[1]))},
                                {RoundToInt32(pxX(c[2])), RoundToInt32(pxY(c[3]))}});
  // The same box in the sheet's pixels, for leaving out what lies beyond it.
  auto back = [&](double page, double offset) { return (page - offset) / window.scale; };
  sheetClip_ = {{RoundToInt32(std::floor(back(pxX(c[0]), offsetX_))),
                 RoundToInt32(std::floor(back(pxY(c[1]), offsetY_)))},
                {RoundToInt32(std::ceil(back(pxX(c[2]), offsetX_))),
                 RoundToInt32(std::ceil(back(pxY(c[3]), offsetY_)))}};
  setDrawWidth(drawWidth_);
}

void SheetWindowTarget::ClearWindow() {
  page_.setDeviceClip(std::nullopt);
}

void SheetWindowTarget::setSurvey(std::function<void(const SheetBox&)> survey) {
  survey_ = std::move(survey);
}

void SheetWindowTarget::setDrawWidth(int32_t pixels) {
  drawWidth_ = pixels;
  page_.setDrawWidth(std::max(1, RoundToInt32(pixels * window_.scale)));
}

DevicePoint SheetWindowTarget::Moved(DevicePoint p) const {
  return {RoundToInt32(p.x * window_.scale + offsetX_),
          RoundToInt32(p.y * window_.scale + offsetY_)};
}

std::vector<DevicePoint> SheetWindowTarget::Moved(const std::vector<DevicePoint>& points) const {
  std::vector<DevicePoint> moved;
  moved.reserve(points.size());
  for (const DevicePoint& p : points) moved.push_back(Moved(p));
  return moved;
}

bool SheetWindowTarget::Passes(DeviceBox box) const {
  if (survey_) {
    const ScaleUnit mm = page_.ScaleMode();
    survey_({page_.ScaleX(box.topLeft.x, ScaleUnit::Pixels, mm),
             page_.ScaleY(box.topLeft.y, ScaleUnit::Pixels, mm),
             page_.ScaleX(box.bottomRight.x, ScaleUnit::Pixels, mm),
             page_.ScaleY(box.bottomRight.y, ScaleUnit::Pixels, mm)});
    return false;
  }
  // The pen's half width may reach in from outside.
  const int32_t pen = drawWidth_;
  return box.bottomRight.x + pen >= sheetClip_.topLeft.x &&
         box.topLeft.x - pen <= sheetClip_.bottomRight.x &&
         box.bottomRight.y + pen >= sheetClip_.topLeft.y &&
         box.topLeft.y - pen <= sheetClip_.bottomRight.y;
}

void SheetWindowTarget::PaintPicture(std::string_view source, double x, double y, double width,
                                     double height) {
  if (survey_) {
    survey_({x, y, x + width, y + height});
    return;
  }
  const SheetWindow& w = window_;
  page_.PaintPicture(source, w.to.x + w.scale * (x - w.from.x), w.to.y + w.scale * (y - w.from.y),
                     width * w.scale, height * w.scale);
}

void SheetWindowTarget::DeviceLine(DevicePoint from, DevicePoint to) {
  if (Passes(BoxOf(from, to))) page_.DeviceLine(Moved(from), Moved(to));
}

void SheetWindowTarget::DeviceEllipse(DevicePoint topLeft, DevicePoint bottomRight) {
  if (Passes(BoxOf(topLeft, bottomRight))) page_.DeviceEllipse(Moved(topLeft), Moved(bottomRight));
}

void SheetWindowTarget::DeviceRectangle(DevicePoint topLeft, DevicePoint bottomRight) {
  if (Passes(BoxOf(topLeft, bottomRight))) {
    page_.DeviceRectangle(Moved(topLeft), Moved(bottomRight));
  }
}

void SheetWindowTarget::DevicePolygon(const std::vector<DevicePoint>& points) {
  if (!points.empty() && Passes(BoxOf(points))) page_.DevicePolygon(Moved(points));
}

void SheetWindowTarget::DevicePolyline(const std::vector<DevicePoint>& points) {
  if (!points.empty() && Passes(BoxOf(points))) page_.DevicePolyline(Moved(points));
}

void SheetWindowTarget::DeviceText(DevicePoint at, std::string_view text, const DeviceFont& font) {
  // A text, turned any way, reaches no farther from its corner than its
  // width and height (measured in the current font, which it is drawn in).
  const double width = page_.ScaleX(page_.TextWidth(text), page_.ScaleMode(), ScaleUnit::Pixels);
  const int32_t reach = RoundToInt32(std::max(width, 0.0)) + 2 * std::abs(font.heightPixels);
  if (!Passes({{at.x - reach, at.y - reach}, {at.x + reach, at.y + reach}})) return;
  DeviceFont moved = font;
  moved.heightPixels = RoundToInt32(font.heightPixels * window_.scale);
  page_.DeviceText(Moved(at), text, moved);
}

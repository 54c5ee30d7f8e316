#include "SheetWindow.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

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
    : page_(&page), width_(width), height_(height), drawWidth_(page.DrawWidth()) {}

double SheetWindowTarget::Width() const {
  return page_->ScaleX(width_, page_->ScaleMode(), ScaleUnit::Twips);
}

double SheetWindowTarget::Height() const {
  return page_->ScaleY(height_, page_->ScaleMode(), ScaleUnit::Twips);
}

void SheetWindowTarget::setWindow(const SheetWindow& window) {
  window_ = window;
  const ScaleUnit mm = page_->ScaleMode();
  auto pxX = [&](double v) { return page_->ScaleX(v, mm, ScaleUnit::Pixels); };
  auto pxY = [&](double v) { return page_->ScaleY(v, mm, ScaleUnit::Pixels); };
  offsetX_ = pxX(window.to.x - window.scale * window.from.x);
  offsetY_ = pxY(window.to.y - window.scale * window.from.y);
  const double* c = window.clip;
  page_->setDeviceClip(DeviceBox{{RoundToInt32(pxX(c[0])), RoundToInt32(pxY(c[1]))},
                                 {RoundToInt32(pxX(c[2])), RoundToInt32(pxY(c[3]))}});
  // The same box in the sheet's pixels, for leaving out what lies beyond it.
  auto back = [&](double page, double offset) { return (page - offset) / window.scale; };
  sheetClip_ = {{RoundToInt32(std::floor(back(pxX(c[0]), offsetX_))),
                 RoundToInt32(std::floor(back(pxY(c[1]), offsetY_)))},
                {RoundToInt32(std::ceil(back(pxX(c[2]), offsetX_))),
                 RoundToInt32(std::ceil(back(pxY(c[3]), offsetY_)))}};
  ApplyDrawWidth(drawWidth_);
}

void SheetWindowTarget::ClearWindow() {
  page_->setDeviceClip(std::nullopt);
}

void SheetWindowTarget::setSurvey(std::function<void(const SheetBox&)> survey) {
  survey_ = std::move(survey);
}

void SheetWindowTarget::StartRecording() {
  kept_.clear();
  recording_ = true;
  // Every replay starts from the state the drawing started from.
  const FontSpec font = page_->Font();
  const ColorRef fore = page_->ForeColor(), fill = page_->FillColor();
  const BrushStyle fillStyle = page_->FillStyle();
  const PenMode mode = page_->DrawMode();
  const PenStyle style = page_->DrawStyle();
  const int32_t width = drawWidth_;
  kept_.push_back([=, this] {
    page_->setFont(font);
    page_->setForeColor(fore);
    page_->setFillColor(fill);
    page_->setFillStyle(fillStyle);
    page_->setDrawMode(mode);
    page_->setDrawStyle(style);
    ApplyDrawWidth(width);
  });
}

void SheetWindowTarget::Replay() {
  for (const auto& step : kept_) step();
}

void SheetWindowTarget::Set(std::function<void()> change) {
  change();
  if (recording_) kept_.push_back(std::move(change));
}

void SheetWindowTarget::Draw(std::function<void()> primitive) {
  if (recording_) {
    kept_.push_back(std::move(primitive));
  } else {
    primitive();
  }
}

void SheetWindowTarget::setDrawWidth(int32_t pixels) {
  Set([this, pixels] { ApplyDrawWidth(pixels); });
}

// The page's pen is the sheet's scaled with the window.
void SheetWindowTarget::ApplyDrawWidth(int32_t pixels) {
  drawWidth_ = pixels;
  page_->setDrawWidth(std::max(1, RoundToInt32(pixels * window_.scale)));
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
    const ScaleUnit mm = page_->ScaleMode();
    survey_({page_->ScaleX(box.topLeft.x, ScaleUnit::Pixels, mm),
             page_->ScaleY(box.topLeft.y, ScaleUnit::Pixels, mm),
             page_->ScaleX(box.bottomRight.x, ScaleUnit::Pixels, mm),
             page_->ScaleY(box.bottomRight.y, ScaleUnit::Pixels, mm)});
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
  Draw([this, source = std::string(source), x, y, width, height] {
    if (survey_) {
      survey_({x, y, x + width, y + height});
      return;
    }
    const SheetWindow& w = window_;
    page_->PaintPicture(source, w.to.x + w.scale * (x - w.from.x),
                        w.to.y + w.scale * (y - w.from.y), width * w.scale, height * w.scale);
  });
}

void SheetWindowTarget::DeviceLine(DevicePoint from, DevicePoint to) {
  Draw([this, from, to] {
    if (Passes(BoxOf(from, to))) page_->DeviceLine(Moved(from), Moved(to));
  });
}

void SheetWindowTarget::DeviceEllipse(DevicePoint topLeft, DevicePoint bottomRight) {
  Draw([this, topLeft, bottomRight] {
    if (Passes(BoxOf(topLeft, bottomRight))) {
      page_->DeviceEllipse(Moved(topLeft), Moved(bottomRight));
    }
  });
}

void SheetWindowTarget::DeviceRectangle(DevicePoint topLeft, DevicePoint bottomRight) {
  Draw([this, topLeft, bottomRight] {
    if (Passes(BoxOf(topLeft, bottomRight))) {
      page_->DeviceRectangle(Moved(topLeft), Moved(bottomRight));
    }
  });
}

void SheetWindowTarget::DevicePolygon(const std::vector<DevicePoint>& points) {
  if (points.empty()) return;
  Draw([this, points] {
    if (Passes(BoxOf(points))) page_->DevicePolygon(Moved(points));
  });
}

void SheetWindowTarget::DevicePolyline(const std::vector<DevicePoint>& points) {
  if (points.empty()) return;
  Draw([this, points] {
    if (Passes(BoxOf(points))) page_->DevicePolyline(Moved(points));
  });
}

void SheetWindowTarget::DeviceText(DevicePoint at, std::string_view text, const DeviceFont& font) {
  // The text's box turned about its corner, measured now in the font it is
  // drawn in (with a line's height to spare).
  const double width = page_->ScaleX(page_->TextWidth(text), page_->ScaleMode(), ScaleUnit::Pixels);
  const double height = 2.0 * std::abs(font.heightPixels);
  const double turn = font.escapementTenths / 10.0 * kRadiansPerDegree;
  const double c = std::cos(turn), s = std::sin(turn);
  std::vector<DevicePoint> corners;
  for (const auto& [along, down] :
       {std::pair{0.0, 0.0}, {width, 0.0}, {0.0, height}, {width, height}}) {
    corners.push_back(
        {at.x + RoundToInt32(along * c + down * s), at.y + RoundToInt32(-along * s + down * c)});
  }
  const DeviceBox box = BoxOf(corners);
  Draw([this, at, text = std::string(text), font, box] {
    if (!Passes(box)) return;
    DeviceFont moved = font;
    moved.heightPixels = RoundToInt32(font.heightPixels * window_.scale);
    // Text too small for one pixel is left out (a height of 0 would be a default size).
    if (moved.heightPixels == 0) return;
    page_->DeviceText(Moved(at), text, moved);
  });
}

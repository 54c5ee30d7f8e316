#include "PreviewModel.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "PrintJob.h"
#include "UiText.h"

namespace {

constexpr double kMinZoom = 0.1;  // also the smallest fitted page
constexpr double kMaxClickZoom = 2.0;
constexpr double kZoomStep = 0.1;

int32_t Round(double value) {
  return static_cast<int32_t>(std::lround(value));
}

bool Overhangs(double start, double extent, double area) {
  return start < -0.5 || start + extent > area + 0.5;
}

std::string PaperLabel(int16_t paperSize) {
  switch (paperSize) {
    case kPaperA3:
      return "A3";
    case kPaperA4:
      return "A4";
    case kPaperB4:
      return "B4";
    case kPaperB5:
      return "B5";
    case kPaperA5:
      return "A5";
    case kPaperLetter:
      return "Letter";
    case kPaperLegal:
      return "Legal";
    default:
      return TranslateText("PreviewModel", "Other");
  }
}

}  // namespace

void PreviewModel::setPageSize(double width, double height) {
  pageWidth_ = std::max(width, 1.0);
  pageHeight_ = std::max(height, 1.0);
}

void PreviewModel::setArea(double width, double height) {
  areaWidth_ = std::max(width, 1.0);
  areaHeight_ = std::max(height, 1.0);
}

void PreviewModel::PlaceAxis(double& start, double extent, double area) const {
  if (extent <= area) {
    start = (area - extent) / 2;
  } else {
    start = std::clamp(start, area - extent, 0.0);
  }
}

void PreviewModel::KeepCentre(double& start, double oldExtent, double extent, double area) const {
  start += (oldExtent - extent) / 2;
  PlaceAxis(start, extent, area);
}

void PreviewModel::SizeToZoom(double zoom) {
  picture_.width = pageWidth_ * zoom;
  picture_.height = pageHeight_ * zoom;
}

void PreviewModel::FitToArea() {
  const double a = areaWidth_;
  const double h = areaHeight_;
  const double r = pageHeight_ / pageWidth_;
  PictureRect& p = picture_;
  if (zoomMode_ == ZoomMode::PageWidth) {
    p.width = a;
    p.height = r * p.width;
    p.left = 0;
    p.top = h / a >= r ? (h - p.height) / 2 : 0;
  } else if (h / a >= r) {
    p.left = kWholePageMargin;
    p.width = a - 2 * kWholePageMargin;
    p.height = r * p.width;
    p.top = (h - p.height) / 2;
  } else {
    p.top = kWholePageMargin;
    p.height = h - 2 * kWholePageMargin;
    p.width = p.height / r;
    p.left = (a - p.width) / 2;
  }
  if (p.width / pageWidth_ < kMinZoom) SizeToZoom(kMinZoom);
  PlaceAxis(p.left, p.width, a);
  PlaceAxis(p.top, p.height, h);
}

bool PreviewModel::Resize(double areaWidth, double areaHeight) {
  setArea(areaWidth, areaHeight);
  const bool fits = zoomMode_ == ZoomMode::WholePage || zoomMode_ == ZoomMode::PageWidth;
  if (fits) {
    FitToArea();
  } else {
    PlaceAxis(picture_.left, picture_.width, areaWidth_);
    PlaceAxis(picture_.top, picture_.height, areaHeight_);
  }
  UpdateBars();
  return fits;
}

void PreviewModel::FitPage(ZoomMode mode) {
  zoomMode_ = mode;
  FitToArea();
  UpdateBars();
}

void PreviewModel::ZoomAt(ZoomMode mode, double x, double y) {
  zoomMode_ = mode;
  const double oldZoom = zoom_;
  const double oldWidth = picture_.width;
  const double oldHeight = picture_.height;
  if (mode == ZoomMode::In) {
    // A page already shown above the click limit is not made smaller.
    const double zoom =
        oldZoom >= kMaxClickZoom ? oldZoom : std::min(oldZoom + kZoomStep, kMaxClickZoom);
    const double ratio = zoom / oldZoom;
    // The clicked point of the page stays under the pointer.
    picture_.left += x - x * ratio;
    picture_.top += y - y * ratio;
    SizeToZoom(zoom);
    PlaceAxis(picture_.left, picture_.width, areaWidth_);
    PlaceAxis(picture_.top, picture_.height, areaHeight_);
  } else {
    SizeToZoom(std::max(oldZoom - kZoomStep, kMinZoom));
    KeepCentre(picture_.left, oldWidth, picture_.width, areaWidth_);
    KeepCentre(picture_.top, oldHeight, picture_.height, areaHeight_);
  }
  UpdateBars();
}

void PreviewModel::UpdateBars() {
  zoom_ = picture_.width / pageWidth_;
  auto update = [this](ScrollState& bar, double start, double extent, double area) {
    bar.visible = Overhangs(start, extent, area);
    bar.maximum = Round(extent);
    bar.pageSize = Round(area);
    bar.position = Round(-start);
    if (!bar.visible) return;
    // One pair of steps serves both bars; the vertical one's stays.
    pageStep_ = Round(bar.maximum / 10.0);
    lineStep_ = Round(pageStep_ / 10.0);
  };
  update(hBar_, picture_.left, picture_.width, areaWidth_);
  update(vBar_, picture_.top, picture_.height, areaHeight_);
}

void PreviewModel::Scroll(bool horizontal, ScrollRequest request, int32_t thumb) {
  ScrollState& bar = horizontal ? hBar_ : vBar_;
  if (!bar.visible) return;
  // 64-bit so that no step or thumb position can wrap.
  int64_t position = bar.position;
  switch (request) {
    case ScrollRequest::LineBack:
      position -= lineStep_;
      break;
    case ScrollRequest::LineForward:
      position += lineStep_;
      break;
    case ScrollRequest::PageBack:
      position -= pageStep_;
      break;
    case ScrollRequest::PageForward:
      position += pageStep_;
      break;
    case ScrollRequest::ThumbReleased:
    case ScrollRequest::ThumbTrack:
      position = thumb;
      break;
    default:
      break;
  }
  const int64_t last = static_cast<int64_t>(bar.maximum) - bar.pageSize;
  if (position < 0) {
    position = 0;
  } else if (position > last) {
    position = last;
  }
  bar.position = static_cast<int32_t>(position);
  (horizontal ? picture_.left : picture_.top) = -static_cast<double>(bar.position);
}

bool PreviewModel::LeftPress(double x, double y) {
  dragX_ = x;
  dragY_ = y;
  return mouseMode_ == MouseMode::Move && !popupOpen_;
}

bool PreviewModel::LeftMove(double x, double y) {
  if (mouseMode_ != MouseMode::Move || popupOpen_) return false;
  bool moved = false;
  auto drag = [&](double& start, double extent, double area, double by, ScrollState& bar) {
    if (extent <= area) return;
    start = std::clamp(start + by, area - extent, 0.0);
    bar.position = Round(-start);
    moved = true;
  };
  drag(picture_.left, picture_.width, areaWidth_, x - dragX_, hBar_);
  drag(picture_.top, picture_.height, areaHeight_, y - dragY_, vBar_);
  return moved;
}

ReleaseAction PreviewModel::LeftRelease(double x, double y) {
  if (popupOpen_) {
    popupOpen_ = false;
    return ReleaseAction::None;
  }
  switch (mouseMode_) {
    case MouseMode::Move:
      return ReleaseAction::OpenHand;
    case MouseMode::ZoomIn:
      ZoomAt(ZoomMode::In, x, y);
      return ReleaseAction::Rendered;
    case MouseMode::ZoomOut:
      ZoomAt(ZoomMode::Out, x, y);
      return ReleaseAction::Rendered;
  }
  return ReleaseAction::None;
}

void PreviewModel::setPageCount(int16_t count) {
  pageCount_ = count;
  page_ = 1;
}

bool PreviewModel::DividePages() {
  pageCount_ = pageCount_ <= 1 ? 2 : 1;
  page_ = 1;
  return true;
}

bool PreviewModel::PreviousPage() {
  if (!CanGoBack()) return false;
  --page_;
  return true;
}

bool PreviewModel::NextPage() {
  if (!CanGoForward()) return false;
  ++page_;
  return true;
}

std::string PreviewModel::PageText() const {
  return FillText(TranslateText("PreviewModel", "Page %1/%2"),
                  {std::to_string(page_), std::to_string(pageCount_)});
}

std::string PreviewModel::ZoomText() const {
  // Not printf: the desktop's locale may use a decimal comma.
  char text[32];
  const auto end =
      std::to_chars(text, text + sizeof text, zoom_ * 100, std::chars_format::fixed, 2);
  return std::string(text, end.ptr) + "%";
}

PixelSize OpeningPreviewSize(PixelSize available, double heightPerWidth, PixelSize around,
                             int margin, int toolBarWidth) {
  constexpr double kShareOfHeight = 0.8;
  const int height = static_cast<int>(available.height * kShareOfHeight);
  const double pageHeight = std::max(1, height - around.height - 2 * margin);
  const int pageWidth = static_cast<int>(std::ceil(pageHeight / std::max(heightPerWidth, 0.01)));
  const int width = std::max(toolBarWidth, pageWidth + 2 * margin + around.width);
  return {std::min(width, available.width), height};
}

std::string PrinterStatusText(bool available, const PrinterProperties& printer) {
  const std::string name = available ? printer.deviceName : TranslateText("PreviewModel", "none");
  const std::string orientation = printer.orientation == kPortrait
                                      ? TranslateText("PreviewModel", "Portrait")
                                      : TranslateText("PreviewModel", "Landscape");
  return FillText(TranslateText("PreviewModel", "Printer: %1 / Paper: %2 %3"),
                  {name, PaperLabel(printer.paperSize), orientation});
}

#include "ClockPicture.h"

#include <algorithm>
#include <cmath>

#include "MainModel.h"
#include "QPainterDrawTarget.h"

namespace {

constexpr double kShortSideUnits = 2000;

double UsableRatio(double ratio) {
  return std::isfinite(ratio) && ratio >= 1 ? std::min(ratio, 8.0) : 1.0;
}

int DevicePixels(int pixels, double ratio) {
  return std::max(1, static_cast<int>(std::lround(pixels * ratio)));
}

}  // namespace

ClockPicture::ClockPicture(int widthPixels, int heightPixels, double devicePixelRatio)
    : devicePixelRatio_(UsableRatio(devicePixelRatio)),
      image_(DevicePixels(widthPixels, devicePixelRatio_),
             DevicePixels(heightPixels, devicePixelRatio_), QImage::Format_RGB32) {
  image_.fill(Qt::white);
  // Fonts are sized in points: proportionally more dots per inch keep text
  // and dial in proportion when the image has more device pixels.
  if (devicePixelRatio_ != 1) {
    image_.setDotsPerMeterX(
        static_cast<int>(std::lround(image_.dotsPerMeterX() * devicePixelRatio_)));
    image_.setDotsPerMeterY(
        static_cast<int>(std::lround(image_.dotsPerMeterY() * devicePixelRatio_)));
  }
  painter_.begin(&image_);
  target_ = QPainterDrawTarget::ForUserScale(
      painter_, DrawTargetKind::ClockPicture,
      ShortSideScale(image_.width(), image_.height(), kShortSideUnits));
  // The window's picture: copy pen, solid lines, no fill.
  target_->setDrawMode(PenMode::CopyPen);
  target_->setDrawStyle(PenStyle::Solid);
  target_->setFillStyle(BrushStyle::Transparent);
}

ClockPicture::~ClockPicture() {
  target_.reset();
  if (painter_.isActive()) painter_.end();
}

DrawTarget& ClockPicture::picClock() {
  return *target_;
}

void ClockPicture::Clear(ColorRef background) {
  painter_.save();
  painter_.setCompositionMode(QPainter::CompositionMode_Source);
  painter_.fillRect(image_.rect(), ToQColor(background));
  painter_.restore();
}

Status ClockPicture::Render(MainModel& main, std::chrono::local_seconds shown, double maxMagnify) {
  const Status status = RecomputeClockSeason(main, shown);
  if (!status.ok()) return status;
  return DrawClock(main, *this, shown, HourOfDay(shown), maxMagnify);
}

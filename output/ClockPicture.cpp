#include "ClockPicture.h"

#include <algorithm>

#include "MainModel.h"
#include "QPainterDrawTarget.h"

namespace {

constexpr double kShortSideUnits = 2000;

}  // namespace

ClockPicture::ClockPicture(int widthPixels, int heightPixels)
    : image_(std::max(1, widthPixels), std::max(1, heightPixels), QImage::Format_RGB32) {
  image_.fill(Qt::white);
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

int32_t ClockPicture::Render(MainModel& main, std::chrono::local_seconds shown, double maxMagnify) {
  const int32_t status = RecomputeClockSeason(main, shown);
  if (status != kTrue) return status;
  return DrawClock(main, *this, shown, HourOfDay(shown), maxMagnify);
}

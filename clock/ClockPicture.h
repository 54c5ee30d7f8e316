// The desktop sundial's picture without a window: an image the clock
// routines draw on, for any date and time.
#pragma once

#include <QImage>
#include <QPainter>
#include <chrono>
#include <memory>

#include "ClockDrawing.h"
#include "EngineErrors.h"

class QPainterDrawTarget;

class ClockPicture : public ClockCanvas {
 public:
  // A picture of the given size in pixels; its shorter side is 2000 units.
  // With a device pixel ratio above 1 the image holds that many device
  // pixels per pixel and its text is sized for them, for high-DPI screens.
  ClockPicture(int widthPixels, int heightPixels, double devicePixelRatio = 1.0);
  ~ClockPicture() override;
  ClockPicture(const ClockPicture&) = delete;
  ClockPicture& operator=(const ClockPicture&) = delete;

  DrawTarget& picClock() override;
  int32_t ClockState() const override { return state_; }
  void setClockState(int32_t state) override { state_ = state; }
  void Clear(ColorRef background) override;

  // The season from the shown date, then the picture for its time of day.
  // Ok, or the failure's status with the last-error record filled.
  Status Render(MainModel& main, std::chrono::local_seconds shown,
                double maxMagnify = kDefaultMaxMagnify);

  // The picture as drawn so far (valid while the picture lives), in device
  // pixels.
  const QImage& Image() const { return image_; }
  double DevicePixelRatio() const { return devicePixelRatio_; }

 private:
  double devicePixelRatio_;
  QImage image_;
  QPainter painter_;
  std::unique_ptr<QPainterDrawTarget> target_;
  int32_t state_ = kClockDay;
};

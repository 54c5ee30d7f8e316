// The desktop sundial's picture (picClock): an image at the view's size and
// device pixel ratio that the window draws the clock on, shown as it is.
#pragma once

#include <QWidget>
#include <memory>

#include "ClockPicture.h"

class ClockPictureView : public QWidget {
  Q_OBJECT

 public:
  explicit ClockPictureView(QWidget* parent = nullptr);
  ~ClockPictureView() override;

  // The picture at the view's present size and pixel ratio; made anew, blank,
  // when either has changed.
  ClockPicture& Picture();

 signals:
  // The picture no longer fits the view: draw it again.
  void pictureNeeded();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool Fits() const;

  std::unique_ptr<ClockPicture> picture_;
  QSize madeForSize_;
  qreal madeForRatio_ = 0;
};

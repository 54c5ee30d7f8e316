#include "ClockPictureView.h"

#include <QPainter>

ClockPictureView::ClockPictureView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(40, 40);
}

ClockPictureView::~ClockPictureView() = default;

bool ClockPictureView::Fits() const {
  return picture_ && madeForSize_ == size() && madeForRatio_ == devicePixelRatioF();
}

ClockPicture& ClockPictureView::Picture() {
  if (!Fits()) {
    picture_.reset();  // one image at a time
    madeForSize_ = size();
    madeForRatio_ = devicePixelRatioF();
    picture_ = std::make_unique<ClockPicture>(width(), height(), madeForRatio_);
  }
  return *picture_;
}

void ClockPictureView::resizeEvent(QResizeEvent*) {
  emit pictureNeeded();
}

void ClockPictureView::paintEvent(QPaintEvent*) {
  // A change of screen alters the pixel ratio without a resize.
  if (!Fits()) emit pictureNeeded();
  QPainter painter(this);
  if (picture_) {
    painter.drawImage(rect(), picture_->Image());
  } else {
    painter.fillRect(rect(), palette().window());
  }
}

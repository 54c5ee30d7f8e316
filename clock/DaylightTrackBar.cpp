#include "DaylightTrackBar.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>

namespace {

// The sun's colour of the icons, a little lighter on the groove.
const QColor kBandColour(0xf9, 0xa8, 0x25, 200);
const QColor kBandEdgeColour(0xc1, 0x7a, 0x00);

}  // namespace

DaylightTrackBar::DaylightTrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent) {}

void DaylightTrackBar::setSelection(int start, int end) {
  const int first = std::clamp(std::min(start, end), minimum(), maximum());
  const int last = std::clamp(std::max(start, end), minimum(), maximum());
  if (hasSelection_ && first == selectionStart_ && last == selectionEnd_) return;
  hasSelection_ = true;
  selectionStart_ = first;
  selectionEnd_ = last;
  update();
}

void DaylightTrackBar::clearSelection() {
  if (!hasSelection_) return;
  hasSelection_ = false;
  update();
}

void DaylightTrackBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionSlider option;
  initStyleOption(&option);
  // Groove and ticks first, the band over the groove, the thumb on top.
  QStyleOptionSlider under = option;
  under.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderTickmarks;
  style()->drawComplexControl(QStyle::CC_Slider, &under, &painter, this);
  if (hasSelection_) {
    paintSelection(painter, style()->subControlRect(QStyle::CC_Slider, &option,
                                                    QStyle::SC_SliderGroove, this));
  }
  QStyleOptionSlider thumb = option;
  thumb.subControls = QStyle::SC_SliderHandle;
  style()->drawComplexControl(QStyle::CC_Slider, &thumb, &painter, this);
}

void DaylightTrackBar::paintSelection(QPainter& painter, const QRect& groove) const {
  QStyleOptionSlider option;
  initStyleOption(&option);
  const QRect handle =
      style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
  // The handle's centre travels over the groove less half a handle at each end.
  const int travel = std::max(0, groove.width() - handle.width());
  auto xOf = [&](int value) {
    return groove.left() + handle.width() / 2 +
           QStyle::sliderPositionFromValue(minimum(), maximum(), value, travel, false);
  };
  const int height = std::max(4, groove.height() / 2);
  QRect band(QPoint(xOf(selectionStart_), groove.center().y() - height / 2),
             QPoint(xOf(selectionEnd_), groove.center().y() + height - height / 2));
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kBandEdgeColour, 1));
  painter.setBrush(kBandColour);
  painter.drawRoundedRect(QRectF(band).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
  painter.restore();
}

#include "PreviewCursors.h"

#include <QPainter>
#include <QPixmap>

namespace {

constexpr int kSize = 32;
constexpr QPointF kLensCentre(12, 12);
constexpr double kLensRadius = 8.5;

// A magnifier whose lens centre is the hot spot, drawn white on black so it
// shows on the page and on the grey around it.
QCursor Magnifier(bool plus) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const auto stroke = [&](const QColor& colour, double width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(18.5, 18.5), QPointF(27, 27));
    p.drawEllipse(kLensCentre, kLensRadius, kLensRadius);
    p.drawLine(QPointF(8, 12), QPointF(16, 12));
    if (plus) p.drawLine(QPointF(12, 8), QPointF(12, 16));
  };
  stroke(Qt::white, 4.5);
  p.setBrush(QColor(255, 255, 255, 160));
  p.setPen(Qt::NoPen);
  p.drawEllipse(kLensCentre, kLensRadius - 1, kLensRadius - 1);
  stroke(Qt::black, 2);
  p.end();
  return QCursor(pixmap, static_cast<int>(kLensCentre.x()), static_cast<int>(kLensCentre.y()));
}

}  // namespace

QCursor PreviewCursor(MouseMode mode) {
  switch (mode) {
    case MouseMode::Move:
      return QCursor(Qt::OpenHandCursor);
    case MouseMode::ZoomIn:
      return Magnifier(true);
    case MouseMode::ZoomOut:
      return Magnifier(false);
  }
  return QCursor(Qt::ArrowCursor);
}

QCursor DraggingCursor() {
  return QCursor(Qt::ClosedHandCursor);
}

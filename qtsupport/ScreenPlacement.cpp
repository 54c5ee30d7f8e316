#include "ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

// Enough of the title bar to take hold of.
constexpr int kGripWidth = 100;
constexpr int kGripHeight = 24;

}  // namespace

int StoredPixels(double value, int fallback, int minimum) {
  if (!std::isfinite(value) || std::fabs(value) > kFarthestStoredPixel) return fallback;
  return std::max(minimum, static_cast<int>(std::lround(value)));
}

QPoint ReachablePosition(const QRect& frame) {
  const QRect grip(frame.topLeft(), QSize(std::min(frame.width(), kGripWidth), kGripHeight));
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen->availableGeometry().intersects(grip)) return frame.topLeft();
  }
  const QScreen* primary = QGuiApplication::primaryScreen();
  return primary != nullptr ? primary->availableGeometry().topLeft() : frame.topLeft();
}

QSize FitSize(QSize wanted, const QRect& area) {
  const QSize room = (area.size() - kFrameAllowance).expandedTo(QSize(1, 1));
  return wanted.boundedTo(room);
}

QPoint FitPosition(const QRect& frame, const QRect& area) {
  const QSize outer = frame.size() + kFrameAllowance;
  const int x = std::max(area.left(), std::min(frame.left(), area.right() + 1 - outer.width()));
  const int y = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - outer.height()));
  return {x, y};
}

QRect AvailableArea(const QWidget* window, QPoint point) {
  if (const QScreen* screen = QGuiApplication::screenAt(point)) return screen->availableGeometry();
  const QScreen* own = window != nullptr ? window->screen() : nullptr;
  if (own == nullptr) own = QGuiApplication::primaryScreen();
  return own != nullptr ? own->availableGeometry() : QRect(point, QSize(640, 480));
}

void ResizeToFit(QWidget* window, QSize wanted) {
  window->resize(FitSize(wanted, AvailableArea(window, window->pos())));
}

void PlaceWindow(QWidget* window, const QRect& frame) {
  const QPoint reachable = ReachablePosition(frame);
  const QRect area = AvailableArea(window, reachable);
  window->resize(FitSize(frame.size(), area));
  // resize() keeps to the window's minimum, which may exceed the area.
  window->move(FitPosition(QRect(reachable, window->size()), area));
}

void RestorePlacement(QWidget* window, const WindowPlacement& stored, QSize fallbackSize,
                      QSize minimum) {
  const QSize size(StoredPixels(stored.width, fallbackSize.width(), minimum.width()),
                   StoredPixels(stored.height, fallbackSize.height(), minimum.height()));
  PlaceWindow(window,
              QRect(QPoint(StoredPixels(stored.left, 10), StoredPixels(stored.top, 10)), size));
  if (stored.windowState == kWindowMaximized) window->setWindowState(Qt::WindowMaximized);
}

void KeepPlacement(const QWidget* window, WindowPlacement& stored) {
  if (window->isMinimized()) {
    stored.windowState = kWindowMinimized;
  } else if (window->isMaximized()) {
    stored.windowState = kWindowMaximized;
  } else {
    const QPoint place = window->pos();
    stored = {static_cast<double>(place.x()), static_cast<double>(place.y()),
              static_cast<double>(window->width()), static_cast<double>(window->height()),
              kWindowNormal};
  }
}

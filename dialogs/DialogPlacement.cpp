#include "DialogPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kFarthestPixel = 100000;

}  // namespace

int StoredPixels(double value, int fallback) {
  if (!std::isfinite(value) || std::fabs(value) > kFarthestPixel) return fallback;
  return static_cast<int>(std::lround(value));
}

QRect KeptOnScreen(const QRect& wanted) {
  QScreen* screen = QGuiApplication::screenAt(wanted.center());
  if (screen == nullptr) screen = QGuiApplication::screenAt(wanted.topLeft());
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return wanted;
  const QRect area = screen->availableGeometry();
  QRect placed = wanted;
  placed.setWidth(std::min(wanted.width(), area.width()));
  placed.setHeight(std::min(wanted.height(), area.height()));
  placed.moveLeft(std::clamp(placed.left(), area.left(), area.right() + 1 - placed.width()));
  placed.moveTop(std::clamp(placed.top(), area.top(), area.bottom() + 1 - placed.height()));
  return placed;
}

void PlaceWindow(QWidget* window, const QRect& wanted) {
  const QRect placed = KeptOnScreen(wanted);
  window->resize(placed.size());
  window->move(placed.topLeft());
}

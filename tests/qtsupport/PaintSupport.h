// Helpers for the painting tests: white images at a chosen resolution and
// the box that ink covers on them.
#pragma once

#include <QImage>
#include <QRect>
#include <cmath>
#include <string>

inline QImage WhiteImage(int width, int height, double dpi = 96) {
  QImage image(width, height, QImage::Format_RGB32);
  const int dotsPerMeter = static_cast<int>(std::lround(dpi / 0.0254));
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  image.fill(Qt::white);
  return image;
}

// The bounding box of pixels that are noticeably not white.
inline QRect InkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() + c.green() + c.blue() < 3 * 255 - 60) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

inline std::string ResourcePath(const char* name) {
  return std::string(UMBRAFEX_RESOURCES_DIR) + "/" + name;
}

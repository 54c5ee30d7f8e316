// Pictures painted by PaintPicture and the background of the dial: raster
// images and SVG through Qt, Windows metafiles (wmf, emf) through our own
// reader, and the clock's built-in day and night pictures.
#pragma once

#include <QRectF>
#include <QSizeF>
#include <memory>
#include <string>
#include <string_view>

#include "EngineErrors.h"

class QPainter;

class Picture {
 public:
  virtual ~Picture() = default;
  // Stretches the whole picture into the rectangle (painter coordinates).
  virtual void Paint(QPainter& painter, const QRectF& target) const = 0;
  // The picture's own size in pixels at 96 dots per inch.
  virtual QSizeF NaturalSize() const = 0;
};

inline constexpr int32_t kInvalidPictureError = 481;

// Loads a picture file, recognised by its content. Raises error 53
// when the file cannot be read and 481 when it is no picture we can draw.
std::shared_ptr<const Picture> LoadPicture(const std::string& path);

// Whether LoadPicture would succeed.
bool IsLoadablePicture(const std::string& path) noexcept;

// A file path, or "#801" (day) / "#802" (night) for the clock's pictures.
std::shared_ptr<const Picture> LoadPictureSource(std::string_view source);

// The clock's 48 x 48 day (801) and night (802) pictures; nullptr otherwise.
std::shared_ptr<const Picture> BuiltInPicture(int id);

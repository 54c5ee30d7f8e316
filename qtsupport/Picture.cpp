#include "Picture.h"

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <cmath>

#include "EngineErrors.h"
#include "FileIo.h"
#include "MetafileParser.h"
#include "QPainterDrawTarget.h"

// Resources must be registered from the global namespace; the static
// library's registration object would otherwise never be linked in.
static void RegisterClockPictures() {
  Q_INIT_RESOURCE(clock_pictures);
}

namespace {

constexpr double kPixelsPerMm96 = 96 / 25.4;
// Far beyond any background picture; a larger file is refused unread.
constexpr std::size_t kMaxPictureBytes = 64u * 1024u * 1024u;

[[noreturn]] void RaiseInvalidPicture() {
  RaiseError(kInvalidPictureError, "LoadPicture",
             QCoreApplication::translate("Picture", "Invalid picture.").toStdString());
}

class ImagePicture : public Picture {
 public:
  ImagePicture(QImage image, bool smooth) : image_(std::move(image)), smooth_(smooth) {}
  void Paint(QPainter& painter, const QRectF& target) const override {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth_);
    painter.drawImage(target, image_, QRectF(image_.rect()));
    painter.restore();
  }
  QSizeF NaturalSize() const override { return image_.size(); }

 private:
  QImage image_;
  bool smooth_;
};

class SvgPicture : public Picture {
 public:
  explicit SvgPicture(std::unique_ptr<QSvgRenderer> renderer) : renderer_(std::move(renderer)) {}
  void Paint(QPainter& painter, const QRectF& target) const override {
    renderer_->render(&painter, target);
  }
  QSizeF NaturalSize() const override { return renderer_->defaultSize(); }

 private:
  std::unique_ptr<QSvgRenderer> renderer_;
};

QColor ToColor(metafile::Rgb c) {
  return QColor(c.r, c.g, c.b);
}

Qt::BrushStyle HatchPattern(int hatch) {
  switch (hatch) {
    case 1:
      return Qt::VerPattern;
    case 2:
      return Qt::BDiagPattern;
    case 3:
      return Qt::FDiagPattern;
    case 4:
      return Qt::CrossPattern;
    case 5:
      return Qt::DiagCrossPattern;
    default:
      return Qt::HorPattern;
  }
}

QPen PenFor(const metafile::Op& op, double scale) {
  if (!op.penVisible || op.pen.style == metafile::LineStyle::None) return Qt::NoPen;
  QPen pen(ToColor(op.pen.color));
  const double width = op.pen.width * scale;
  pen.setWidthF(width < 1 ? 0 : width);  // 0: Qt's one-pixel cosmetic pen
  switch (op.pen.style) {
    case metafile::LineStyle::Dash:
      pen.setStyle(Qt::DashLine);
      break;
    case metafile::LineStyle::Dot:
      pen.setStyle(Qt::DotLine);
      break;
    case metafile::LineStyle::DashDot:
      pen.setStyle(Qt::DashDotLine);
      break;
    case metafile::LineStyle::DashDotDot:
      pen.setStyle(Qt::DashDotDotLine);
      break;
    default:
      break;
  }
  return pen;
}

QBrush BrushFor(const metafile::Op& op) {
  switch (op.brush.fill) {
    case metafile::Fill::Solid:
      return QBrush(ToColor(op.brush.color));
    case metafile::Fill::Hatched:
      return QBrush(ToColor(op.brush.color), HatchPattern(op.brush.hatch));
    case metafile::Fill::None:
      break;
  }
  return Qt::NoBrush;
}

void PaintText(QPainter& painter, const metafile::Op& op, QPointF at, double scaleY) {
  const QFont font = FontForPixelHeight(QString::fromStdString(op.font.face),
                                        op.font.height * scaleY, op.font.weight, op.font.italic,
                                        op.font.underline, op.font.strikeout, painter.device());
  const QFontMetricsF metrics(font, painter.device());
  const QString text = QString::fromStdString(op.text);
  const double width = metrics.horizontalAdvance(text);
  double x = 0;
  if ((op.textAlign & metafile::kAlignCenter) == metafile::kAlignCenter) {
    x = -width / 2;
  } else if (op.textAlign & metafile::kAlignRight) {
    x = -width;
  }
  double baseline = metrics.ascent();
  if ((op.textAlign & metafile::kAlignBaseline) == metafile::kAlignBaseline) {
    baseline = 0;
  } else if (op.textAlign & metafile::kAlignBottom) {
    baseline = -metrics.descent();
  }
  painter.save();
  painter.translate(at);
  painter.rotate(-op.font.escapement);
  if (op.opaqueBackground) {
    painter.fillRect(QRectF(x, baseline - metrics.ascent(), width, metrics.height()),
                     ToColor(op.backgroundColor));
  }
  painter.setFont(font);
  painter.setPen(ToColor(op.textColor));
  painter.drawText(QPointF(x, baseline), text);
  painter.restore();
}

// A packed bitmap of a metafile, decoded by giving it a file header.
void PaintBitmap(QPainter& painter, const metafile::Op& op, QPointF a, QPointF b) {
  auto put32 = [](QByteArray& bytes, uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes.append(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  QByteArray file("BM");
  put32(file, static_cast<uint32_t>(14 + op.bitmap.size()));
  put32(file, 0);
  put32(file, static_cast<uint32_t>(14 + op.bitsOffset));
  file.append(op.bitmap.data(), static_cast<qsizetype>(op.bitmap.size()));
  QImage image;
  if (!image.loadFromData(file, "BMP")) return;
  QRectF source(op.sourceTopLeft.x, op.sourceTopLeft.y, op.sourceSize.x, op.sourceSize.y);
  if (op.sourceFromBottom) source.moveTop(image.height() - source.y() - source.height());
  source = source.intersected(QRectF(image.rect()));
  if (source.isEmpty()) source = QRectF(image.rect());
  // A negative destination size mirrors the bitmap.
  painter.save();
  painter.translate(a);
  painter.scale(b.x() < a.x() ? -1 : 1, b.y() < a.y() ? -1 : 1);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.drawImage(QRectF(0, 0, std::abs(b.x() - a.x()), std::abs(b.y() - a.y())), image, source);
  painter.restore();
}

class MetafilePicture : public Picture {
 public:
  explicit MetafilePicture(metafile::DisplayList list) : list_(std::move(list)) {}

  void Paint(QPainter& painter, const QRectF& target) const override {
    const double sx = target.width() / list_.width;
    const double sy = target.height() / list_.height;
    auto map = [&](metafile::Point p) {
      return QPointF(target.x() + p.x * sx, target.y() + p.y * sy);
    };
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    for (const metafile::Op& op : list_.ops) {
      painter.setPen(PenFor(op, (std::abs(sx) + std::abs(sy)) / 2));
      painter.setBrush(BrushFor(op));
      painter.setBackgroundMode(op.opaqueBackground ? Qt::OpaqueMode : Qt::TransparentMode);
      painter.setBackground(ToColor(op.backgroundColor));
      const QRectF box = QRectF(map(op.a), map(op.b)).normalized();
      switch (op.shape) {
        case metafile::Shape::Polygon: {
          QPainterPath path;
          path.setFillRule(op.winding ? Qt::WindingFill : Qt::OddEvenFill);
          for (const auto& figure : op.figures) {
            QPolygonF polygon;
            for (const metafile::Point& p : figure) polygon << map(p);
            path.addPolygon(polygon);
            path.closeSubpath();
          }
          painter.drawPath(path);
          break;
        }
        case metafile::Shape::Polyline:
          for (const auto& figure : op.figures) {
            QPolygonF polyline;
            for (const metafile::Point& p : figure) polyline << map(p);
            painter.drawPolyline(polyline);
          }
          break;
        case metafile::Shape::Rectangle:
          painter.drawRect(box);
          break;
        case metafile::Shape::RoundRect:
          painter.drawRoundedRect(box, op.corner.x * std::abs(sx) / 2,
                                  op.corner.y * std::abs(sy) / 2);
          break;
        case metafile::Shape::Ellipse:
          painter.drawEllipse(box);
          break;
        case metafile::Shape::Bitmap:
          PaintBitmap(painter, op, map(op.a), map(op.b));
          break;
        case metafile::Shape::Text:
          PaintText(painter, op, map(op.a), std::abs(sy));
          break;
      }
    }
    painter.restore();
  }

  QSizeF NaturalSize() const override {
    if (list_.widthMm > 0 && list_.heightMm > 0) {
      return {list_.widthMm * kPixelsPerMm96, list_.heightMm * kPixelsPerMm96};
    }
    return {list_.width, list_.height};
  }

 private:
  metafile::DisplayList list_;
};

bool LooksLikeSvg(const QByteArray& bytes) {
  if (bytes.startsWith("\x1f\x8b")) return true;  // svgz
  const QByteArray head = bytes.left(512).trimmed();
  return head.startsWith("<?xml") || head.startsWith("<svg") || head.startsWith("\xEF\xBB\xBF<");
}

std::shared_ptr<const Picture> PictureFromBytes(const QByteArray& bytes) {
  const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  if (metafile::LooksLikeMetafile(view)) {
    try {
      return std::make_shared<MetafilePicture>(metafile::ParseMetafile(view));
    } catch (const metafile::NotAMetafile&) {
      RaiseInvalidPicture();
    }
  }
  if (LooksLikeSvg(bytes)) {
    auto renderer = std::make_unique<QSvgRenderer>(bytes);
    if (renderer->isValid()) return std::make_shared<SvgPicture>(std::move(renderer));
    RaiseInvalidPicture();
  }
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setAutoTransform(true);
  QImage image = reader.read();
  if (image.isNull()) RaiseInvalidPicture();
  return std::make_shared<ImagePicture>(std::move(image), true);
}

}  // namespace

std::shared_ptr<const Picture> LoadPicture(const std::string& path) {
  // Plain files only, so that a FIFO or a device is never waited on.
  const std::optional<std::string> bytes = ReadFileBytes(path, kMaxPictureBytes);
  if (!bytes) {
    RaiseError(kFileNotFoundNumber, "LoadPicture",
               QCoreApplication::translate("Picture", "File not found.").toStdString());
  }
  return PictureFromBytes(QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size())));
}

bool IsLoadablePicture(const std::string& path) noexcept {
  bool loaded = false;
  const auto refused = [](const std::exception&) {
    return ErrorRecord{kInvalidPictureError, {}, {}};
  };
  const Status status = TrapStatus([&] { loaded = LoadPicture(path) != nullptr; }, refused);
  return status.ok() && loaded;
}

std::shared_ptr<const Picture> BuiltInPicture(int id) {
  const char* resource = id == 801   ? ":/umbrafex/clock/day.png"
                         : id == 802 ? ":/umbrafex/clock/night.png"
                                     : nullptr;
  if (resource == nullptr) return nullptr;
  RegisterClockPictures();
  QImage image(QString::fromLatin1(resource));
  if (image.isNull()) return nullptr;
  // Copied pixel for pixel: no smoothing when stretched.
  return std::make_shared<ImagePicture>(std::move(image), false);
}

std::shared_ptr<const Picture> LoadPictureSource(std::string_view source) {
  // "#" and digits names a built-in picture; anything else is a file.
  const bool builtIn = source.size() > 1 && source.size() < 8 && source.front() == '#' &&
                       source.find_first_not_of("0123456789", 1) == std::string_view::npos;
  if (!builtIn) return LoadPicture(std::string(source));
  std::shared_ptr<const Picture> picture = BuiltInPicture(std::stoi(std::string(source.substr(1))));
  if (!picture) RaiseInvalidPicture();
  return picture;
}

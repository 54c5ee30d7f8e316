#include "PictureIconEngine.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <utility>

PictureIconEngine::PictureIconEngine(QString pathPattern, std::vector<int> sizes)
    : pathPattern_(std::move(pathPattern)), sizes_(std::move(sizes)) {}

namespace {

// The picture's pixels as the build wrote them; a null pixmap when the file
// is missing or not of the picture's size.
QPixmap ReadPicture(const QString& path, int size) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  const QImage image(reinterpret_cast<const uchar*>(bytes.constData()), size, size,
                     QImage::Format_RGBA8888_Premultiplied);
  if (bytes.size() != image.sizeInBytes()) return {};
  return QPixmap::fromImage(image);  // a copy: the bytes go with this call
}

}  // namespace

const QIcon& PictureIconEngine::PictureFor(int pixels) {
  const auto above = std::lower_bound(sizes_.begin(), sizes_.end(), pixels);
  const int size = above != sizes_.end() ? *above : sizes_.back();
  auto found = pictures_.find(size);
  if (found == pictures_.end()) {
    found = pictures_.insert(size, QIcon(ReadPicture(pathPattern_.arg(size), size)));
  }
  return *found;
}

// QIcon asks for the size in device pixels and sets the density itself.
QPixmap PictureIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                                        qreal) {
  const QSize square = actualSize(size, mode, state);
  if (square.isEmpty() || sizes_.empty()) return {};
  return PictureFor(square.width()).pixmap(square, 1.0, mode, state);
}

QPixmap PictureIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
  return scaledPixmap(size, mode, state, 1.0);
}

void PictureIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                              QIcon::State state) {
  const qreal scale = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
  QPixmap picture = scaledPixmap(rect.size() * scale, mode, state, scale);
  picture.setDevicePixelRatio(scale);
  if (picture.isNull()) return;
  const QSizeF drawn = picture.deviceIndependentSize();
  const QPointF corner(rect.x() + (rect.width() - drawn.width()) / 2,
                       rect.y() + (rect.height() - drawn.height()) / 2);
  painter->drawPixmap(corner, picture);
}

// Square, as every one of our icons is, and as large as asked: the pictures
// scale, as the drawings they were made from did.
QSize PictureIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
  const int side = std::min(size.width(), size.height());
  return QSize(side, side);
}

QList<QSize> PictureIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
  QList<QSize> sizes;
  for (const int size : sizes_) sizes.append(QSize(size, size));
  return sizes;
}

QIconEngine* PictureIconEngine::clone() const {
  return new PictureIconEngine(pathPattern_, sizes_);
}

QString PictureIconEngine::key() const {
  return QStringLiteral("UmbrafexPictures");
}

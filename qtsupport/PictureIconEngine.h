#pragma once
// An icon drawn beforehand at a few pixel sizes, one picture a size (bare
// pixels: see tools/render_icons), read only when a window first shows the
// icon at a size it needs.
#include <QHash>
#include <QIcon>
#include <QIconEngine>
#include <QString>
#include <vector>

class PictureIconEngine : public QIconEngine {
 public:
  // The picture of each of `sizes` (ascending) is pathPattern.arg(size).
  PictureIconEngine(QString pathPattern, std::vector<int> sizes);

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override;
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
  QIconEngine* clone() const override;
  QString key() const override;

 private:
  // The picture closest above `pixels` (else the largest) as an icon of its
  // own, which scales it and makes the disabled and selected looks.
  const QIcon& PictureFor(int pixels);

  QString pathPattern_;
  std::vector<int> sizes_;
  QHash<int, QIcon> pictures_;
};

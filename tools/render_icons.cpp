// render_icons: draws one SVG icon at each of the given pixel sizes, as
// NAME-SIZE.rgba in the output folder: the bare pixels, row by row, four
// bytes each (red, green, blue, alpha, premultiplied). The program copies
// them as they are, where parsing and drawing the SVG on every start, or
// even decoding a PNG, took a good part of its start-up.
//
//   render_icons ICON.svg OUTPUT_FOLDER SIZE...
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (argc < 4) {
    std::fprintf(stderr, "usage: render_icons ICON.svg OUTPUT_FOLDER SIZE...\n");
    return 2;
  }
  const QString source = QString::fromLocal8Bit(argv[1]);
  QSvgRenderer renderer(source);
  if (!renderer.isValid()) {
    std::fprintf(stderr, "render_icons: %s is not a readable SVG\n", argv[1]);
    return 1;
  }
  const QDir folder(QString::fromLocal8Bit(argv[2]));
  const QString name = QFileInfo(source).completeBaseName();
  for (int i = 3; i < argc; ++i) {
    bool ok = false;
    const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
    if (!ok || size < 1 || size > 1024) {
      std::fprintf(stderr, "render_icons: %s is not a pixel size\n", argv[i]);
      return 2;
    }
    QImage image(size, size, QImage::Format_RGBA8888_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    const QString target = folder.filePath(QStringLiteral("%1-%2.rgba").arg(name).arg(size));
    QFile file(target);
    const auto bytes = static_cast<qint64>(image.sizeInBytes());
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(image.constBits()), bytes) != bytes ||
        !file.flush()) {
      std::fprintf(stderr, "render_icons: cannot write %s\n", qPrintable(target));
      return 1;
    }
  }
  return 0;
}

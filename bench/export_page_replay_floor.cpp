// The floor of a page export: start Qt, read the recorded drawing of the
// very page umbrafex exports (bench_record_export_page) and replay it into
// an A4 PDF at 600 dpi, or into a PNG at 150 dpi. `umbrafex export` of the
// default page is measured against this: whatever it costs above the floor
// is start-up, data files, fonts or the layout's search. The file is saved
// as umbrafex must save it, whole or not at all: written beside the target,
// synced to the disk, then renamed over it (QSaveFile).
//   bench_export_replay_floor PAGE.pic OUT.pdf|OUT.png
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QSaveFile>
#include <cstdlib>

int main(int argc, char** argv) {
  if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
  }
  QGuiApplication application(argc, argv);
  if (argc < 3) return 1;
  QPicture picture;
  if (!picture.load(QString::fromLocal8Bit(argv[1]))) return 1;
  const QString out = QString::fromLocal8Bit(argv[2]);
  QSaveFile file(out);
  if (!file.open(QIODevice::WriteOnly)) return 1;
  constexpr double kPdfDpi = 600;
  if (out.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
    constexpr double kPngDpi = 150;
    QImage image(static_cast<int>(210 / 25.4 * kPngDpi), static_cast<int>(297 / 25.4 * kPngDpi),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(kPngDpi / kPdfDpi, kPngDpi / kPdfDpi);
    painter.drawPicture(0, 0, picture);
    painter.end();
    return image.save(&file, "PNG") && file.commit() ? 0 : 1;
  }
  QPdfWriter writer(&file);
  writer.setResolution(static_cast<int>(kPdfDpi));
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
  QPainter painter(&writer);
  painter.drawPicture(0, 0, picture);
  return painter.end() && file.commit() ? 0 : 1;
}

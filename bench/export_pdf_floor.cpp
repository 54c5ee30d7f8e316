// The least a PDF export can do: start Qt, open an A4 PDF page in
// millimetres, draw one line, write the file. `umbrafex export -o dial.pdf`
// is measured against this.
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cstdlib>

int main(int argc, char** argv) {
  if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
  }
  QGuiApplication application(argc, argv);
  const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("floor.pdf");
  QPdfWriter writer(path);
  writer.setResolution(600);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
  QPainter painter(&writer);
  const double pixelsPerMm = writer.resolution() / 25.4;
  painter.drawLine(QPointF(10 * pixelsPerMm, 10 * pixelsPerMm),
                   QPointF(200 * pixelsPerMm, 287 * pixelsPerMm));
  return painter.end() ? 0 : 1;
}

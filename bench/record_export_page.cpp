// Records the default design's first A4 page, as the print job draws it at
// 600 dpi, into a QPicture file: what the export floor replays.
//   bench_record_export_page PAGE.pic
#include <QGuiApplication>
#include <QPainter>
#include <QPicture>
#include <cstdio>

#include "GuiSession.h"
#include "ImageExport.h"
#include "MainModel.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_record_export_page PAGE.pic\n");
    return 1;
  }
  EnsureGuiSession();
  MainModel main;
  if (!main.ApplySeason().ok()) return 1;
  QPicture picture;
  QPainter painter(&picture);
  const PageRequest page{kPaperA4, kPortrait, 1, 1, 600};
  if (!RenderPreviewPage(main, painter, page, 1.0, false).ok()) {
    std::fprintf(stderr, "%s\n", main.lastError.description.c_str());
    return 1;
  }
  painter.end();
  return picture.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}

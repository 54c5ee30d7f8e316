#include "PageExport.h"

#include "AsciiText.h"
#include "DxfExport.h"
#include "ImageExport.h"
#include "Paths.h"
#include "PdfExport.h"
#include "PrintJob.h"
#include "TileExport.h"

namespace {

// A name is needed before the extension: "out/.pdf" would be a hidden file.
bool HasExtension(std::string_view path, std::string_view extension) {
  const std::string name = GetFileName(path);
  return name.size() > extension.size() && EndsWithIgnoringCase(name, extension);
}

}  // namespace

std::optional<ExportKind> ExportKindOfPath(std::string_view path) {
  if (HasExtension(path, ".pdf")) return ExportKind::Pdf;
  if (HasExtension(path, ".svg")) return ExportKind::Svg;
  if (HasExtension(path, ".png")) return ExportKind::Png;
  if (HasExtension(path, ".dxf")) return ExportKind::Dxf;
  return std::nullopt;
}

std::optional<int16_t> PaperCodeOfName(std::string_view name) {
  if (EqualsIgnoringCase(name, "a3")) return kPaperA3;
  if (EqualsIgnoringCase(name, "a4")) return kPaperA4;
  if (EqualsIgnoringCase(name, "b4")) return kPaperB4;
  if (EqualsIgnoringCase(name, "b5")) return kPaperB5;
  if (EqualsIgnoringCase(name, "a5")) return kPaperA5;
  if (EqualsIgnoringCase(name, "letter")) return kPaperLetter;
  if (EqualsIgnoringCase(name, "legal")) return kPaperLegal;
  return std::nullopt;
}

std::optional<int16_t> OrientationCodeOfName(std::string_view name) {
  if (EqualsIgnoringCase(name, "portrait")) return kPortrait;
  if (EqualsIgnoringCase(name, "landscape")) return kLandscape;
  return std::nullopt;
}

Status ExportPagesToFile(MainModel& main, const std::string& path, ExportKind kind,
                         const ExportPages& pages) {
  if (pages.tiles) {
    return ExportTiles(main, path, kind, pages.paperSize, pages.orientation, pages.dpi);
  }
  if (kind == ExportKind::Pdf) {
    return ExportPdf(main, path, pages.paperSize, pages.orientation, pages.pageCount,
                     pages.pageCount < 2 ? pages.fittedPaperFactor : std::nullopt);
  }
  const PageRequest request{pages.paperSize, pages.orientation, pages.pageCount, pages.page,
                            pages.dpi};
  if (kind == ExportKind::Dxf) return ExportDxf(main, path, request);
  const auto format = kind == ExportKind::Png ? PageImageFormat::Png : PageImageFormat::Svg;
  return ExportPageImage(main, path, format, request);
}

std::string NamedPicturePath(const std::string& path, const std::string& name) {
  const std::size_t dot = path.rfind('.');
  const std::size_t slash = path.rfind('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
    return path + "-" + name;
  }
  return path.substr(0, dot) + "-" + name + path.substr(dot);
}

std::string PagePicturePath(const std::string& path, int16_t page) {
  return page < 2 ? path : NamedPicturePath(path, std::to_string(page));
}

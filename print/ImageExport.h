// One printed page as a picture file (PNG or SVG), and the preview's
// rendering of a page at a zoom.
#pragma once

#include <cstdint>
#include <string>

#include "EngineErrors.h"
#include "Geometry.h"
#include "PrintJob.h"

class MainModel;
class QPainter;

enum class PageImageFormat { Png, Svg };

// Which page of which job, on which sheet.
struct PageRequest {
  int16_t paperSize = kPaperA4;     // the platform's paper-size code
  int16_t orientation = kPortrait;  // or kLandscape
  int16_t pageCount = 1;            // below 2 one page, otherwise two
  int16_t page = 1;                 // 1, or 2 of a two-page job
  double dpi = 150;                 // pixels per inch of the picture
};

// The highest resolution of a PNG of the sheet: its longer side may have at
// most 20000 pixels (1209 dpi on A3, 1710 on A4).
int MaxPngDpi(int16_t paperSize, int16_t orientation);

// Draws the requested page as the print job draws it (the whole sheet is
// the printable area; the margin frame in debug mode) and writes it to the
// file. Ok, or the failure's status with the last-error record filled.
Status ExportPageImage(MainModel& main, const std::string& path, PageImageFormat format,
                       const PageRequest& request);

// Draws the requested page on a sheet whose user area is the paper, as the
// PNG and SVG are drawn; `origin`, when given, receives the page point where
// the lines command's coordinates start (the style's root).
Status DrawExportPage(MainModel& main, DrawTarget& target, const PageRequest& request,
                      UserPoint* origin = nullptr);

// Draws the requested page onto an active painter whose device shows the
// whole sheet at `zoom` times its real size, as the preview picture does:
// the preview's kind and zoom, the margin guide when showGuide is on.
// Ok, or the failure's status with the last-error record filled.
Status RenderPreviewPage(MainModel& main, QPainter& painter, const PageRequest& request,
                         double zoom, bool showGuide);
// The same on a sheet of the given millimetres (a printer's paper that is
// not one of the four, drawn at the A4 size).
Status RenderPreviewPage(MainModel& main, QPainter& painter, const PageRequest& request,
                         double zoom, bool showGuide, const SheetSize& sheet);

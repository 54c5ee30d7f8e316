// The printed pages written to a file, as a PDF (every page), as PNG or
// SVG pictures or as DXF drawings (one page each): what `umbrafex export` and the File menu's
// export share.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "EngineErrors.h"
#include "PrinterSettings.h"

class MainModel;

enum class ExportKind { Pdf, Svg, Png, Dxf };

// The kind a file name's extension asks for (a name is needed before it).
std::optional<ExportKind> ExportKindOfPath(std::string_view path);

struct ExportPages {
  int16_t paperSize = kPaperA4;
  int16_t orientation = kPortrait;
  int16_t pageCount = 1;  // below 2 one page, otherwise two
  int16_t page = 1;       // the page a picture shows
  double dpi = 150;       // of a picture
  bool tiles = false;     // the face size on many sheets (TiledJob.h)
  // One PDF page's factor as the output checks found it (CheckOutcome).
  std::optional<double> fittedPaperFactor;
};

// Writes the file. Ok, or the failure's status with the last-error record filled.
Status ExportPagesToFile(MainModel& main, const std::string& path, ExportKind kind,
                         const ExportPages& pages);

// "A3", "A4", "A5", "B4", "B5", "Letter", "Legal" and "portrait",
// "landscape" (any letter case) as
// the platform's codes.
std::optional<int16_t> PaperCodeOfName(std::string_view name);
std::optional<int16_t> OrientationCodeOfName(std::string_view name);

// "dial.png" with its page 2 as "dial-2.png".
std::string PagePicturePath(const std::string& path, int16_t page);
// "dial.png" with a tiled job's sheet "A1" as "dial-A1.png".
std::string NamedPicturePath(const std::string& path, const std::string& name);

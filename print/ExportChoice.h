// What the export dialog asks before the pages are written: paper,
// orientation, one or two sheets, which page a picture shows, and a
// picture's resolution. Kept apart from the dialog so that its rules are
// tested without a window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "PageExport.h"

struct PaperName {
  int16_t code;
  std::string_view name;
};

// The papers the dial is made for, in the order the dialog lists them.
const std::vector<PaperName>& ExportPapers();

inline constexpr double kExportMinDpi = 10;
inline constexpr double kExportMaxDpi = 2400;

class ExportChoice {
 public:
  // Starts from the printer's paper and orientation (A4 portrait where the
  // dial is not made for them) and the page count the checks settled on.
  ExportChoice(ExportKind kind, int16_t paper, int16_t orientation, int16_t pageCount);

  ExportKind Kind() const { return kind_; }
  int16_t Paper() const { return paper_; }
  int16_t Orientation() const { return orientation_; }
  int16_t PageCount() const { return pageCount_; }
  int16_t Page() const { return page_; }  // 0: every page, one file each
  double Dpi() const { return dpi_; }
  // The face's size on as many sheets as it needs (TiledJob.h).
  bool Tiles() const { return tiles_; }

  void setPaper(int16_t code) { paper_ = code; }
  void setOrientation(int16_t orientation) { orientation_ = orientation; }
  // One sheet, or two; a single page chosen beyond the count returns to all.
  void setPageCount(int16_t count);
  void setPage(int16_t page) { page_ = page; }
  void setDpi(double dpi) { dpi_ = dpi; }
  void setTiles(bool tiles) { tiles_ = tiles; }
  // Tiles need a design with a face size, and paper: a DXF drawing is
  // written whole at that size.
  void setTilesAvailable(bool available) { tilesAvailable_ = available; }
  bool TilesApply() const { return tilesAvailable_ && kind_ != ExportKind::Dxf; }

  // A picture of a two-page job may show one page or both (two files); a
  // PDF holds every page.
  bool PageApplies() const { return kind_ != ExportKind::Pdf && pageCount_ == 2 && !Tiling(); }
  // The resolution sizes a PNG picture; PDF, SVG and DXF are in millimetres.
  bool DpiApplies() const { return kind_ == ExportKind::Png; }

  // Why the choice cannot be written ("" when it can), in the user's words.
  std::string Problem() const;

  // The files to write: the path with each page's ExportPages (a tiled job
  // names its sheets' pictures itself).
  struct File {
    std::string path;
    ExportPages pages;
  };
  std::vector<File> Files(const std::string& path) const;

 private:
  ExportKind kind_;
  int16_t paper_;
  int16_t orientation_;
  int16_t pageCount_;
  int16_t page_ = 0;
  double dpi_ = 150;
  bool tiles_ = false;
  bool tilesAvailable_ = false;

  bool Tiling() const { return tiles_ && TilesApply(); }
};

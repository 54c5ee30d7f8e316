#include "ExportChoice.h"

#include "PrintJob.h"
#include "UiText.h"

const std::vector<PaperName>& ExportPapers() {
  static const std::vector<PaperName> papers{
      {kPaperA3, "A3"}, {kPaperA4, "A4"},         {kPaperA5, "A5"},       {kPaperB4, "B4"},
      {kPaperB5, "B5"}, {kPaperLetter, "Letter"}, {kPaperLegal, "Legal"},
  };
  return papers;
}

ExportChoice::ExportChoice(ExportKind kind, int16_t paper, int16_t orientation, int16_t pageCount)
    : kind_(kind),
      paper_(IsSupportedPaper(paper) ? paper : kPaperA4),
      orientation_(orientation == kLandscape ? kLandscape : kPortrait),
      pageCount_(PrintedPageCount(pageCount)) {}

void ExportChoice::setPageCount(int16_t count) {
  pageCount_ = count;
  if (page_ > count) page_ = 0;
}

std::string ExportChoice::Problem() const {
  if (!IsSupportedPaper(paper_))
    return TranslateText("ExportChoice", "The dial cannot be exported on this paper size.");
  if (orientation_ != kPortrait && orientation_ != kLandscape)
    return TranslateText("ExportChoice", "Choose the paper orientation.");
  if (pageCount_ != 1 && pageCount_ != 2)
    return TranslateText("ExportChoice", "The number of pages must be 1 or 2.");
  if (page_ < 0 || page_ > pageCount_)
    return TranslateText("ExportChoice", "There is no such page to export.");
  if (DpiApplies() && !(dpi_ >= kExportMinDpi && dpi_ <= kExportMaxDpi)) {
    return TranslateText("ExportChoice", "The resolution must be from 10 to 2400 dpi.");
  }
  return {};
}

std::vector<ExportChoice::File> ExportChoice::Files(const std::string& path) const {
  ExportPages pages{paper_, orientation_, pageCount_, 1, dpi_, Tiling(), std::nullopt};
  if (kind_ == ExportKind::Pdf || Tiling()) return {{path, pages}};
  if (pageCount_ < 2) return {{path, pages}};
  if (page_ != 0) {
    pages.page = page_;
    return {{path, pages}};
  }
  std::vector<File> files;
  for (int16_t page = 1; page <= pageCount_; ++page) {
    pages.page = page;
    files.push_back({PagePicturePath(path, page), pages});
  }
  return files;
}

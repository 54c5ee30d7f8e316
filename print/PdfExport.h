// The print device of a PDF file: one PDF page per printed page, at the
// paper's size, drawn in millimetres as on the printer.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "EngineErrors.h"
#include "PrintDevice.h"

class MainModel;
class QPainter;
class QPainterDrawTarget;
class QPdfWriter;
class QBuffer;

// The file appears only when the job ends; an abandoned job leaves any
// earlier file of that name as it was.
class PdfDevice : public PrintDevice {
 public:
  PdfDevice(std::string path, int16_t paperSize, int16_t orientation, int resolution = 600);
  ~PdfDevice() override;

  int16_t PaperSize() const override { return paperSize_; }
  int16_t Orientation() const override { return orientation_; }
  void StartDoc() override;
  DrawTarget& Page() override;
  void NewPage() override;
  void EndDoc() override;
  void KillDoc() noexcept override;

 private:
  void Close() noexcept;

  std::string path_;
  int16_t paperSize_;
  int16_t orientation_;
  int resolution_;
  std::unique_ptr<QBuffer> file_;  // the PDF in memory until the job ends
  std::unique_ptr<QPdfWriter> writer_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<QPainterDrawTarget> target_;
};

// Prints the design into a PDF file (PrintSundial on a PdfDevice). A
// fittedPaperFactor that the output checks found for this design and paper
// (CheckOutcome) spares the sheet's search for it.
Status ExportPdf(MainModel& main, const std::string& path, int16_t paperSize, int16_t orientation,
                 int16_t pageCount, std::optional<double> fittedPaperFactor = std::nullopt);

// The sheet as a job of that paper plans it, measured on a page that is never
// written: what the checks and `lines` see before any output exists.
struct SheetPlan;
SheetPlan PlanPaperSheet(MainModel& main, int16_t paperSize, int16_t orientation,
                         int16_t pageCount);
// The sheet of a dial on another plane as a job of that paper lays it out,
// on the same unwritten page.
struct PlaneSheet;
PlaneSheet PlanPaperPlaneSheet(MainModel& main, int16_t paperSize, int16_t orientation,
                               int16_t pageCount);
// The paper factor at which the pages of that paper hold the dial and the
// gnomon, shrunk as far as the job would shrink them (at the face's size
// where one is set); none where they do not.
std::optional<double> HoldingPaperFactor(MainModel& main, int16_t paperSize, int16_t orientation,
                                         int16_t pageCount);
inline bool PagesHold(MainModel& main, int16_t paperSize, int16_t orientation, int16_t pageCount) {
  return HoldingPaperFactor(main, paperSize, orientation, pageCount).has_value();
}
inline bool OnePageHolds(MainModel& main, int16_t paperSize, int16_t orientation) {
  return PagesHold(main, paperSize, orientation, 1);
}

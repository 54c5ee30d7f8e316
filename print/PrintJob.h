// The print job: paper factor, where dial and gnomon go on the sheet, and
// which dial routines draw each page. The PDF export, the image export, the
// preview and the printer all run these.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "CorrectionTable.h"
#include "DialDesign.h"
#include "DialRoutines.h"
#include "EngineErrors.h"
#include "NodusDrawing.h"
#include "PrinterSettings.h"
#include "SheetKey.h"

class MainModel;
class PrintDevice;

// Every printed length is its A4 length times this: 1.41 A3, 1.0 A4,
// 1.23 B4, 0.87 B5, 0.70 A5, 0.94 Letter, 1.03 Legal (the sheet's sides
// against A4's, the tighter one), 1.0 for any other paper.
double PaperFactor(int32_t paperSize);
bool IsSupportedPaper(int32_t paperSize);
// The factor whose outer ring is faceSize millimetres across.
double FaceSizeFactor(double faceSize);

// The sheet in millimetres as it lies in the given orientation (A4 for an
// unsupported paper). B4 and B5 are the JIS sizes; Letter and Legal are
// 8.5 x 11 and 8.5 x 14 inches.
struct SheetSize {
  double width = 0;
  double height = 0;
};
SheetSize PaperSheetSize(int32_t paperSize, int32_t orientation);

// Places dial and gnomon on a printable area of width x height millimetres.
// One page holds both (gnomon below the dial in portrait, to its right in
// landscape); two pages centre the dial on the first and the gnomon on the
// second. Raises RaisedError when the latitude gives no finite layout.
DialLayout LayoutPage(double paperFactor, int32_t orientation, int16_t pageCount, double latitude,
                      double width, double height);

// The paper factor a job draws with: the paper's own, or less where the
// sheet cannot hold the dial with its letters and the gnomon inside its
// margins at that size (a long gnomon at a high latitude). Dial and gnomon
// share it, so that the gnomon still fits its dial. Raises the error of
// CrowdedPaperText() where no size holds the model on A5. A design with a
// face size has that size's factor, and raises FaceTooLargeText() where the
// sheet does not hold it.
std::string CrowdedPaperText();
double FittedPaperFactor(MainModel& main, DrawTarget& sheet, double paperFactor,
                         int32_t orientation, int16_t pageCount, double zoom = 1.0);
// The largest factor, down to half the paper's, at which the sheet holds the
// model; none where even that does not.
std::optional<double> FittingPaperFactor(MainModel& main, DrawTarget& sheet, double paperFactor,
                                         int32_t orientation, int16_t pageCount, double zoom = 1.0);

// What a job prints the horizontal dial at: the fitted factor and the layout
// on that sheet. The print job, the exports and `lines` all take it from
// here, so that the listed millimetres are the printed ones.
struct SheetPlan {
  double paperFactor = 1;
  DialLayout layout;
};
// A fittedPaperFactor already found for this design and sheet is taken as it is.
SheetPlan PlanSheet(MainModel& main, DrawTarget& sheet, double paperFactor, int32_t orientation,
                    int16_t pageCount, double zoom = 1.0,
                    std::optional<double> fittedPaperFactor = std::nullopt);

// Whether the sheet holds the design at its face size (dialOption.faceSize):
// the horizontal dial at FaceSizeFactor, a plane dial's face at that width.
bool HoldsFaceSize(MainModel& main, DrawTarget& sheet, double paperFactor, int32_t orientation,
                   int16_t pageCount);

// The pages a job asked for pageCount pages prints: one below 2, else two.
inline int16_t PrintedPageCount(int16_t pageCount) {
  return pageCount < 2 ? 1 : 2;
}

// The dial routines a page is drawn with; tests replace them.
struct SundialRoutines {
  using Element = std::function<Status(DialDesign, DrawTarget&, const DialLayout&, double)>;
  // With the paper factor and the page of the job: the page's texts and the scale bar and the key
  // keep clear of what else the page shows.
  using PageElement = std::function<Status(DialDesign, DrawTarget&, const DialLayout&, double,
                                           double, int16_t, int16_t)>;
  // The paper forms of the two routines that the clock draws too.
  static constexpr auto kPaperRings =
      static_cast<Status (*)(DialDesign, DrawTarget&, const DialLayout&, double)>(DrawDialRings);
  static constexpr auto kPaperFace =
      static_cast<Status (*)(DialDesign, DrawTarget&, const DialLayout&, double)>(DrawDialFace);
  static constexpr auto kPaperDialLines =
      static_cast<Status (*)(DialDesign, DrawTarget&, const DialLayout&, double)>(DrawDialLines);

  Element dialRings = kPaperRings;
  std::function<Status(DialDesign, DrawTarget&, const DialLayout&)> backPicture = DrawBackPicture;
  Element dialFace = kPaperFace;
  std::function<Status(DialDesign, DrawTarget&, const DialLayout&, double, double)> gnomon =
      DrawGnomon;
  Element dialMarks = DrawDialMarks;
  Element gnomonMarks = DrawGnomonMarks;
  PageElement information = DrawInformation;
  Element dialLines = kPaperDialLines;
  Element nodusMark = DrawNodusMark;
  PageElement scaleBar = DrawScaleBar;
  std::function<Status(DialDesign, DrawTarget&, const DialLayout&, double, int16_t, int16_t)>
      pageTitle = DrawPageTitle;
  std::function<Status(DialDesign, DrawTarget&)> marginFrame = DrawMarginFrame;
  PageElement gnomonLabels = DrawGnomonLabels;
  PageElement sheetKey = DrawSheetKey;
  PageElement correctionTable = DrawCorrectionTable;
};

// Draws the elements of one page of a job of pageCount pages (below 2: the
// single page with everything; otherwise page 1 the dial, page 2 the
// gnomon), the scale bar and the key to its lines, then the page title
// when dialOption.printTitle is on. The margin frame is the caller's. Ok,
// or the failing routine's status with its record left in the last-error
// record.
Status DrawSundialPage(MainModel& main, DrawTarget& target, const DialLayout& layout, double zoom,
                       double paperFactor, int16_t page, int16_t pageCount,
                       const SundialRoutines& routines = {});

// Starts the document, draws its pages and ends it; where drawing fails or
// the platform faults, the document is abandoned and the status returned
// (the last-error record filled).
Status RunPrintDocument(MainModel& main, PrintDevice& document,
                        const std::function<Status()>& drawPages);

// Prints the design on the document: one page when pageCount is below 2,
// otherwise dial and gnomon on two pages; the margin frame on every page in
// debug mode. Ok, or the status of the error that stopped the job (the
// document is then abandoned and the last-error record filled).
Status PrintSundial(MainModel& main, PrintDevice& document, int16_t pageCount,
                    const SundialRoutines& routines = {},
                    std::optional<double> fittedPaperFactor = std::nullopt);

#include "PrintJob.h"

#include <cmath>
#include <initializer_list>

#include "AnalemmaticRoutines.h"
#include "AnalemmaticSheet.h"
#include "DrawPass.h"
#include "EngineErrors.h"
#include "MainModel.h"
#include "MathFunctions.h"
#include "PlaneDialRoutines.h"
#include "PlaneSheet.h"
#include "PrintDevice.h"
#include "RunInOrder.h"
#include "SheetFit.h"
#include "UiText.h"

namespace {

// The A4 gap around dial and gnomon in millimetres, scaled by the paper factor.
constexpr double kGap = 10;

struct Paper {
  int16_t code;
  double factor;
  SheetSize portrait;  // millimetres
};

constexpr Paper kPapers[] = {
    {kPaperA3, 1.41, {297, 420}},        {kPaperA4, 1.0, {210, 297}},
    {kPaperB4, 1.23, {257, 364}},        {kPaperB5, 0.87, {182, 257}},
    {kPaperA5, 0.70, {148, 210}},        {kPaperLetter, 0.94, {215.9, 279.4}},
    {kPaperLegal, 1.03, {215.9, 355.6}},
};

// The supported paper of that code, or nullptr.
const Paper* FindPaper(int32_t paperSize) {
  for (const Paper& paper : kPapers) {
    if (paper.code == paperSize) return &paper;
  }
  return nullptr;
}

// A4 stands in for any paper that is not supported.
const Paper& PaperOrA4(int32_t paperSize) {
  const Paper* paper = FindPaper(paperSize);
  return paper ? *paper : *FindPaper(kPaperA4);
}

bool IsFinite(const DialLayout& l) {
  for (double v :
       {l.centerX, l.centerY, l.outerRadius, l.middleRadius, l.innerRadius, l.gnomonX, l.gnomonY}) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

// Where a condition that holds at `from` and fails at `to` changes, between
// steps that it only ever does once.
template <typename Condition>
int LastHolding(int from, int to, const Condition& holds) {
  while (to - from > 1) {
    const int middle = (from + to) / 2;
    (holds(middle) ? from : to) = middle;
  }
  return from;
}

// The first step where a condition that fails at `from` and holds at `to` holds.
template <typename Condition>
int FirstHolding(int from, int to, const Condition& holds) {
  return LastHolding(from, to, [&](int step) { return !holds(step); }) + 1;
}

}  // namespace

double FaceSizeFactor(double faceSize) {
  DialLayout unit;
  SetDialRadii(unit, 1.0);
  return faceSize / (2 * unit.outerRadius);
}

double PaperFactor(int32_t paperSize) {
  return PaperOrA4(paperSize).factor;
}

bool IsSupportedPaper(int32_t paperSize) {
  return FindPaper(paperSize) != nullptr;
}

SheetSize PaperSheetSize(int32_t paperSize, int32_t orientation) {
  const SheetSize portrait = PaperOrA4(paperSize).portrait;
  if (orientation == kPortrait) return portrait;
  return {portrait.height, portrait.width};
}

DialLayout LayoutPage(double paperFactor, int32_t orientation, int16_t pageCount, double latitude,
                      double width, double height) {
  DialLayout layout;
  SetDialRadii(layout, paperFactor);
  const double r1 = layout.outerRadius;
  const double r2 = layout.middleRadius;
  const double gap = kGap * paperFactor;
  const double phi = DegToRad(std::fabs(latitude));
  const double s = SignOf(latitude);
  const bool onePage = pageCount < 2;

  if (orientation == kPortrait) {
    const double g = r2 / std::cos(phi);  // the gnomon's length down the page
    const double t = gap * std::sin(phi);
    const double margin = (height - 2 * r1 - 2 * gap - g - t) / 2;
    layout.centerX = width / 2;
    layout.gnomonX = layout.centerX;
    if (onePage) {
      layout.centerY = margin + gap + r1;
      layout.gnomonY = layout.centerY + r1 + gap;
      if (s < 0) layout.gnomonY += g + t;
    } else {
      layout.centerY = height / 2;
      layout.gnomonY = layout.centerY - s * g / 2;
    }
  } else {
    const double a = r2 * std::sin(phi);  // the gnomon's width across the page
    const double b = gap * std::cos(phi);
    const double margin = (width - 2 * r1 - 2 * gap - 2 * (a + b)) / 2;
    layout.centerY = height / 2;
    if (onePage) {
      layout.centerX = margin + gap + r1;
      layout.gnomonX = layout.centerX + r1 + gap + a + b;
      layout.gnomonY = layout.centerY - s * (r2 / std::cos(phi) + gap * std::sin(phi)) / 2;
    } else {
      layout.centerX = width / 2;
      layout.gnomonX = layout.centerX;
      layout.gnomonY = layout.centerY - s * (r2 / std::cos(phi)) / 2;
    }
  }
  if (!IsFinite(layout)) RaiseError(kOverflowNumber, "mdlPrint.PrintSundial", kOverflowText);
  return layout;
}

std::string CrowdedPaperText() {
  return TranslateText("PrintJob",
                       "This sundial does not fit on A5 paper.\nChoose a larger paper.");
}

namespace {

bool HoldsAtFactor(MainModel& main, DrawTarget& sheet, double factor, int32_t orientation,
                   int16_t pageCount, double zoom) {
  const DialLayout layout =
      LayoutPage(factor, orientation, pageCount, main.Chart().Location().Latitude(),
                 sheet.ScaleWidth(), sheet.ScaleHeight());
  const int16_t pages = PrintedPageCount(pageCount);
  if (pageCount < 2) return SheetHolds(main, sheet, layout, zoom, factor, true, true, pages);
  return SheetHolds(main, sheet, layout, zoom, factor, true, false, pages) &&
         SheetHolds(main, sheet, layout, zoom, factor, false, true, pages);
}

}  // namespace

bool HoldsFaceSize(MainModel& main, DrawTarget& sheet, double paperFactor, int32_t orientation,
                   int16_t pageCount) {
  if (DrawsOnPlaneSheet(main, main.Chart())) {
    return !LayPlaneSheet(main, main.Chart(), sheet.ScaleWidth(), sheet.ScaleHeight(),
                          PageMarginsOf(sheet), paperFactor, pageCount)
                .oversize;
  }
  return HoldsAtFactor(main, sheet, FaceSizeFactor(main.dialOption.faceSize), orientation,
                       pageCount, 1.0);
}

std::optional<double> FittingPaperFactor(MainModel& main, DrawTarget& sheet, double paperFactor,
                                         int32_t orientation, int16_t pageCount, double zoom) {
  // A dial on another plane, or an analemmatic dial, fits its own sheet.
  if (DrawsAnalemmatic(main) || DrawsOnPlaneSheet(main, main.Chart())) return paperFactor;
  if (const double size = main.dialOption.faceSize; size > 0) {
    const double factor = FaceSizeFactor(size);
    if (!HoldsAtFactor(main, sheet, factor, orientation, pageCount, zoom)) return std::nullopt;
    return factor;
  }
  constexpr int kSteps = 50;  // of a hundredth of the paper's factor, down to half of it
  const double latitude = main.Chart().Location().Latitude();
  const int16_t pages = PrintedPageCount(pageCount);
  const auto factorAt = [&](int step) { return paperFactor * (1 - step / 100.0); };
  const auto layoutAt = [&](int step) {
    return LayoutPage(factorAt(step), orientation, pageCount, latitude, sheet.ScaleWidth(),
                      sheet.ScaleHeight());
  };
  const auto fits = [&](int step) {
    const double factor = factorAt(step);
    const DialLayout layout = layoutAt(step);
    if (pageCount < 2) return SheetHolds(main, sheet, layout, zoom, factor, true, true, pages);
    return SheetHolds(main, sheet, layout, zoom, factor, true, false, pages) &&
           SheetHolds(main, sheet, layout, zoom, factor, false, true, pages);
  };
  const auto ringHolds = [&](int step) {
    return RingHoldsLabels(main, sheet, layoutAt(step), zoom);
  };
  if (fits(0)) return paperFactor;
  // A smaller model leaves more room on the sheet but less in its time ring,
  // so the steps that fit are those up to where the ring gets too narrow that
  // hold the rest. Both edges are found by halving: the search measures the
  // sheet's texts a few times, not fifty.
  if (!ringHolds(0)) return std::nullopt;
  const int ringEnd = ringHolds(kSteps - 1) ? kSteps - 1 : LastHolding(0, kSteps - 1, ringHolds);
  if (!fits(ringEnd)) return std::nullopt;
  return factorAt(FirstHolding(0, ringEnd, fits));
}

double FittedPaperFactor(MainModel& main, DrawTarget& sheet, double paperFactor,
                         int32_t orientation, int16_t pageCount, double zoom) {
  constexpr double kSmallest = 0.5;  // a dial still worth cutting out
  if (const double size = main.dialOption.faceSize;
      size > 0 && !DrawsAnalemmatic(main) && !DrawsOnPlaneSheet(main, main.Chart())) {
    const double factor = FaceSizeFactor(size);
    RequireFaceFits(HoldsAtFactor(main, sheet, factor, orientation, pageCount, zoom), size);
    return factor;
  }
  if (const auto factor =
          FittingPaperFactor(main, sheet, paperFactor, orientation, pageCount, zoom)) {
    return *factor;
  }
  // A5 is offered where the model fits it; elsewhere a larger paper does.
  if (paperFactor == PaperFactor(kPaperA5)) {
    RaiseError(kInvalidCallNumber, "mdlPrint.PrintSundial", CrowdedPaperText());
  }
  return paperFactor * kSmallest;
}

SheetPlan PlanSheet(MainModel& main, DrawTarget& sheet, double paperFactor, int32_t orientation,
                    int16_t pageCount, double zoom, std::optional<double> fittedPaperFactor) {
  const double factor =
      fittedPaperFactor ? *fittedPaperFactor
                        : FittedPaperFactor(main, sheet, paperFactor, orientation, pageCount, zoom);
  return {factor, LayoutPage(factor, orientation, pageCount, main.Chart().Location().Latitude(),
                             sheet.ScaleWidth(), sheet.ScaleHeight())};
}

Status DrawSundialPage(MainModel& main, DrawTarget& target, const DialLayout& layout, double zoom,
                       double paperFactor, int16_t page, int16_t pageCount,
                       const SundialRoutines& r) {
  if (DrawsAnalemmatic(main)) {
    const Status status = DrawAnalemmaticPage(main, target, zoom, paperFactor, page);
    if (!status.ok() || !main.dialOption.printTitle) return status;
    return r.pageTitle(main, target, layout, zoom, page, PrintedPageCount(pageCount));
  }
  if (DrawsOnPlaneSheet(main, main.Chart())) {
    const Status status = DrawPlaneDialPage(main, target, zoom, paperFactor, page, pageCount);
    if (!status.ok() || !main.dialOption.printTitle) return status;
    return r.pageTitle(main, target, layout, zoom, page, PrintedPageCount(pageCount));
  }
  auto rings = [&] { return r.dialRings(main, target, layout, zoom); };
  auto picture = [&] { return r.backPicture(main, target, layout); };
  auto face = [&] { return r.dialFace(main, target, layout, zoom); };
  auto gnomon = [&] { return r.gnomon(main, target, layout, zoom, paperFactor); };
  auto dialMarks = [&] { return r.dialMarks(main, target, layout, zoom); };
  auto gnomonMarks = [&] { return r.gnomonMarks(main, target, layout, zoom); };
  auto information = [&] {
    return r.information(main, target, layout, zoom, paperFactor, page, pageCount);
  };
  auto lines = [&] { return r.dialLines(main, target, layout, zoom); };
  auto nodus = [&] { return r.nodusMark(main, target, layout, zoom); };
  auto scaleBar = [&] {
    return r.scaleBar(main, target, layout, zoom, paperFactor, page, pageCount);
  };
  auto labels = [&] {
    return r.gnomonLabels(main, target, layout, zoom, paperFactor, page, pageCount);
  };
  auto key = [&] { return r.sheetKey(main, target, layout, zoom, paperFactor, page, pageCount); };
  auto table = [&] {
    return r.correctionTable(main, target, layout, zoom, paperFactor, page, pageCount);
  };

  Status status;
  if (pageCount < 2) {
    status = RunInOrder({rings, picture, face, lines, gnomon, dialMarks, gnomonMarks, nodus,
                         information, labels, key, scaleBar, table});
  } else if (page == 1) {
    status =
        RunInOrder({rings, picture, face, lines, dialMarks, information, key, scaleBar, table});
  } else {
    status = RunInOrder({gnomon, gnomonMarks, nodus, labels, key, scaleBar});
  }
  if (!status.ok() || !main.dialOption.printTitle) return status;
  // The title counts the pages actually printed (a count above 2 still prints two).
  return r.pageTitle(main, target, layout, zoom, page, PrintedPageCount(pageCount));
}

Status RunPrintDocument(MainModel& main, PrintDevice& document,
                        const std::function<Status()>& drawPages) {
  main.lastError.Clear();
  bool started = false;
  // A fault of the platform (memory, a device) still aborts the job and is reported.
  const Status status = TrapStatus(
      main.lastError,
      [&] {
        document.StartDoc();
        started = true;
        if (const Status drawn = drawPages(); !drawn.ok()) return drawn;
        document.EndDoc();
        return Status::Ok();
      },
      RecordFault);
  if (!status.ok() && started) document.KillDoc();
  return status;
}

Status PrintSundial(MainModel& main, PrintDevice& document, int16_t pageCount,
                    const SundialRoutines& routines, std::optional<double> fittedPaperFactor) {
  return RunPrintDocument(main, document, [&] {
    const SheetPlan plan = PlanSheet(main, document.Page(), PaperFactor(document.PaperSize()),
                                     document.Orientation(), pageCount, 1.0, fittedPaperFactor);
    const int16_t pages = PrintedPageCount(pageCount);
    for (int16_t page = 1; page <= pages; ++page) {
      DrawTarget& target = document.Page();
      Status drawn = DrawSundialPage(main, target, plan.layout, 1.0, plan.paperFactor, page,
                                     pageCount, routines);
      // Read afresh for every page, as the title switch is.
      if (drawn.ok() && main.general.debugMode) drawn = routines.marginFrame(main, target);
      if (!drawn.ok()) return drawn;
      if (page < pages) document.NewPage();
    }
    return Status::Ok();
  });
}

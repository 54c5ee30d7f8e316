#include "OutputChecks.h"

#include <cmath>
#include <ostream>

#include "AnalemmaticSheet.h"
#include "MainModel.h"
#include "NodusChecks.h"
#include "Paths.h"
#include "PdfExport.h"
#include "Picture.h"
#include "PlaneDial.h"
#include "PlaneSheet.h"
#include "PrintJob.h"
#include "UiText.h"

namespace {

constexpr double kHighLatitude = 66.55;
constexpr double kLowLatitude = 23.45;
constexpr double kMaxMeridianDistance = 15;

// Collects the items of one run and stops at the first that ends it.
class CheckRun {
 public:
  CheckRun(MainModel& main, const OutputRequest& request, const CheckResponder& respond)
      : main_(main),
        request_(request),
        respond_(respond),
        caption_(OutputCommandCaption(request.command)),
        outcome_{true, request.pageCount, std::nullopt} {}

  CheckOutcome Run() {
    const bool clock = request_.command == OutputCommand::Clock;
    // A dial off the horizontal fits its sheet by itself and has its own nodus.
    const bool analemmatic = DrawsAnalemmatic(main_);
    const bool horizontal = !analemmatic && !DrawsOnPlaneSheet(main_, main_.Chart());
    if (!clock) {
      PolarNight();
      if (request_.command == OutputCommand::Print) Printer();
      PaperSize();
      if (horizontal) PageSplit();
      BackPicture();
    }
    if (analemmatic) {
      AnalemmaticLatitude();
    } else if (!horizontal) {
      SunlitPlane();
    }
    TimeZone();
    if (horizontal) Latitude();
    if (!clock && horizontal) Nodus();
    return outcome_;
  }

  CheckOutcome RunPrinterChecks() {
    Printer();
    PaperSize();
    return outcome_;
  }

 private:
  const ChartLocation& Location() const { return main_.Chart().Location(); }

  void Stop(CheckStep step, std::string text) {
    if (!outcome_.proceed) return;
    respond_({step, CheckKind::Stop, std::move(text), caption_});
    outcome_.proceed = false;
  }
  void Note(CheckStep step, std::string text) {
    if (!outcome_.proceed) return;
    respond_({step, CheckKind::Note, std::move(text), caption_});
  }
  // The answer, or nothing when an earlier check has ended the command.
  std::optional<CheckAnswer> Ask(CheckStep step, std::string text, bool withCancel = false) {
    if (!outcome_.proceed) return std::nullopt;
    return respond_({step, CheckKind::Ask, std::move(text), caption_, withCancel});
  }

  void PolarNight() {
    if (main_.Chart().Season().NightState() == kNightStatePolarNight &&
        main_.season.adjustEquation) {
      Stop(CheckStep::PolarNight,
           TranslateText("OutputChecks",
                         "Polar night (the sun does not rise all day):\nno sundial can be made."));
    }
  }

  void SunlitPlane() {
    const PlaneDial dial = LayPlaneDial(main_.Chart(), main_.dialPlane, main_.calcTime.interval, 1);
    if (!dial.hourLines.empty()) return;
    Stop(CheckStep::Plane, TranslateText("OutputChecks",
                                         "The sun never shines on a face that looks this way:\n"
                                         "no hour line can be drawn."));
  }

  void AnalemmaticLatitude() {
    const std::string problem = AnalemmaticLatitudeProblem(Location().Latitude());
    if (!problem.empty()) Stop(CheckStep::Latitude, problem);
  }

  void Printer() {
    if (!request_.printerAvailable)
      Stop(CheckStep::Printer, TranslateText("OutputChecks", "No usable printer was found."));
  }

  void PaperSize() {
    if (IsSupportedPaper(request_.paperSize)) return;
    const auto answer = Ask(CheckStep::PaperSize,
                            FillText(TranslateText("OutputChecks",
                                                   "The selected paper size is not supported.\n"
                                                   "Continue with %1 on the current paper size?"),
                                     {caption_}));
    if (answer == CheckAnswer::No || answer == CheckAnswer::Cancel) outcome_.proceed = false;
  }

  // Asked only where one page cannot hold the model even shrunk as the job
  // would shrink it, and two pages can: elsewhere the job fits it by itself,
  // or refuses a face too large for the paper with its own message.
  void PageSplit() {
    if (outcome_.pageCount > 1 || request_.tiles || !outcome_.proceed) return;
    outcome_.onePagePaperFactor =
        HoldingPaperFactor(main_, request_.paperSize, request_.orientation, 1);
    if (outcome_.onePagePaperFactor) return;
    if (!PagesHold(main_, request_.paperSize, request_.orientation, 2)) return;
    const auto answer = Ask(CheckStep::PageSplit,
                            FillText(TranslateText("OutputChecks",
                                                   "The dial may not fit the printable area.\n"
                                                   "Split dial and gnomon onto two pages for %1?"),
                                     {caption_}),
                            true);
    if (answer == CheckAnswer::Yes) outcome_.pageCount = 2;
    if (answer == CheckAnswer::Cancel) outcome_.proceed = false;
  }

  // A picture that is missing, unreadable or no picture at all would leave
  // the dial without one; the user is told either way.
  void BackPicture() {
    const std::string& picture = main_.dialOption.picture;
    if (picture.empty() || IsLoadablePicture(picture)) return;
    const std::string text =
        FileExists(picture) ? TranslateText("OutputChecks",
                                            "The background picture cannot be read as a picture.\n"
                                            "Continue with %1 without it?")
                            : TranslateText("OutputChecks",
                                            "The background picture was not found.\n"
                                            "Continue with %1 without it?");
    const auto answer = Ask(CheckStep::BackPicture, FillText(text, {caption_}));
    if (answer == CheckAnswer::Yes) {
      main_.dialOption.picture.clear();
      outcome_.onePagePaperFactor.reset();  // measured with the picture
    }
    if (answer == CheckAnswer::No || answer == CheckAnswer::Cancel) outcome_.proceed = false;
  }

  void TimeZone() {
    if (std::fabs(Location().Longitude() - Location().StandardMeridian()) <= kMaxMeridianDistance ||
        main_.Chart().TimeSystem() != kMeanStandardTime) {
      return;
    }
    const auto answer =
        Ask(CheckStep::TimeZone,
            FillText(TranslateText("OutputChecks",
                                   "The longitude is more than 15° from the standard meridian.\n"
                                   "The time zone may be set wrongly.\n"
                                   "Continue with %1 in the current time zone?"),
                     {caption_}));
    if (answer == CheckAnswer::No || answer == CheckAnswer::Cancel) outcome_.proceed = false;
  }

  void Latitude() {
    const double latitude = std::fabs(Location().Latitude());
    if (latitude >= kHighLatitude) {
      Note(CheckStep::Latitude,
           TranslateText("OutputChecks",
                         "At high latitudes a horizontal sundial\nmay not work properly."));
    } else if (latitude <= kLowLatitude) {
      Note(CheckStep::Latitude,
           TranslateText("OutputChecks",
                         "At low latitudes a horizontal sundial\nmay not work properly."));
    }
  }

  // The date lines and hour curves need a nodus whose arcs reach the face.
  void Nodus() {
    const NodusFindings found = CheckNodus(main_, request_.paperSize);
    if (found.question) {
      const auto answer = Ask(CheckStep::Nodus, *found.question + "\n" + ContinueQuestion());
      if (answer == CheckAnswer::No || answer == CheckAnswer::Cancel) outcome_.proceed = false;
    }
  }

  std::string ContinueQuestion() const { return NodusContinueQuestion(caption_); }

  MainModel& main_;
  const OutputRequest& request_;
  const CheckResponder& respond_;
  std::string caption_;
  CheckOutcome outcome_;
};

// A script cannot answer: a question is printed without its last line (the
// question itself), with a hint where the command has an option for it.
std::string ScriptNote(const CheckItem& item) {
  if (item.kind != CheckKind::Ask) return item.text;
  std::string note = item.text.substr(0, item.text.rfind('\n'));
  if (item.step == CheckStep::PageSplit) {
    note += "\n(putting the dial and the gnomon on two pages)";
  } else if (item.step == CheckStep::BackPicture) {
    note += "\n(exporting without it)";
  }
  return note;
}

// Goes on wherever a script can: two pages where one cannot hold the model,
// no missing picture.
CheckResponder ScriptResponder(std::ostream& err) {
  return [&err](const CheckItem& item) {
    err << ScriptNote(item) << '\n';
    return CheckAnswer::Yes;
  };
}

}  // namespace

std::string OutputCommandCaption(OutputCommand command) {
  switch (command) {
    case OutputCommand::Print:
      return TranslateText("OutputChecks", "Print");
    case OutputCommand::Preview:
      return TranslateText("OutputChecks", "Print Preview");
    case OutputCommand::Clock:
      return TranslateText("OutputChecks", "Desktop Sundial");
    case OutputCommand::Export:
      return TranslateText("OutputChecks", "Export to PDF/SVG/PNG");
  }
  return "";
}

OutputRequest RequestFromModel(const MainModel& main, OutputCommand command) {
  const PrinterSetup& printer = main.Printer();
  const PrinterProperties current = printer.Current();
  return {command, printer.IsPrinterAvailable(), current.paperSize, current.orientation,
          main.dialOption.maxPages};
}

CheckOutcome RunOutputChecks(MainModel& main, const OutputRequest& request,
                             const CheckResponder& respond) {
  return CheckRun(main, request, respond).Run();
}

CheckOutcome RunPrinterChecks(MainModel& main, const CheckResponder& respond) {
  const OutputRequest request = RequestFromModel(main, OutputCommand::Print);
  return CheckRun(main, request, respond).RunPrinterChecks();
}

CheckOutcome CheckOutputForScript(MainModel& main, int16_t paperSize, int16_t orientation,
                                  int16_t pageCount, bool tiles, std::ostream& err) {
  const OutputRequest request{
      OutputCommand::Preview, true, paperSize, orientation, pageCount, tiles};
  return RunOutputChecks(main, request, ScriptResponder(err));
}

void CheckClockForScript(MainModel& main, std::ostream& err) {
  RunOutputChecks(main, {OutputCommand::Clock}, ScriptResponder(err));
}

// The checks that run before print, preview and the desktop sundial, as one
// sequence. Each check that speaks hands a structured item (a stop, a
// question with its default, a note) to a responder: the main window asks
// the user through message boxes, the scripting commands print notes and
// answer as a script would.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

class MainModel;

enum class OutputCommand { Print, Preview, Clock, Export };

// "Print", "Print Preview", "Desktop Sundial", "Export to PDF/SVG/PNG", in
// the user's language: message caption and the name put into the questions.
// Exporting the pages is checked as the preview is: the file is the printed
// page.
std::string OutputCommandCaption(OutputCommand command);

enum class CheckStep {
  PolarNight,
  Printer,
  PaperSize,
  PageSplit,
  BackPicture,
  TimeZone,
  Latitude,
  Nodus,  // no date line fits the face, or the nodus stands above the gnomon
  Plane   // the sun never reaches the face
};
enum class CheckKind {
  Stop,  // shown, then the command ends
  Ask,   // a question; the answer decides
  Note,  // shown, then the command goes on
};
enum class CheckAnswer { Yes, No, Cancel };

struct CheckItem {
  CheckStep step;
  CheckKind kind;
  std::string text;  // lines separated by "\n"
  std::string caption;
  bool withCancel = false;  // Yes/No/Cancel instead of Yes/No
  CheckAnswer defaultAnswer = CheckAnswer::Yes;
};

// What the checks read besides the design: the printer's state and the
// page count the command starts from.
struct OutputRequest {
  OutputCommand command = OutputCommand::Preview;
  bool printerAvailable = false;
  int16_t paperSize = 0;
  int16_t orientation = 0;
  int16_t pageCount = 1;
  // Tiles lay the design out as one sheet of their own: no split is asked.
  bool tiles = false;
};

// The request as the main window makes it: the current printer's paper and
// orientation, and dialOption.maxPages.
OutputRequest RequestFromModel(const MainModel& main, OutputCommand command);

struct CheckOutcome {
  bool proceed = false;
  int16_t pageCount = 1;  // two after a Yes to the page-split question
  // The paper factor at which one page of the paper held the model, where
  // the page-split check measured it (on a PDF page) and no later check
  // changed the design: a PDF export of one page takes it (ExportPdf).
  std::optional<double> onePagePaperFactor;
};

// Answers a question item; its answer is ignored for stops and notes.
using CheckResponder = std::function<CheckAnswer(const CheckItem&)>;

// Runs the checks of the command in their fixed order. A Yes to the
// missing-picture question clears dialOption.picture; nothing else changes
// the design.
CheckOutcome RunOutputChecks(MainModel& main, const OutputRequest& request,
                             const CheckResponder& respond);
// Printing from the preview, whose other checks ran when it opened: the
// printer and the paper of the current printer alone.
CheckOutcome RunPrinterChecks(MainModel& main, const CheckResponder& respond);

// Before export (the preview's checks): polar night stops it; the other
// items are printed on `err` as notes and answered so that the export goes
// on (on two pages where one cannot hold the model, without a missing
// background picture).
CheckOutcome CheckOutputForScript(MainModel& main, int16_t paperSize, int16_t orientation,
                                  int16_t pageCount, bool tiles, std::ostream& err);

// Before the desktop sundial's picture: the time-zone and latitude notes.
void CheckClockForScript(MainModel& main, std::ostream& err);

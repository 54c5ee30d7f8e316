// umbrafex lines: every point of the nodus's date lines and hour curves as
// they are drawn, in millimetres on the printed dial, for scripts.
#include <algorithm>
#include <cmath>
#include <ostream>
#include <sstream>
#include <string>

#include "AnalemmaticSheet.h"
#include "AsciiText.h"
#include "CommandHelp.h"
#include "CommonOptions.h"
#include "ExportPrinter.h"
#include "FileIo.h"
#include "GuiSession.h"
#include "MainModel.h"
#include "NodusChecks.h"
#include "NodusLines.h"
#include "NumberText.h"
#include "PageExport.h"
#include "PdfExport.h"
#include "PlaneSheet.h"
#include "PrintJob.h"
#include "PrintSubcommands.h"
#include "TiledJob.h"
#include "UiText.h"

namespace {

constexpr std::string_view kSynopsis = kLinesSynopsis;
constexpr ExtraOptionSpec kLinesOptions[] = {{"-o", true}, {"--paper", true}, {"--edges", false}};

std::string Number(double value) {
  return FormatGeneralNumber(value);
}

void Row(std::ostringstream& text, const char* kind, const std::string& key, const Chart& chart,
         const LinePoint& p) {
  text << kind << ',' << key << ',' << MonthDayKey(chart, p.day) << ',' << Number(p.declination)
       << ',' << Number(p.hourAngle) << ',' << Number(p.at.x) << ',' << Number(p.at.y) << '\n';
}

void Rows(std::ostringstream& text, const NodusCurves& curves, const Chart& chart) {
  for (const DateLine& line : curves.dates) {
    const std::string key = MonthDayKey(chart, line.arc.days.front());
    for (const LineRun& run : line.runs) {
      for (const LinePoint& p : run) Row(text, "dateline", key, chart, p);
    }
  }
  for (const HourCurve& curve : curves.curves) {
    const std::string key = ClockText(curve.clockTime);
    for (const LineRun& run : curve.runs) {
      for (const LinePoint& p : run) Row(text, "hourcurve", key, chart, p);
    }
  }
}

std::string LinesText(const NodusCurves& curves, const Chart& chart) {
  std::ostringstream text;
  const PlanePoint foot = curves.Foot();
  text << "# Nodus=" << Number(foot.x) << ',' << Number(foot.y) << ',' << Number(curves.plan.height)
       << '\n';
  text << "Kind,Key,Day,Declination,HourAngle,X,Y\n";
  Rows(text, curves, chart);
  return text.str();
}

// An hour line's points: both ends and enough between them that none lies
// more than kHourLineStep from the next.
constexpr double kHourLineStep = 2;  // millimetres

void HourLineRows(std::ostringstream& text, const PlaneHourLine& line) {
  const PlanePoint& a = line.segment.from;
  const PlanePoint& b = line.segment.to;
  const int steps =
      std::max(1, static_cast<int>(std::ceil(std::hypot(b.x - a.x, b.y - a.y) / kHourLineStep)));
  for (int i = 0; i <= steps; ++i) {
    const double f = static_cast<double>(i) / steps;
    text << "hourline," << ClockText(line.clockTime) << ",,," << Number(line.hourAngle) << ','
         << Number(a.x + (b.x - a.x) * f) << ',' << Number(a.y + (b.y - a.y) * f) << '\n';
  }
}

// A dial on another plane: its plane, style and nodus, where its origin (the
// style's root, or the nodus's foot below a parallel style) is printed, and
// its hour lines beside the curves. The sheet is laid out as export lays
// out a page of that paper.
std::string PlaneLinesText(MainModel& model, int16_t paper, int16_t orientation) {
  const PlaneSheet sheet =
      PlanPaperPlaneSheet(model, paper, orientation, PrintedPageCount(model.dialOption.maxPages));
  const PlacedFace& face = sheet.faces.front();
  const PlaneDial& dial = face.dial;
  const UserPoint origin = face.map.At({0, 0});
  std::ostringstream text;
  text << "# Plane=" << Number(dial.orientation.facing) << ',' << Number(dial.orientation.tilt)
       << '\n';
  text << "# Style=" << Number(dial.style.styleHeight) << ',' << Number(dial.style.substyleDistance)
       << ',' << Number(dial.style.substyleHourAngle) << '\n';
  text << "# Nodus=" << Number(dial.foot.x) << ',' << Number(dial.foot.y) << ','
       << Number(dial.nodusHeight) << '\n';
  text << "# Origin=" << sheet.facePage << ',' << Number(origin.x) << ',' << Number(origin.y)
       << '\n';
  text << "Kind,Key,Day,Declination,HourAngle,X,Y\n";
  for (const PlaneHourLine& line : dial.hourLines) HourLineRows(text, line);
  Rows(text, TracePlaneNodusCurves(model, model.Chart(), dial), model.Chart());
  return text.str();
}

// An analemmatic dial at full size, whatever scale its sheet is drawn to:
// the hour points and the gnomon's places on the date scale, x east and y
// north from the ellipse's centre.
std::string AnalemmaticLinesText(const MainModel& model) {
  const Chart& chart = model.Chart();
  if (const std::string problem = AnalemmaticLatitudeProblem(chart.Location().Latitude());
      !problem.empty()) {
    RaiseError(kInvalidCallNumber, "lines", problem);
  }
  const AnalemmaticDial dial =
      LayAnalemmaticDial(chart, model.calcTime.interval, model.analemmaticMajor);
  std::ostringstream text;
  text << "# Dial=analemmatic," << Number(dial.major) << ',' << Number(dial.minor) << '\n';
  text << "Kind,Key,Day,Declination,HourAngle,X,Y\n";
  for (const AnalemmaticHour& h : dial.hours) {
    text << "hourpoint," << ClockText(h.clockTime) << ",,," << Number(h.hourAngle) << ','
         << Number(h.at.x) << ',' << Number(h.at.y) << '\n';
  }
  for (const AnalemmaticDate& d : dial.dates) {
    const std::string key = MonthDayKey(chart, d.day);
    text << "datescale," << key << ',' << key << ',' << Number(d.declination) << ",,0,"
         << Number(d.y) << '\n';
  }
  return text.str();
}

// Where each hour line meets the face's edge, from the style's root.
std::string EdgesText(const std::vector<EdgeCrossing>& crossings) {
  std::ostringstream text;
  text << "Key,X,Y,Distance\n";
  for (const EdgeCrossing& c : crossings) {
    text << ClockText(c.clockTime) << ',' << Number(c.x) << ',' << Number(c.y) << ','
         << Number(std::hypot(c.x, c.y)) << '\n';
  }
  return text.str();
}

}  // namespace

int RunLinesSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  ParsedCommandLine parsed;
  if (const int status = ReadCommandWords(args, kLinesOptions, 0, kSynopsis, parsed, err);
      status != kExitOk) {
    return status;
  }
  int16_t paper = kPaperA4;
  if (const auto name = parsed.Extra("--paper")) {
    const auto code = PaperCodeOfName(*name);
    if (!code)
      return PrintUsage(
          err, kSynopsis,
          TranslateText("CommandLine", "--paper must be A3, A4, A5, B4, B5, Letter or Legal"));
    paper = *code;
  }
  const auto output = parsed.Extra("-o");
  if (output && !EndsWithIgnoringCase(*output, ".csv")) {
    return PrintUsage(
        err, kSynopsis,
        FillText(TranslateText("CommandLine", "the output file must end in .csv: %1"), {*output}));
  }

  EnsureGuiSession();  // the sheet's texts are measured to lay it out
  MainModel model;
  auto printer = std::make_shared<ExportPrinterSetup>();
  model.setPrinter(printer);
  if (const int status = PrepareModel(model, parsed.common, err); status != kExitOk) {
    return status;
  }
  // A paper named here wins over the document's printer section.
  if (parsed.Extra("--paper")) printer->setPaperSize(paper);
  std::string text;
  const Status status = TrapStatus(model.lastError, [&] {
    const PrinterProperties sheet = printer->Current();
    if (DrawsAnalemmatic(model)) {
      if (parsed.Extra("--edges")) {
        RaiseError(kInvalidCallNumber, "lines",
                   TranslateText("CommandLine",
                                 "An analemmatic dial has no hour lines to meet an edge; "
                                 "leave out --edges for its hour points."));
      }
      text = AnalemmaticLinesText(model);
      return;
    }
    if (parsed.Extra("--edges")) {
      text = EdgesText(DesignEdgeCrossings(model, sheet.paperSize, sheet.orientation));
      return;
    }
    if (DrawsOnPlaneSheet(model, model.Chart())) {
      text = PlaneLinesText(model, sheet.paperSize, sheet.orientation);
      return;
    }
    const DialLayout layout = PrintedDialLayout(model, sheet.paperSize, sheet.orientation);
    text = LinesText(TraceNodusCurves(model, model.Chart(), layout.middleRadius), model.Chart());
    // What export says of the same nodus, so that a bare header is explained.
    const NodusFindings found = CheckNodus(model, sheet.paperSize);
    if (found.question) err << *found.question << '\n';
  });
  if (!status.ok()) {
    err << model.lastError.description << '\n';
    return kExitFailure;
  }
  if (!output) {
    out << text;
    return kExitOk;
  }
  if (!WriteFileAtomically(*output, text)) {
    err << "umbrafex: " << FillText(TranslateText("CommandLine", "cannot write %1"), {*output})
        << '\n';
    return kExitFailure;
  }
  return kExitOk;
}

// umbrafex export: the printed pages of a design as a PDF file (every page)
// or as a PNG or SVG picture (one page).
#include <memory>
#include <ostream>
#include <string>

#include "AsciiText.h"
#include "CommandHelp.h"
#include "CommonOptions.h"
#include "ExportPrinter.h"
#include "GuiSession.h"
#include "ImageExport.h"
#include "MainModel.h"
#include "OutputChecks.h"
#include "PageExport.h"
#include "PrintJob.h"
#include "PrintSubcommands.h"
#include "SheetOptions.h"
#include "UiText.h"

namespace {

constexpr std::string_view kSynopsis = kExportSynopsis;
constexpr ExtraOptionSpec kExportOptions[] = {
    {"-o", true},     {"--paper", true}, {"--orientation", true}, {"--pages", true},
    {"--page", true}, {"--dpi", true},   {"--tiles", true}};
constexpr double kDefaultDpi = 150;
constexpr double kMinDpi = 10;
constexpr double kMaxDpi = 2400;

// The command's own options, checked.
struct ExportRequest : SheetOptions {
  std::string path;
  ExportKind kind = ExportKind::Pdf;
  int16_t page = 1;
  double dpi = kDefaultDpi;
};

std::optional<ExportRequest> ReadRequest(const ParsedCommandLine& parsed, std::string& reason) {
  ExportRequest request;
  const auto out = parsed.Extra("-o");
  if (!out) {
    reason = TranslateText("CommandLine",
                           "an output file is needed (-o OUT.pdf|OUT.svg|OUT.png|OUT.dxf)");
    return std::nullopt;
  }
  const auto kind = ExportKindOfPath(*out);
  if (!kind) {
    reason = FillText(
        TranslateText("CommandLine", "the output file must end in .pdf, .svg, .png or .dxf: %1"),
        {*out});
    return std::nullopt;
  }
  request.path = *out;
  request.kind = *kind;
  if (!ReadSheetOptions(parsed, request, reason)) return std::nullopt;
  if (const auto page = parsed.Extra("--page")) {
    const auto value = ParseWholeNumber<long>(*page);
    if (!value || (*value != 1 && *value != 2)) {
      reason = TranslateText("CommandLine", "--page must be 1 or 2");
      return std::nullopt;
    }
    request.page = static_cast<int16_t>(*value);
  }
  if (const auto dpi = parsed.Extra("--dpi")) {
    const auto value = ParseWholeNumber<long>(*dpi);
    if (!value || *value < kMinDpi || *value > kMaxDpi) {
      reason = TranslateText("CommandLine", "--dpi must be a whole number from 10 to 2400");
      return std::nullopt;
    }
    request.dpi = static_cast<double>(*value);
  }
  return request;
}

}  // namespace

int RunExportSubcommand(const CommandArgs& args, std::ostream&, std::ostream& err) {
  MainModel model;
  auto printer = std::make_shared<ExportPrinterSetup>();
  std::optional<ExportRequest> request;
  const auto setUp = [&](const ParsedCommandLine& parsed) {
    std::string reason;
    request = ReadRequest(parsed, reason);
    if (request) {
      EnsureGuiSession();
      model.setPrinter(printer);
    }
    return reason;
  };
  // Preparing includes ApplySeason, which the print command runs first.
  ParsedCommandLine parsed;
  if (const int status = StartCommand(args, kExportOptions, 0, kSynopsis, model, parsed, err,
                                      IntervalRule::Dial, setUp);
      status != kExitOk) {
    return status;
  }
  if (request->paper) printer->setPaperSize(*request->paper);
  if (request->orientation) printer->setOrientation(*request->orientation);
  const int16_t paper = printer->Current().paperSize;
  const int16_t orientation = printer->Current().orientation;
  const int16_t pageCount = PrintedPageCount(request->pages.value_or(model.dialOption.maxPages));
  if (request->page > pageCount) {
    return PrintUsage(err, kSynopsis,
                      TranslateText("CommandLine", "--page 2 needs a two-page job (--pages 2)"));
  }

  if (const int maxDpi = MaxPngDpi(paper, orientation);
      request->kind == ExportKind::Png && request->dpi > maxDpi) {
    return PrintUsage(err, kSynopsis,
                      FillText(TranslateText("CommandLine",
                                             "--dpi must be at most %1 for a PNG of this paper "
                                             "(20000 pixels a side); an SVG takes up to 2400"),
                               {std::to_string(maxDpi)}));
  }
  if (request->tiles && request->kind == ExportKind::Dxf) {
    return PrintUsage(err, kSynopsis,
                      TranslateText("CommandLine",
                                    "--tiles prints on sheets of paper (PDF, PNG or SVG); "
                                    "a DXF is drawn whole at the face's size"));
  }
  const CheckOutcome checked =
      CheckOutputForScript(model, paper, orientation, pageCount, request->tiles, err);
  if (!checked.proceed) return kExitFailure;

  const ExportPages pages{paper,        orientation,    checked.pageCount,         request->page,
                          request->dpi, request->tiles, checked.onePagePaperFactor};
  const Status status = ExportPagesToFile(model, request->path, request->kind, pages);
  if (!status.ok()) {
    err << model.lastError.description << '\n';
    return kExitFailure;
  }
  return kExitOk;
}

// umbrafex print: the design on a printer of the desktop, through the same
// job as the window's Print.
#include <memory>
#include <ostream>
#include <string>

#include "CommandHelp.h"
#include "CommonOptions.h"
#include "GuiSession.h"
#include "MainModel.h"
#include "OutputChecks.h"
#include "PageExport.h"
#include "PrintCommand.h"
#include "PrintJob.h"
#include "PrintSubcommands.h"
#include "PrinterSetupQt.h"
#include "SheetOptions.h"
#include "UiText.h"

namespace {

constexpr std::string_view kSynopsis = kPrintSynopsis;
constexpr ExtraOptionSpec kPrintOptions[] = {{"--printer", true},     {"--paper", true},
                                             {"--orientation", true}, {"--pages", true},
                                             {"--copies", true},      {"--tiles", true}};
constexpr long kMaxCopies = 999;

struct PrintRequest : SheetOptions {
  std::optional<std::string> printer;
  std::optional<int16_t> copies;
};

std::optional<PrintRequest> ReadRequest(const ParsedCommandLine& parsed, std::string& reason) {
  PrintRequest request;
  request.printer = parsed.Extra("--printer");
  if (!ReadSheetOptions(parsed, request, reason)) return std::nullopt;
  if (const auto copies = parsed.Extra("--copies")) {
    const auto value = ParseWholeNumber<long>(*copies);
    if (!value || *value < 1 || *value > kMaxCopies) {
      reason = TranslateText("CommandLine", "--copies must be a whole number from 1 to 999");
      return std::nullopt;
    }
    request.copies = static_cast<int16_t>(*value);
  }
  return request;
}

// The options over what the document's printer section set.
bool ApplyRequest(PrinterSetup& printer, const PrintRequest& request, std::ostream& err) {
  if (request.printer && !printer.SelectPrinter(*request.printer)) {
    err << FillText(TranslateText("PrintSubcommand", "The printer \"%1\" was not found."),
                    {*request.printer})
        << '\n';
    return false;
  }
  if (request.paper && !printer.setPaperSize(*request.paper)) {
    err << TranslateText("PrintSubcommand", "The printer does not take this paper.") << '\n';
    return false;
  }
  if (request.orientation) printer.setOrientation(*request.orientation);
  if (request.copies) printer.setCopies(*request.copies);
  return true;
}

}  // namespace

int RunPrintSubcommand(const CommandArgs& args, std::ostream&, std::ostream& err) {
  MainModel model;
  std::optional<PrintRequest> request;
  const auto setUp = [&](const ParsedCommandLine& parsed) {
    std::string reason;
    request = ReadRequest(parsed, reason);
    if (request) {
      EnsureGuiSession();
      model.setPrinter(MakeSystemPrinterSetup());
    }
    return reason;
  };
  // The document's printer section selects and sets the printer, as on opening.
  ParsedCommandLine parsed;
  if (const int status = StartCommand(args, kPrintOptions, 0, kSynopsis, model, parsed, err,
                                      IntervalRule::Dial, setUp);
      status != kExitOk) {
    return status;
  }
  PrinterSetup& printer = model.Printer();
  if (!printer.IsPrinterAvailable()) {
    err << NoPrinterText() << '\n';
    return kExitFailure;
  }
  if (!ApplyRequest(printer, *request, err)) return kExitFailure;

  const PrinterProperties current = printer.Current();
  const int16_t pageCount = PrintedPageCount(request->pages.value_or(model.dialOption.maxPages));
  const CheckOutcome checked = CheckOutputForScript(model, current.paperSize, current.orientation,
                                                    pageCount, request->tiles, err);
  if (!checked.proceed) return kExitFailure;
  if (!(request->tiles ? PrintTilesOnPrinter(model) : PrintOnPrinter(model, checked.pageCount))
           .ok()) {
    err << model.lastError.description << '\n';
    return kExitFailure;
  }
  return kExitOk;
}

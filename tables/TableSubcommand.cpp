// umbrafex table: the yearly table of the equation of time or of the solar
// declination, as a CSV file or as a workbook with a chart.
#include "TableSubcommand.h"

#include <ostream>

#include "AsciiText.h"
#include "CommandHelp.h"
#include "CommonOptions.h"
#include "MainModel.h"
#include "UiText.h"
#include "YearTables.h"

namespace {

constexpr std::string_view kSynopsis = kTableSynopsis;
constexpr ExtraOptionSpec kTableOptions[] = {{"-o", true}};

std::optional<TableKind> KindNamed(std::string_view word) {
  if (word == "eot") return TableKind::EquationOfTime;
  if (word == "declination") return TableKind::SolarDeclination;
  return std::nullopt;
}

}  // namespace

int RunTableSubcommand(const CommandArgs& args, std::ostream&, std::ostream& err) {
  MainModel model;
  ParsedCommandLine parsed;
  if (const int status = StartCommand(args, kTableOptions, 1, kSynopsis, model, parsed, err);
      status != kExitOk) {
    return status;
  }
  const auto kind = KindNamed(parsed.positionals.front());
  if (!kind)
    return PrintUsage(err, kSynopsis,
                      TranslateText("CommandLine", "name the table: eot or declination"));
  const auto output = parsed.Extra("-o");
  const bool workbook = output && NamesFileWithExtension(*output, ".xlsx");
  if (!output || (!workbook && !NamesFileWithExtension(*output, ".csv"))) {
    return PrintUsage(
        err, kSynopsis,
        TranslateText("CommandLine", "give the output file with -o, ending in .csv or .xlsx"));
  }

  const Status status =
      workbook ? WriteTableWorkbook(model, *kind, *output) : WriteTableFile(model, *kind, *output);
  if (!status.ok()) {
    err << model.lastError.description << '\n';
    return kExitFailure;
  }
  return kExitOk;
}

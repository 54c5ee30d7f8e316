// umbrafex info: the calculation-conditions listing of a design, and the
// design itself saved as a settings document.
#include <ostream>
#include <string>
#include <utility>

#include "CommandHelp.h"
#include "CommonOptions.h"
#include "InfoListing.h"
#include "MainModel.h"
#include "Subcommands.h"
#include "UiText.h"

namespace {

constexpr std::string_view kSynopsis = kInfoSynopsis;
constexpr ExtraOptionSpec kInfoOptions[] = {{"--save", true}};

std::string WithLfLineEnds(const std::string& text) {
  std::string lf;
  lf.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    lf += text[i];
  }
  return lf;
}

// The options given whose values the saved document will not bring back.
std::string OptionsNotKept(const CommonOptions& o) {
  std::string names;
  const std::pair<bool, const char*> options[] = {{o.leapYear.has_value(), "--leap"},
                                                  {o.startTime.has_value(), "--start"},
                                                  {o.endTime.has_value(), "--end"},
                                                  {o.season.has_value(), "--season"},
                                                  {o.day.has_value(), "--day"}};
  for (const auto& [given, name] : options) {
    if (given) names += std::string(names.empty() ? "" : ", ") + name;
  }
  return names;
}

}  // namespace

int RunInfoSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  MainModel model;
  ParsedCommandLine parsed;
  if (const int status = StartCommand(args, kInfoOptions, 0, kSynopsis, model, parsed, err);
      status != kExitOk) {
    return status;
  }
  const auto savePath = parsed.Extra("--save");
  if (savePath && !NamesFileWithExtension(*savePath, ".ufx")) {
    return PrintUsage(err, kSynopsis,
                      TranslateText("CommandLine", "--save needs a file name ending in .ufx"));
  }
  std::string listing;
  if (!TrapStatus(model.lastError, [&] {
         listing = BuildInfoListing(model.Chart(), model.season.seasonDate.year, model.dialPlane);
       }).ok()) {
    err << model.lastError.description << '\n';
    return kExitFailure;
  }
  out << WithLfLineEnds(listing);
  if (savePath && !model.SaveDocument(*savePath).ok()) {
    err << model.lastError.description << '\n';
    return kExitFailure;
  }
  if (const std::string lost = OptionsNotKept(parsed.common); savePath && !lost.empty()) {
    err << "umbrafex: "
        << FillText(TranslateText("CommandLine",
                                  "note: %1 does not keep %2; opening it gives "
                                  "the document's own values"),
                    {*savePath, lost})
        << '\n';
  }
  return kExitOk;
}

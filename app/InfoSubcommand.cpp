// umbrafex info: the calculation-conditions listing of a design, and the
// design itself saved as a settings document.
#include <ostream>

#include "Subcommands.h"
#include "CommonOptions.h"
#include "InfoListing.h"
#include "MainModel.h"

namespace {

constexpr std::string_view kSynopsis = "umbrafex info [DOC.ufx] [options] [--save OUT.ufx]";
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

}  // namespace

int RunInfoSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  MainModel model;
  ParsedCommandLine parsed;
  if (const int status = StartCommand(args, kInfoOptions, 0, kSynopsis, model, parsed, err);
      status != kExitOk) {
    return status;
  }
  std::string listing;
  if (!TrapStatus(model.LastError, [&] { listing = BuildInfoListing(model.Chart()); }).ok()) {
    err << model.LastError.Description << '\n';
    return kExitFailure;
  }
  out << WithLfLineEnds(listing);
  if (const auto savePath = parsed.Extra("--save");
      savePath && !model.SaveDocument(*savePath).ok()) {
    err << model.LastError.Description << '\n';
    return kExitFailure;
  }
  return kExitOk;
}

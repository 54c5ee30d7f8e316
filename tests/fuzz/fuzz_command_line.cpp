// Command lines of any words: the input's zero bytes separate the words.
// Parsing ends in options or a one-line reason; options that parse set up
// a design or give the system's message, and never hold a value that no
// document may hold.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "CommonOptions.h"
#include "MainModel.h"
#include "SettingChecks.h"

namespace {

// Every option some command adds to the shared ones.
constexpr ExtraOptionSpec kExtras[] = {
    {"-o", true},      {"--save", true},    {"--at", true},          {"--size", true},
    {"--paper", true}, {"--pages", true},   {"--orientation", true}, {"--page", true},
    {"--dpi", true},   {"--printer", true}, {"--copies", true}};

CommandArgs Words(const uint8_t* data, size_t size) {
  CommandArgs words(1);
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      words.emplace_back();
    } else {
      words.back() += static_cast<char>(data[i]);
    }
  }
  return words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const CommandArgs args = Words(data, size);
  std::ostringstream err;
  ParsedCommandLine parsed;
  const int status = ReadCommandWords(args, kExtras, args.size(), "fuzz", parsed, err);
  if (status != kExitOk) {
    if (status != kExitUsage || err.str().find("usage: fuzz") == std::string::npos) std::abort();
    return 0;
  }
  const CommonOptions& o = parsed.common;
  if ((o.interval && !IsDialInterval(*o.interval)) || (o.name && HasControlCharacters(*o.name)) ||
      (o.timeSystem && !IsTimeSystem(*o.timeSystem))) {
    std::abort();
  }
  // Documents are fuzzed by themselves; here only the options set up a design.
  parsed.common.document.reset();
  MainModel model;
  std::ostringstream message;
  const int prepared = PrepareModel(model, parsed.common, message);
  if (prepared != kExitOk && (prepared != kExitFailure || message.str().empty())) std::abort();
  return 0;
}

#include <ostream>
#include <string_view>

#include "Commands.h"

namespace {

struct CommandEntry {
  std::string_view name;
  int (*run)(const CommandArgs&, std::ostream&, std::ostream&);
};

constexpr CommandEntry kCommands[] = {
    {"solars", RunSolarsSubcommand}, {"info", RunInfoSubcommand},   {"table", RunTableSubcommand},
    {"export", RunExportSubcommand}, {"clock", RunClockSubcommand}, {"print", RunPrintSubcommand},
    {"lines", RunLinesCommand},
};

}  // namespace

int RunSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return -1;
  for (const auto& command : kCommands) {
    if (args[0] == command.name) {
      const CommandArgs rest(args.begin() + 1, args.end());
      return command.run(rest, out, err);
    }
  }
  return -1;
}

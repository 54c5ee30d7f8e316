#include <ostream>
#include <string_view>

#include "ClockSubcommand.h"
#include "CommandHelp.h"
#include "PrintSubcommands.h"
#include "Subcommands.h"
#include "TableSubcommand.h"

namespace {

struct CommandEntry {
  std::string_view name;
  int (*run)(const CommandArgs&, std::ostream&, std::ostream&);
};

constexpr CommandEntry kCommands[] = {
    {"solars", RunSolarsSubcommand}, {"info", RunInfoSubcommand},   {"table", RunTableSubcommand},
    {"export", RunExportSubcommand}, {"clock", RunClockSubcommand}, {"print", RunPrintSubcommand},
    {"lines", RunLinesSubcommand},   {"wall", RunWallSubcommand},
};

}  // namespace

int RunSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return -1;
  for (const auto& command : kCommands) {
    if (args[0] == command.name) {
      const CommandArgs rest(args.begin() + 1, args.end());
      if (AsksForHelp(rest)) {
        out << *CommandHelpText(command.name);
        return 0;
      }
      return command.run(rest, out, err);
    }
  }
  return -1;
}

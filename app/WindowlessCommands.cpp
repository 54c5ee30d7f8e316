#include "WindowlessCommands.h"

#include <algorithm>
#include <iterator>

#include "CommandHelp.h"
#include "PrintSubcommands.h"
#include "Subcommands.h"
#include "TableSubcommand.h"

namespace {

// Nothing here may reach a window or a printer: the executable links these
// without Qt Widgets and Qt Print Support (app/CMakeLists.txt).
constexpr CommandEntry kWindowlessCommands[] = {
    {"solars", RunSolarsSubcommand}, {"info", RunInfoSubcommand},   {"table", RunTableSubcommand},
    {"export", RunExportSubcommand}, {"lines", RunLinesSubcommand}, {"wall", RunWallSubcommand},
};

}  // namespace

int RunListedSubcommand(std::span<const CommandEntry> commands, const CommandArgs& args,
                        std::ostream& out, std::ostream& err) {
  if (args.empty()) return -1;
  for (const auto& command : commands) {
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

bool IsWindowlessSubcommand(const CommandArgs& args) {
  return !args.empty() &&
         std::any_of(std::begin(kWindowlessCommands), std::end(kWindowlessCommands),
                     [&](const CommandEntry& c) { return args[0] == c.name; });
}

int RunWindowlessSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  return RunListedSubcommand(kWindowlessCommands, args, out, err);
}

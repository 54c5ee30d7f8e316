#include "WindowlessCommands.h"

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

int RunWindowlessSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  return RunListedSubcommand(kWindowlessCommands, args, out, err);
}

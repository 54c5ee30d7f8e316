#include <ostream>
#include <span>
#include <string_view>

#include "ClockSubcommand.h"
#include "CommandHelp.h"
#include "PrintSubcommands.h"
#include "Subcommands.h"
#include "WindowlessCommands.h"

namespace {

constexpr CommandEntry kWindowCommands[] = {
    {"clock", RunClockSubcommand},
    {"print", RunPrintSubcommand},
};

}  // namespace

int RunSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  const int status = RunWindowlessSubcommand(args, out, err);
  if (status >= 0) return status;
  return RunListedSubcommand(kWindowCommands, args, out, err);
}

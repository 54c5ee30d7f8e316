// The table of subcommands and its lookup, shared by the program (every
// subcommand) and its executable's own dispatch (those without windows).
#pragma once

#include <ostream>
#include <span>
#include <string_view>

#include "Commands.h"

struct CommandEntry {
  std::string_view name;
  int (*run)(const CommandArgs&, std::ostream&, std::ostream&);
};

// Runs the listed subcommand named by args[0] (its help for -h or --help);
// -1 when none of `commands` has that name.
int RunListedSubcommand(std::span<const CommandEntry> commands, const CommandArgs& args,
                        std::ostream& out, std::ostream& err);

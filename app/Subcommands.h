// umbrafex info, solars and wall, and the dispatch to every subcommand.
#pragma once

#include "Commands.h"

int RunInfoSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunSolarsSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunWallSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

// Runs the subcommand named by args[0]; -1 when there is no such command.
int RunSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

// The same for the subcommands that need no window and no printer (all but
// clock and print), which the program runs without loading its windows.
int RunWindowlessSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err);
bool IsWindowlessSubcommand(const CommandArgs& args);

// The umbrafex program's subcommands for scripts. Each takes the arguments
// after its name and returns the process exit status: 0 success, 1 usage
// error, 2 a failure reported with the system's own message.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

using CommandArgs = std::vector<std::string>;

int RunSolarsSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunInfoSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunTableSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunExportSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunClockSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunPrintSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunLinesCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

// Runs the subcommand named by args[0]; -1 when there is no such command.
int RunSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

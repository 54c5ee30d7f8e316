// The umbrafex program's subcommands for scripts. Each takes the arguments
// after its name and returns the process exit status: 0 success, 1 usage
// error, 2 a failure reported with the system's own message.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

using CommandArgs = std::vector<std::string>;
using SubcommandFunction = int (*)(const CommandArgs&, std::ostream& out, std::ostream& err);

// Flushes standard output; when anything written there was lost (a full
// disk, /dev/full) prints why and turns a success into kExitFailure.
int FinishStandardOutput(int status, std::ostream& err);

// The umbrafex program's subcommands for scripts. Each takes the arguments
// after its name and returns the process exit status: 0 success, 1 usage
// error, 2 a failure reported with the system's own message.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

using CommandArgs = std::vector<std::string>;
using SubcommandFunction = int (*)(const CommandArgs&, std::ostream& out, std::ostream& err);

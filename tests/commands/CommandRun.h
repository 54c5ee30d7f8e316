// Runs a whole command line as the program does and keeps what it printed.
#pragma once

#include <sstream>
#include <string>

#include "Commands.h"

struct CommandResult {
  int status;
  std::string out;
  std::string err;
};

inline CommandResult RunCommandLine(const CommandArgs& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunSubcommand(args, out, err);
  return {status, out.str(), err.str()};
}

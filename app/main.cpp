// umbrafex: the sundial designer. With a subcommand it is a command-line tool
// for scripts; otherwise it starts the desktop program.
#include <iostream>
#include <string>
#include <vector>

#include "Commands.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const int status = RunCommand(args, std::cout, std::cerr);
  if (status >= 0) return status;
  // No subcommand: until the windows exist, show the default dial's sun positions.
  return RunSolarsCommand({}, std::cout, std::cerr);
}

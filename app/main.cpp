// umbrafex: the sundial designer. With a subcommand it is a command-line tool
// for scripts; otherwise it starts the desktop program.
#include <iostream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "Commands.h"
#include "DesktopProgram.h"
#include "WindowHooks.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const int status = RunSubcommand(args, std::cout, std::cerr);
  if (status >= 0) return status;

  const DesktopRequest request = ReadDesktopCommandLine(args);
  switch (request.kind) {
    case DesktopRequest::Kind::Help:
      std::cout << DesktopUsage();
      return 0;
    case DesktopRequest::Kind::Version:
      std::cout << DesktopVersion();
      return 0;
    case DesktopRequest::Kind::UsageError:
      std::cerr << "umbrafex: " << request.reason << '\n' << DesktopUsage();
      return 1;
    case DesktopRequest::Kind::Window:
      break;
  }
  // Qt reads (and may take away) its own options; the document is ours.
  int qtArgc = 1;
  return RunDesktopProgram(qtArgc, argv, request.documentPath, InstalledHooks());
}

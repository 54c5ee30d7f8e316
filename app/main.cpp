// umbrafex: the sundial designer. With a subcommand it is a command-line tool
// for scripts; otherwise it starts the desktop program.
//
// The subcommands that need no window and no printer run here. Everything
// else is in the program module, loaded only then: a script's export need
// not load Qt Widgets and Qt Print Support, a few milliseconds of each run.
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "Commands.h"
#include "ProgramModule.h"
#include "Subcommands.h"
#include "UiLanguage.h"

int main(int argc, char** argv) {
  // Past a file-size limit a write then fails and is reported, and the
  // temporary file of an unfinished save is removed, rather than the
  // signal ending the program in the middle of it.
  std::signal(SIGXFSZ, SIG_IGN);
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (!IsWindowlessSubcommand(args)) return RunProgramModule(argc, argv);
  // Scripts speak the language of the locale.
  InstallUiLanguage(LanguageFromLocale());
  return FinishStandardOutput(RunWindowlessSubcommand(args, std::cout, std::cerr), std::cerr);
}

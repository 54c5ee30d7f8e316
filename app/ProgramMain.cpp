#include "ProgramMain.h"

#include <iostream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "DesktopProgram.h"
#include "DisplayCheck.h"
#include "Paths.h"
#include "Subcommands.h"
#include "UiLanguage.h"
#include "WindowHooks.h"

int RunProgram(int argc, char** argv) {
  // The executable has set the file-size signal aside for the process. The
  // module keeps its own texts: scripts and the desktop alike speak the
  // language of the locale; the desktop program may switch to the one
  // chosen in its preferences.
  InstallUiLanguage(LanguageFromLocale());
  const std::vector<std::string> args(argv + 1, argv + argc);
  const int status = RunSubcommand(args, std::cout, std::cerr);
  if (status >= 0) return FinishStandardOutput(status, std::cerr);

  const DesktopRequest request = ReadDesktopCommandLine(args);
  switch (request.kind) {
    case DesktopRequest::Kind::Help:
      std::cout << DesktopUsage();
      return FinishStandardOutput(0, std::cerr);
    case DesktopRequest::Kind::Version:
      std::cout << DesktopVersion();
      return FinishStandardOutput(0, std::cerr);
    case DesktopRequest::Kind::UsageError:
      std::cerr << "umbrafex: " << request.reason << '\n' << DesktopUsage();
      return 1;
    case DesktopRequest::Kind::Window:
      break;
  }
  const FileProbe exists = [](const std::string& path) { return FileExists(path); };
  if (const std::string message = MistypedCommandMessage(args, exists); !message.empty()) {
    std::cerr << message;
    return 1;
  }
  // Qt would abort (status 134) on finding no display; say so and stop.
  if (const std::string problem = DisplayProblem(); !problem.empty()) {
    std::cerr << NoDisplayMessage(args, problem, exists);
    return 1;
  }
  // Qt reads (and may take away) its own options; the document is ours.
  int qtArgc = 1;
  return RunDesktopProgram(qtArgc, argv, request.documentPath, InstalledHooks());
}

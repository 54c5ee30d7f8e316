#include "ProgramModule.h"

#include <dlfcn.h>

#include <iostream>
#include <string>

#include "Paths.h"
#include "UiLanguage.h"
#include "UiText.h"

namespace {

constexpr const char* kModuleName = "umbrafex-program.so";
constexpr const char* kEntryName = "umbrafex_run_program";
using ProgramEntry = int (*)(int, char**);

// Beside the executable (a build), else where the install puts it, found
// from the executable's folder so that any install prefix holds.
std::string ModulePath() {
  const std::string folder = AppFolder();
  const std::string beside = folder + "/" + kModuleName;
  if (FileExists(beside)) return beside;
  return folder + "/" UMBRAFEX_MODULE_FROM_BINDIR "/" + kModuleName;
}

}  // namespace

int RunProgramModule(int argc, char** argv) {
  const std::string path = ModulePath();
  std::string problem;
  if (void* module = dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL)) {
    if (const auto run = reinterpret_cast<ProgramEntry>(dlsym(module, kEntryName))) {
      return run(argc, argv);
    }
    problem = "no " + std::string(kEntryName);
  } else {
    const char* reason = dlerror();
    problem = reason != nullptr ? reason : path;
  }
  InstallUiLanguage(LanguageFromLocale());
  std::cerr << "umbrafex: "
            << FillText(TranslateText("ProgramModule",
                                      "The program's windows cannot be loaded (%1).\n"
                                      "Reinstall umbrafex."),
                        {problem})
            << '\n';
  return 1;
}

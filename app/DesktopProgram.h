// The desktop program from start to end: the Qt application in the chosen language,
// the preferences, the main window with the document named at start-up,
// and writing the preferences when the window closes.
#pragma once

#include <string>

#include "WindowHooks.h"

// Runs until the main window closes; the process's exit status.
int RunDesktopProgram(int& argc, char** argv, const std::string& documentPath,
                      const WindowHooks& hooks);

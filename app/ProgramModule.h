// The executable's way into the program module (umbrafex-program.so): beside
// the executable in a build, in the library folder's umbrafex/ installed.
#pragma once

// Runs the module's program with the command line; when the module cannot
// be loaded, says why on standard error and returns 1.
int RunProgramModule(int argc, char** argv);

// The program module: the whole program (ProgramMain), loaded by the
// executable for the windows, printing and the desktop sundial.
#include "ProgramMain.h"

extern "C" __attribute__((visibility("default"))) int umbrafex_run_program(int argc, char** argv) {
  return RunProgram(argc, argv);
}

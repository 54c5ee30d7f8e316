// The whole program behind the executable: every subcommand, else the
// desktop program. It runs in the program module (app/module.cpp), which the
// executable loads for whatever its windowless subcommands do not do.
#pragma once

int RunProgram(int argc, char** argv);

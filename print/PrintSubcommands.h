// umbrafex export, umbrafex print and umbrafex lines.
#pragma once

#include "Commands.h"

int RunExportSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunPrintSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunLinesSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

// umbrafex export and umbrafex print.
#pragma once

#include "Commands.h"

int RunExportSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunPrintSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

// umbrafex clock: the desktop sundial's picture as a PNG file.
#pragma once

#include "Commands.h"

int RunClockSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

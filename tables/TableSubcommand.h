// umbrafex table: the year's equation of time or declination as CSV or workbook.
#pragma once

#include "Commands.h"

int RunTableSubcommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

#include <ostream>

#include "Commands.h"

int RunClockCommand(const CommandArgs&, std::ostream&, std::ostream& err) {
  err << "umbrafex clock: not available yet\n";
  return 1;
}

#include <ostream>

#include "Commands.h"

int RunInfoCommand(const CommandArgs&, std::ostream&, std::ostream& err) {
  err << "umbrafex info: not available yet\n";
  return 1;
}

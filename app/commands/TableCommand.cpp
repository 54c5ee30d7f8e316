#include <ostream>

#include "Commands.h"

int RunTableCommand(const CommandArgs&, std::ostream&, std::ostream& err) {
  err << "umbrafex table: not available yet\n";
  return 1;
}

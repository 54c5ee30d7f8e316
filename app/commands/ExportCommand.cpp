#include <ostream>

#include "Commands.h"

int RunExportCommand(const CommandArgs&, std::ostream&, std::ostream& err) {
  err << "umbrafex export: not available yet\n";
  return 1;
}

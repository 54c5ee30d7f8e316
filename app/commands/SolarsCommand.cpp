#include <ostream>

#include "Commands.h"

int RunSolarsCommand(const CommandArgs&, std::ostream&, std::ostream& err) {
  err << "umbrafex solars: not available yet\n";
  return 1;
}

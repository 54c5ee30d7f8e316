// The end of every command: what went to standard output must have reached
// it. Written to a full disk, /dev/full or past a file-size limit, the
// output is lost, and a script must not take the run for a success.
#include <cstdio>
#include <iostream>
#include <ostream>

#include "CommonOptions.h"
#include "UiText.h"

int FinishStandardOutput(int status, std::ostream& err) {
  std::cout.flush();
  const bool written = std::cout.good() && std::fflush(stdout) == 0 && std::ferror(stdout) == 0;
  if (written) return status;
  std::clearerr(stdout);
  err << TranslateText("StandardOutput", "Cannot write to standard output.") << '\n';
  return status == kExitOk ? kExitFailure : status;
}

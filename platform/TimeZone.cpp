#include "TimeZone.h"

#include <unistd.h>

#include <cstdlib>
#include <ctime>

namespace {

constexpr double kUnknownTimeZone = 9;

// Without TZ and without /etc/localtime the C library silently assumes UTC;
// that is a guess, not an answer from the system.
bool SystemNamesATimeZone() {
  const char* tz = std::getenv("TZ");
  if (tz != nullptr) return true;
  return ::access("/etc/localtime", R_OK) == 0;
}

}  // namespace

double GetSystemTimeZone() {
  if (!SystemNamesATimeZone()) return kUnknownTimeZone;
  ::tzset();
  // `timezone` holds the standard time's seconds west of UTC.
  return static_cast<double>(-::timezone) / 3600.0;  // never -0
}

#include "TimeZone.h"

#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string_view>

namespace {

constexpr double kUnknownTimeZone = 9;

// Without TZ and without /etc/localtime the C library silently assumes UTC;
// that is a guess, not an answer from the system.
bool SystemNamesATimeZone() {
  const char* tz = std::getenv("TZ");
  if (tz != nullptr) return true;
  return ::access("/etc/localtime", R_OK) == 0;
}

// "Europe/Berlin" from ".../zoneinfo/Europe/Berlin"; the text itself when it
// holds no zoneinfo folder.
std::string ZoneOfPath(std::string_view path) {
  constexpr std::string_view kFolder = "zoneinfo/";
  const std::size_t at = path.rfind(kFolder);
  return std::string(at == std::string_view::npos ? path : path.substr(at + kFolder.size()));
}

// An IANA name is letters, digits and "/_-+": a POSIX rule has a digit or a
// sign right after its abbreviation and no "/".
bool LooksLikeZoneName(std::string_view name) {
  return !name.empty() && name.front() != '/' && name.find('/') != std::string_view::npos &&
         name.find_first_of(" ,<>") == std::string_view::npos;
}

}  // namespace

double GetSystemTimeZone() {
  if (!SystemNamesATimeZone()) return kUnknownTimeZone;
  ::tzset();
  // `timezone` holds the standard time's seconds west of UTC.
  return static_cast<double>(-::timezone) / 3600.0;  // never -0
}

std::string GetSystemTimeZoneName() {
  if (const char* tz = std::getenv("TZ")) {
    std::string_view text(tz);
    if (!text.empty() && text.front() == ':') text.remove_prefix(1);
    const std::string name = ZoneOfPath(text);
    return LooksLikeZoneName(name) ? name : std::string();
  }
  char target[512];
  const ssize_t length = ::readlink("/etc/localtime", target, sizeof target - 1);
  if (length > 0) {
    const std::string name = ZoneOfPath(std::string_view(target, static_cast<std::size_t>(length)));
    if (LooksLikeZoneName(name)) return name;
  }
  std::ifstream file("/etc/timezone");
  std::string name;
  std::getline(file, name);
  return LooksLikeZoneName(name) ? name : std::string();
}

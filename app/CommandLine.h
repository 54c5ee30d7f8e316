// What the desktop program makes of its command line when no subcommand
// is named: the window with at most one document, or help, version, or a
// usage error.
#pragma once

#include <string>
#include <vector>

struct DesktopRequest {
  enum class Kind { Window, Help, Version, UsageError };
  Kind kind = Kind::Window;
  std::string documentPath;  // empty for none
  std::string reason;        // of a usage error
};

// The words after the program's name. One document path, in double quotes
// or not; a path with spaces that arrives as several words is joined again.
DesktopRequest ReadDesktopCommandLine(const std::vector<std::string>& args);

std::string DesktopUsage();
std::string DesktopVersion();

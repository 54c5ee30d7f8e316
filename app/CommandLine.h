// What the desktop program makes of its command line when no subcommand
// is named: the window with at most one document, or help, version, or a
// usage error.
#pragma once

#include <functional>
#include <string>
#include <string_view>
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

// Whether a path names an existing file; the tests give their own.
using FileProbe = std::function<bool(const std::string&)>;

// A first word that names neither a command nor an existing file, followed
// by an option ("exprot -o x.pdf"), is a mistyped command rather than a
// document: the message for it, or "" when the words may name a document.
std::string MistypedCommandMessage(const std::vector<std::string>& args, const FileProbe& exists);

// Why the window cannot start without a display, with the command a first
// word that is no file most likely meant.
std::string NoDisplayMessage(const std::vector<std::string>& args, std::string_view reason,
                             const FileProbe& exists);

#include "CommandLine.h"

#include "Version.h"

DesktopRequest ReadDesktopCommandLine(const std::vector<std::string>& args) {
  if (args.empty()) return {};
  const std::string& first = args.front();
  if (first == "--help") return {DesktopRequest::Kind::Help, {}, {}};
  if (first == "--version") return {DesktopRequest::Kind::Version, {}, {}};
  if (first.starts_with('-')) {
    return {DesktopRequest::Kind::UsageError, {}, "unknown option: " + first};
  }
  std::string path = first;
  for (std::size_t i = 1; i < args.size(); ++i) path += " " + args[i];
  if (path.size() >= 2 && path.front() == '"' && path.back() == '"') {
    path = path.substr(1, path.size() - 2);
  }
  return {DesktopRequest::Kind::Window, path, {}};
}

std::string DesktopUsage() {
  return "usage: umbrafex [DOC.ufx]           open the sundial designer's window\n"
         "       umbrafex COMMAND [options]   run a command for scripts:\n"
         "         solars   sun positions of the dial's hour lines\n"
         "         info     the calculation conditions listing\n"
         "         table    equation-of-time or declination table\n"
         "         export   the printed pages as PDF, SVG or PNG\n"
         "         clock    the desktop sundial's picture as PNG\n"
         "         lines    the points of the date lines and hour curves as CSV\n"
         "       umbrafex --help | --version\n";
}

std::string DesktopVersion() {
  return std::string(kProductName) + " Version " + std::to_string(kVersionMajor) + "." +
         (kVersionMinor < 10 ? "0" : "") + std::to_string(kVersionMinor) + "\n";
}

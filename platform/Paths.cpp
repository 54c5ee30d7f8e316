#include "Paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

namespace {

bool EndsWithSeparator(std::string_view folder) {
  return !folder.empty() && (folder.back() == '/' || folder.back() == '\\');
}

std::string CurrentFolder() {
  char buffer[PATH_MAX];
  return ::getcwd(buffer, sizeof buffer) != nullptr ? std::string(buffer) : std::string(".");
}

}  // namespace

std::string AppFolder() {
  char buffer[PATH_MAX];
  ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return CurrentFolder();
  return GetFolderName(std::string_view(buffer, static_cast<std::size_t>(n)));
}

std::string DocumentFolder() {
  const char* home = std::getenv("HOME");
  return home != nullptr && *home != '\0' ? std::string(home) : CurrentFolder();
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  std::string joined(folder);
  if (!EndsWithSeparator(folder)) joined += '/';
  joined += name;
  return joined;
}

std::string GetFolderName(std::string_view path) {
  auto slash = path.find_last_of('/');
  if (slash == std::string_view::npos) return CurrentFolder();
  if (slash == 0) return "/";
  return std::string(path.substr(0, slash));
}

std::string GetFileName(std::string_view path) {
  auto slash = path.find_last_of('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string RemoveExtension(std::string_view path) {
  auto slash = path.find_last_of('/');
  auto start = slash == std::string_view::npos ? 0 : slash + 1;
  auto dot = path.find_last_of('.');
  // A leading dot names a hidden file rather than starting an extension.
  if (dot == std::string_view::npos || dot <= start) return std::string(path);
  return std::string(path.substr(0, dot));
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return !path.empty() && ::stat(path.c_str(), &info) == 0;
}

std::string QuotePath(std::string_view text) {
  if (text.find(' ') == std::string_view::npos) return std::string(text);
  std::string quoted;
  if (!text.starts_with('"')) quoted += '"';
  quoted += text;
  if (!text.ends_with('"')) quoted += '"';
  return quoted;
}

std::string UnquotePath(std::string_view text) {
  if (text.starts_with('"')) text.remove_prefix(1);
  if (text.ends_with('"')) text.remove_suffix(1);
  return std::string(text);
}

std::string FindDataFile(std::string_view name) {
  const std::string folder = AppFolder();
  std::string beside = JoinPath(folder, name);
  if (FileExists(beside)) return beside;
  std::string shared = JoinPath(JoinPath(folder, "../share/umbrafex"), name);
  if (FileExists(shared)) return shared;
  return beside;
}

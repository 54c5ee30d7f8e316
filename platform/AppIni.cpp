#include "AppIni.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "AsciiText.h"
#include "FileIo.h"
#include "Paths.h"
#include "ProfileFile.h"
#include "UiText.h"

namespace {

constexpr const char* kIniName = "umbrafex.ini";

std::string& OverridePath() {
  static std::string path;
  return path;
}

std::string UserConfigFolder() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg != nullptr && xdg[0] == '/') return JoinPath(xdg, "umbrafex");
  const char* home = std::getenv("HOME");
  return JoinPath(JoinPath(home != nullptr ? home : "", ".config"), "umbrafex");
}

// A UTF-16 file starts with its byte order mark, or has a zero byte in
// every ASCII character of its first line.
bool LooksLikeUtf16(const std::string& bytes) {
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return true;
  const std::string_view head = std::string_view(bytes).substr(0, 64);
  const auto zeros = static_cast<std::size_t>(std::count(head.begin(), head.end(), '\0'));
  return head.size() >= 4 && zeros * 3 >= head.size();
}

// The nearest folder of the path that exists: where a missing ini file and
// its folders would be made.
std::string ExistingFolder(std::string path) {
  do {
    path = GetFolderName(path);
  } while (path.size() > 1 && !FileExists(path));
  return path;
}

void EnsureFolder(const std::string& path) {
  std::error_code ignored;
  std::filesystem::create_directories(GetFolderName(path), ignored);
}

}  // namespace

std::string AppIniPath() {
  if (!OverridePath().empty()) return OverridePath();
  const std::string portable = JoinPath(AppFolder(), kIniName);
  if (FileExists(portable)) return portable;
  return JoinPath(UserConfigFolder(), kIniName);
}

void SetAppIniPath(std::string path) {
  OverridePath() = std::move(path);
}

// Every reader and writer goes through LoadAppIni, so a file it refuses
// (UTF-16 above all) is neither misread nor rewritten.
int32_t GetIniInt(std::string_view section, std::string_view key, int32_t fallback) {
  try {
    return LoadAppIni().value_or(ProfileFile()).GetInt(section, key, fallback);
  } catch (...) {
    return fallback;
  }
}

std::string GetIniString(std::string_view section, std::string_view key,
                         std::string_view fallback) {
  try {
    return LoadAppIni().value_or(ProfileFile()).GetString(section, key, fallback);
  } catch (...) {
    return std::string(fallback);
  }
}

int32_t PutIniString(std::string_view section, std::string_view key, std::string_view value) {
  try {
    if (TrimText(section).empty() || TrimText(key).empty()) return 0;
    std::optional<ProfileFile> file = LoadAppIni();
    if (!file) return 0;
    file->Set(section, key, value);
    return SaveAppIni(*file) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

std::string AppIniProblem() {
  const std::string path = AppIniPath();
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    const std::string folder = ExistingFolder(path);
    if (::access(folder.c_str(), W_OK | X_OK) == 0) return "";
    return FillText(TranslateText("AppIni", "cannot write to the folder %1"), {folder});
  }
  if (S_ISDIR(info.st_mode)) return TranslateText("AppIni", "a folder has the same name");
  if (!S_ISREG(info.st_mode)) return TranslateText("AppIni", "not a regular file");
  if (static_cast<std::size_t>(info.st_size) > kMaxProfileBytes)
    return TranslateText("AppIni", "larger than 16 MB");
  const std::optional<std::string> bytes = ReadFileBytes(path, kMaxProfileBytes);
  if (!bytes) return TranslateText("AppIni", "cannot be read");
  if (LooksLikeUtf16(*bytes))
    return TranslateText("AppIni", "written in UTF-16, which cannot be read");
  if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0)
    return TranslateText("AppIni", "read-only, so the settings cannot be saved");
  return "";
}

std::optional<ProfileFile> LoadAppIni() {
  try {
    const std::string path = AppIniPath();
    if (FileExists(path)) {
      const std::optional<std::string> bytes = ReadFileBytes(path, kMaxProfileBytes);
      if (!bytes || LooksLikeUtf16(*bytes)) return std::nullopt;
      return ProfileFile::FromBytes(*bytes);
    }
    return ProfileFile();
  } catch (...) {
    return std::nullopt;
  }
}

bool SaveAppIni(const ProfileFile& file) {
  try {
    const std::string path = AppIniPath();
    const std::optional<std::string> bytes = file.Bytes();
    if (!bytes) return false;
    // Every preference is put on its own, and most are put again unchanged
    // at exit: a file that already says it all is left as it is, sparing
    // the disk a flushed write for each.
    if (ReadFileBytes(path, bytes->size()) == *bytes) return true;
    EnsureFolder(path);
    return WriteFileAtomically(path, *bytes);
  } catch (...) {
    return false;
  }
}

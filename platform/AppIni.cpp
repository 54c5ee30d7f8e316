#include "AppIni.h"

#include <cstdlib>
#include <filesystem>

#include "Paths.h"
#include "ProfileFile.h"

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

int32_t GetIniInt(std::string_view section, std::string_view key, int32_t fallback) {
  try {
    return ReadProfileInt(AppIniPath(), section, key, fallback);
  } catch (...) {
    return fallback;
  }
}

std::string GetIniString(std::string_view section, std::string_view key,
                         std::string_view fallback) {
  try {
    return ReadProfileString(AppIniPath(), section, key, fallback);
  } catch (...) {
    return std::string(fallback);
  }
}

int32_t PutIniString(std::string_view section, std::string_view key, std::string_view value) {
  try {
    const std::string path = AppIniPath();
    EnsureFolder(path);
    return WriteProfileString(path, section, key, value);
  } catch (...) {
    return 0;
  }
}

std::optional<ProfileFile> LoadAppIni() {
  try {
    return ProfileFile::Load(AppIniPath());
  } catch (...) {
    return std::nullopt;
  }
}

bool SaveAppIni(const ProfileFile& file) {
  try {
    const std::string path = AppIniPath();
    EnsureFolder(path);
    return file.Save(path);
  } catch (...) {
    return false;
  }
}

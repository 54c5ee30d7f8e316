// The application's own ini file: preferences and window placements.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ProfileFile.h"

// umbrafex.ini in $XDG_CONFIG_HOME/umbrafex (~/.config/umbrafex), or in
// AppFolder when one already exists there (a portable copy of the program);
// or the path last set. An installed program never writes beside itself.
std::string AppIniPath();
// Points the routines below at another file; an empty path restores the default.
void SetAppIniPath(std::string path);

// The integer under section/key, `fallback` when absent or on any failure.
int32_t GetIniInt(std::string_view section, std::string_view key, int32_t fallback);
// The text under section/key (one pair of enclosing quotes removed, at most
// 1023 CP932 bytes), `fallback` when absent or on any failure.
std::string GetIniString(std::string_view section, std::string_view key, std::string_view fallback);
// Stores the text; nonzero on success, 0 on failure (never reported).
int32_t PutIniString(std::string_view section, std::string_view key, std::string_view value);

// Why the file cannot hold the preferences ("" when it can, a missing file
// included): a folder or other non-file at its name, no permission to read
// or write it, more than kMaxProfileBytes, or UTF-16 text, which the profile
// routines cannot read.
std::string AppIniProblem();

// The whole file at once, for reading or writing many keys: nullopt when it
// exists but cannot be read, UTF-16 text included (a missing file is an
// empty profile).
std::optional<ProfileFile> LoadAppIni();
// Writes the file, creating its folder as needed. False on failure.
bool SaveAppIni(const ProfileFile& file);

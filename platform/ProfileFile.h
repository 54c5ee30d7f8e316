// Profile (ini) files: sections in brackets and key=value lines, read and
// written the way the Windows profile routines do it. Files are CP932 with
// CR LF line ends; UTF-8 files are read too.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A profile file that is larger than this is taken as damaged.
inline constexpr std::size_t kMaxProfileBytes = 16u * 1024u * 1024u;

// The most bytes (CP932) a stored text yields when read.
inline constexpr std::size_t kProfileValueLimit = 1023;

// The lines of one profile file. Sections and keys are compared without
// regard to ASCII letter case; the first of duplicates counts.
class ProfileFile {
 public:
  ProfileFile() = default;
  // Decoded (UTF-8) text of a file.
  explicit ProfileFile(std::string_view text);
  // The bytes of a file: UTF-8 when valid, otherwise CP932, whose lines are
  // then written back byte for byte unless changed.
  static ProfileFile FromBytes(std::string_view bytes);

  // The file's profile; an empty one when the file does not exist;
  // nullopt when it exists but cannot be read.
  static std::optional<ProfileFile> Load(const std::string& path);
  // Writes the profile with CR LF: in CP932 while every line fits it, else
  // in UTF-8 after a byte-order mark. False on failure (the old file then
  // stays as it was).
  bool Save(const std::string& path) const;
  // The bytes Save writes; nullopt when a line is neither CP932 nor UTF-8.
  std::optional<std::string> Bytes() const;

  // The value, trimmed, with one pair of enclosing double quotes removed,
  // cut at a NUL and to kProfileValueLimit CP932 bytes. nullopt when absent.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  // Find, or `fallback` (limited the same way) when absent.
  std::string GetString(std::string_view section, std::string_view key,
                        std::string_view fallback) const;
  // The integer at the start of the stored text (decimal, or hexadecimal
  // after "0x"), or `fallback` when the key is absent or holds no number.
  int32_t GetInt(std::string_view section, std::string_view key, int32_t fallback) const;
  // Replaces the key's value, or adds the key (and its section) when absent.
  // Every other line stays as it was.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  // The lines joined with CR LF (UTF-8).
  std::string Text() const;

 private:
  // Index of the section's header line, or lines_.size().
  std::size_t FindSection(std::string_view section) const;
  // Index of the key's line in the section starting after `header`, or nullopt.
  std::optional<std::size_t> FindKey(std::size_t header, std::string_view key) const;
  // One past the section's last line that is not blank.
  std::size_t SectionEnd(std::size_t header) const;
  std::optional<std::string> Utf8Bytes() const;

  std::vector<std::string> lines_;
  // The file's own CP932 bytes of each line not changed since loading.
  std::vector<std::optional<std::string>> raw_;
};

// The text stored under the key of the file at path, or `fallback` when
// the file, section or key is absent or unreadable (also limited as Find).
std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view fallback);
// The integer at the start of the stored text (decimal, or hexadecimal after
// "0x"), or `fallback` when the key is absent or holds no number.
int32_t ReadProfileInt(const std::string& path, std::string_view section, std::string_view key,
                       int32_t fallback);
// Stores the value, creating file, section and key as needed. Nonzero on
// success, 0 on failure.
int32_t WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                           std::string_view value);

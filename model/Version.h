// The program's name and version, as captions, headers and documents show them.
#pragma once

#include <string>

inline constexpr const char* kProductName = "Umbrafex";
inline constexpr int kVersionMajor = 3;
inline constexpr int kVersionMinor = 4;
inline constexpr int kVersionRevision = 0;

// "3.04.00": minor and revision with two digits.
inline std::string VersionText() {
  auto two = [](int n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); };
  return std::to_string(kVersionMajor) + "." + two(kVersionMinor) + "." + two(kVersionRevision);
}

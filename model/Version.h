// The program's name and version, as captions, headers and documents show them.
#pragma once

#include <string>

inline constexpr const char* kProductName = "Umbrafex";
inline constexpr int kVersionMajor = 3;
inline constexpr int kVersionMinor = 4;
inline constexpr int kVersionRevision = 0;

// "3.04.00": minor and revision with two digits, as documents and the
// preferences have always stored it.
inline std::string VersionText() {
  auto two = [](int n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); };
  return std::to_string(kVersionMajor) + "." + two(kVersionMinor) + "." + two(kVersionRevision);
}

// "3.4.0": the version of the package, which the build checks against
// these numbers.
inline std::string PackageVersionText() {
  return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
         std::to_string(kVersionRevision);
}

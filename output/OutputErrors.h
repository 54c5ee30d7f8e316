// Errors of writing pages to files.
#pragma once

#include <string>

#include "mdlChartCommon.h"

// The runtime's "path/file access error" number.
inline constexpr int32_t kFileAccessErrorNumber = 75;

[[noreturn]] inline void RaiseCannotWrite(const std::string& source, const std::string& path) {
  throw RaisedError(kFileAccessErrorNumber, source, "ファイルに書き込めません。(" + path + ")");
}

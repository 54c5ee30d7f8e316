// Errors of writing pages to files.
#pragma once

#include <string>

#include "EngineErrors.h"

[[noreturn]] inline void RaiseCannotWrite(const std::string& source, const std::string& path) {
  RaiseError(kFileAccessNumber, source, "ファイルに書き込めません。(" + path + ")");
}

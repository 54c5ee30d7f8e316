// Errors of writing pages to files.
#pragma once

#include <string>

#include "EngineErrors.h"
#include "TextArgument.h"
#include "UiText.h"

[[noreturn]] inline void RaiseCannotWrite(const std::string& source, const std::string& path) {
  RaiseError(kFileAccessNumber, source,
             WithArgument(TranslateText("OutputErrors", "Cannot write the file %1."), path));
}

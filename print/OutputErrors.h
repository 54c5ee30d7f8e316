// Errors of writing pages to files.
#pragma once

#include <string>

#include "EngineErrors.h"
#include "UiText.h"

[[noreturn]] inline void RaiseCannotWrite(const std::string& source, const std::string& path) {
  RaiseError(kFileAccessNumber, source,
             FillText(TranslateText("OutputErrors", "Cannot write the file %1."), {path}));
}

// Element routines run one after another, as every drawing pass runs them.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>

#include "EngineErrors.h"

using DrawStep = std::function<int32_t()>;

// Runs the steps in order, skipping empty ones, and stops at the first that
// does not return kTrue, giving its status.
inline int32_t RunInOrder(std::initializer_list<DrawStep> steps) {
  for (const DrawStep& step : steps) {
    if (!step) continue;
    const int32_t status = step();
    if (status != kTrue) return status;
  }
  return kTrue;
}

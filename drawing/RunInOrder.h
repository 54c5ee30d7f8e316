// Element routines run one after another, as every drawing pass runs them.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>

#include "EngineErrors.h"

using DrawStep = std::function<Status()>;

// Runs the steps in order, skipping empty ones, and stops at the first that
// fails, giving its status.
inline Status RunInOrder(std::initializer_list<DrawStep> steps) {
  for (const DrawStep& step : steps) {
    if (!step) continue;
    const Status status = step();
    if (!status.ok()) return status;
  }
  return Status::Ok();
}

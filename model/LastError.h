// The application's last-error record: what a failed routine leaves for
// its caller to show.
#pragma once

#include <cstdint>
#include <string>

#include "EngineErrors.h"

class LastErrorRecord {
public:
  void ClearLastError() { number_ = 0; source_.clear(); description_.clear(); }
  // Copies the pending (caught) error and returns its number.
  int32_t SaveLastError(const RaisedError& pending) {
    number_ = pending.Number();
    source_ = pending.Source();
    description_ = pending.Description();
    return number_;
  }
  int32_t LastErrNumber() const { return number_; }
  const std::string& LastErrSource() const { return source_; }
  const std::string& LastErrDescription() const { return description_; }
  // Raises the recorded error again, for callers that pass it on.
  [[noreturn]] void RaiseLastError() const { throw RaisedError(number_, source_, description_); }

private:
  int32_t number_ = 0;
  std::string source_;
  std::string description_;
};

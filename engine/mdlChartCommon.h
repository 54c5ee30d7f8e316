// Error record shared by the engine and the "raise" that carries an error
// from the point of failure to the member that reports it.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// The status every status-returning routine gives on success (all bits set).
inline constexpr int32_t kTrue = -1;
// The number of every error the engine detects itself (0x800405E9).
inline constexpr int32_t kEngineErrorNumber = static_cast<int32_t>(0x800405E9u);

// A raised error: number, source and description, as the user will see them.
class RaisedError : public std::runtime_error {
public:
  RaisedError(int32_t number, std::string source, std::string description)
      : std::runtime_error(description), number_(number), source_(std::move(source)),
        description_(std::move(description)) {}

  int32_t Number() const { return number_; }
  const std::string& Source() const { return source_; }
  const std::string& Description() const { return description_; }

private:
  int32_t number_;
  std::string source_;
  std::string description_;
};

struct EngineErrorRecord {
  int32_t Number = 0;
  std::string Source;
  std::string Description;

  void Clear() { *this = EngineErrorRecord{}; }
  void Record(const RaisedError& e) { Number = e.Number(); Source = e.Source(); Description = e.Description(); }
};

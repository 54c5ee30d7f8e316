// The one status convention of the program. A routine that reports its
// errors returns a Status and leaves the error's source and description in
// an ErrorRecord. Errors travel as RaisedError only between the two
// bridges: Raise/RaiseRecorded at the point of failure, TrapStatus where a
// routine turns them back into a status.
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <new>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>

// The number of every error the engine detects itself (0x800405E9).
inline constexpr int32_t kEngineErrorNumber = static_cast<int32_t>(0x800405E9u);

// The sign sits on the first non-zero member; the others are not negative.
using DmsAngle = std::array<int16_t, 3>;       // degrees (or hours), minutes, seconds
using CalcDateArray = std::array<int16_t, 2>;  // month 1..12, day 1..31

// A routine's outcome: ok, or the number of the error that stopped it.
class [[nodiscard]] Status {
 public:
  constexpr Status() = default;
  static constexpr Status Ok() { return Status(); }
  // number is not 0, which stands for no error.
  static constexpr Status Error(int32_t number) { return Status(number); }

  constexpr bool ok() const { return number_ == 0; }
  constexpr int32_t number() const { return number_; }  // 0 when ok
  friend constexpr bool operator==(Status, Status) = default;

 private:
  constexpr explicit Status(int32_t number) : number_(number) {}
  int32_t number_ = 0;
};
// "ok" or "error <number>", also how GoogleTest prints a status.
std::ostream& operator<<(std::ostream& out, Status status);

// A text users read, marked for lupdate by its context and English source;
// the compiler keeps the source, which EngineErrorText translates.
#define ENGINE_TEXT_NOOP(context, text) text

// The engine links no translations: the program installs a translator of
// the user's language at start (TranslateText's). Until then the engine's
// texts stay English.
using EngineTextTranslator = std::string (*)(const char* context, const char* source);
void InstallEngineTextTranslator(EngineTextTranslator translator);
// An error's description as the user reads it: an engine text (context
// "EngineErrors") in the installed language, any other text unchanged.
// Errors and records pass their descriptions through it, so that texts of
// the engine reach every reader translated.
std::string EngineErrorText(std::string description);

// An error in flight between the two bridges.
class RaisedError : public std::runtime_error {
 public:
  RaisedError(int32_t number, std::string source, std::string description)
      : std::runtime_error(EngineErrorText(std::move(description))),
        number_(number),
        source_(std::move(source)),
        description_(what()) {}

  int32_t Number() const { return number_; }
  const std::string& Source() const { return source_; }
  const std::string& Description() const { return description_; }

 private:
  int32_t number_;
  std::string source_;
  std::string description_;
};

// The last error a routine met: number (0 none), source and description,
// as the user will see them.
struct ErrorRecord {
  int32_t number = 0;
  std::string source;
  std::string description;

  // Keeps the strings' storage: the record is cleared on every engine call.
  void Clear() {
    number = 0;
    source.clear();
    description.clear();
  }
  // Fills the record and gives the error's status.
  Status Record(int32_t errorNumber, std::string errorSource, std::string errorDescription) {
    number = errorNumber;
    source = std::move(errorSource);
    description = EngineErrorText(std::move(errorDescription));
    return Status::Error(number);
  }
  Status Record(const RaisedError& e) { return Record(e.Number(), e.Source(), e.Description()); }
  Status Record(const ErrorRecord& other) {
    return Record(other.number, other.source, other.description);
  }
};

// Runtime errors the engine can meet besides its own, and the file errors
// of the layers above it (numbered as the runtime numbers them).
inline constexpr int32_t kInvalidCallNumber = 5;  // a domain error, an absent key
inline constexpr int32_t kOverflowNumber = 6;     // a value beyond a 16-bit integer
inline constexpr int32_t kOutOfMemoryNumber = 7;
inline constexpr int32_t kSubscriptRangeNumber = 9;  // an absent position, a short array
inline constexpr int32_t kDuplicateKeyNumber = 457;  // a key already in a collection
inline constexpr int32_t kFileNotFoundNumber = 53;
inline constexpr int32_t kFileAccessNumber = 75;  // a path or file that cannot be used

inline constexpr const char* kInvalidCallText =
    ENGINE_TEXT_NOOP("EngineErrors", "Invalid call or argument.");
inline constexpr const char* kOverflowText = ENGINE_TEXT_NOOP("EngineErrors", "Overflow.");
inline constexpr const char* kOutOfMemoryText = ENGINE_TEXT_NOOP("EngineErrors", "Out of memory.");
inline constexpr const char* kSubscriptRangeText =
    ENGINE_TEXT_NOOP("EngineErrors", "Index out of range.");
inline constexpr const char* kDuplicateKeyText =
    ENGINE_TEXT_NOOP("EngineErrors", "This key is already in the collection.");

// The raising bridge. Raises the error the record holds.
[[noreturn]] void RaiseRecorded(const ErrorRecord& record);
// Raises a new error, also filling the record when one is given.
[[noreturn]] void RaiseError(int32_t number, std::string source, std::string description);
[[noreturn]] void RaiseError(ErrorRecord& record, int32_t number, std::string source,
                             std::string description);

// How a trap records a fault of the platform or the library (a
// std::exception that is not a RaisedError).
using FaultRecorder = ErrorRecord (*)(const std::exception& fault);

// The trapping bridge. Runs a routine: Ok when it finishes (or the status it
// returns, if it returns one), otherwise the status of the error it raised,
// with the record filled. Running out of
// memory is recorded as kOutOfMemoryNumber without a source; with a
// FaultRecorder every other std::exception is recorded as it says, without
// one it passes on.
template <typename Body>
Status TrapStatus(ErrorRecord& record, Body&& body, FaultRecorder onFault = nullptr) {
  try {
    if constexpr (std::is_same_v<std::invoke_result_t<Body>, Status>) {
      return body();
    } else {
      body();
      return Status::Ok();
    }
  } catch (const RaisedError& e) {
    return record.Record(e);
  } catch (const std::exception& fault) {
    if (onFault != nullptr) return record.Record(onFault(fault));
    if (dynamic_cast<const std::bad_alloc*>(&fault) == nullptr) throw;
    return record.Record(kOutOfMemoryNumber, std::string(), kOutOfMemoryText);
  }
}
// The same for a caller that needs only the outcome, not the record.
template <typename Body>
Status TrapStatus(Body&& body, FaultRecorder onFault = nullptr) {
  ErrorRecord ignored;
  return TrapStatus(ignored, std::forward<Body>(body), onFault);
}

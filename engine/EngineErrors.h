// Error record shared by the engine and the "raise" that carries an error
// from the point of failure to the member that reports it.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

// The status every status-returning routine gives on success (all bits set).
inline constexpr int32_t kTrue = -1;
// The number of every error the engine detects itself (0x800405E9).
inline constexpr int32_t kEngineErrorNumber = static_cast<int32_t>(0x800405E9u);

// The sign sits on the first non-zero member; the others are not negative.
using DmsAngle = std::array<int16_t, 3>;       // degrees (or hours), minutes, seconds
using CalcDateArray = std::array<int16_t, 2>;  // month 1..12, day 1..31

// A raised error: number, source and description, as the user will see them.
class RaisedError : public std::runtime_error {
 public:
  RaisedError(int32_t number, std::string source, std::string description)
      : std::runtime_error(description),
        number_(number),
        source_(std::move(source)),
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

  // Keeps the strings' storage: the record is cleared on every engine call.
  void Clear() {
    Number = 0;
    Source.clear();
    Description.clear();
  }
  void Record(const RaisedError& e) {
    Number = e.Number();
    Source = e.Source();
    Description = e.Description();
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

inline constexpr const char* kInvalidCallText = "プロシージャの呼び出し、または引数が不正です。";
inline constexpr const char* kOverflowText = "オーバーフローしました。";
inline constexpr const char* kOutOfMemoryText = "メモリが不足しています。";
inline constexpr const char* kSubscriptRangeText = "インデックスが有効範囲にありません。";
inline constexpr const char* kDuplicateKeyText =
    "このキーは既にこのコレクションの要素に割り当てられています。";

// Fills the record and raises the error.
[[noreturn]] void RaiseEngineError(EngineErrorRecord& record, int32_t number, std::string source,
                                   std::string description);
// Raises the error the record holds again.
[[noreturn]] void RaiseRecorded(const EngineErrorRecord& record);

// Runs a routine inside an error trap: kTrue when it finishes, otherwise the
// number of the error it raised, with the record filled.
template <typename Body>
int32_t TrapStatus(EngineErrorRecord& record, Body&& body) noexcept {
  try {
    body();
    return kTrue;
  } catch (const RaisedError& e) {
    record.Record(e);
    return e.Number();
  } catch (const std::bad_alloc&) {
    record.Number = kOutOfMemoryNumber;
    record.Source.clear();
    record.Description = kOutOfMemoryText;
    return kOutOfMemoryNumber;
  }
}

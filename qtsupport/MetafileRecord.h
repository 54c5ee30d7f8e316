// Bounds-checked little-endian reading of one metafile record, shared by
// the wmf and emf players. Internal to the metafile reader.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "MetafileParser.h"

namespace metafile::detail {

// Bounds that keep a hostile file from exhausting memory or time.
inline constexpr std::size_t kMaxPoints = 4'000'000;
inline constexpr std::size_t kMaxOps = 200'000;
inline constexpr std::size_t kMaxSavedStates = 1024;

struct RecordTooShort {};

// One record's bytes; reads past its end throw RecordTooShort, which skips
// the record.
class Record {
 public:
  Record(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::size_t size() const { return size_; }
  uint8_t U8(std::size_t at) const {
    Need(at, 1);
    return data_[at];
  }
  uint16_t U16(std::size_t at) const {
    Need(at, 2);
    return static_cast<uint16_t>(data_[at] | (data_[at + 1] << 8));
  }
  int16_t S16(std::size_t at) const { return static_cast<int16_t>(U16(at)); }
  uint32_t U32(std::size_t at) const {
    Need(at, 4);
    return static_cast<uint32_t>(data_[at]) | (static_cast<uint32_t>(data_[at + 1]) << 8) |
           (static_cast<uint32_t>(data_[at + 2]) << 16) |
           (static_cast<uint32_t>(data_[at + 3]) << 24);
  }
  int32_t S32(std::size_t at) const { return static_cast<int32_t>(U32(at)); }
  float F32(std::size_t at) const {
    const uint32_t bits = U32(at);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }
  Rgb Color(std::size_t at) const { return Rgb{U8(at), U8(at + 1), U8(at + 2)}; }
  std::string_view Bytes(std::size_t at, std::size_t count) const {
    Need(at, count);
    return {reinterpret_cast<const char*>(data_ + at), count};
  }
  void Need(std::size_t at, std::size_t count) const {
    if (at > size_ || count > size_ - at) throw RecordTooShort{};
  }

 private:
  const uint8_t* data_;
  std::size_t size_;
};

}  // namespace metafile::detail

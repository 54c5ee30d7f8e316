#include "TextCodec.h"

#include <iconv.h>

#include <cerrno>

namespace {

constexpr const char* kCp932 = "CP932";
constexpr const char* kUtf8 = "UTF-8";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// Owns one iconv conversion descriptor.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much of the input as possible, appending to out. Stops at the
  // first byte the source encoding rejects; returns the number of bytes used.
  std::size_t convert(std::string_view in, std::string& out) {
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[4096];
    while (srcLeft > 0) {
      char* dst = buffer;
      std::size_t dstLeft = sizeof buffer;
      std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buffer, static_cast<std::size_t>(dst - buffer));
      if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) break;
    }
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // reset shift state
    return in.size() - srcLeft;
  }

 private:
  iconv_t cd_;
};

// One descriptor per direction and thread, opened on first use: profiles
// convert line by line, and opening iconv for every line costs more than the
// conversion. Each conversion leaves the descriptor in its initial state.
Converter& ToUtf8() {
  thread_local Converter converter(kUtf8, kCp932);
  return converter;
}

Converter& ToCp932() {
  thread_local Converter converter(kCp932, kUtf8);
  return converter;
}

// Length of the well-formed UTF-8 sequence at the start of s, 0 when none.
std::size_t Utf8SequenceLength(std::string_view s) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  auto continuation = [&](std::size_t i) { return i < s.size() && (byte(i) & 0xC0) == 0x80; };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  if (lead < 0xC2) return 0;
  if (lead < 0xE0) return continuation(1) ? 2 : 0;
  if (lead < 0xF0) {
    if (!continuation(1) || !continuation(2)) return 0;
    if (lead == 0xE0 && byte(1) < 0xA0) return 0;   // overlong
    if (lead == 0xED && byte(1) >= 0xA0) return 0;  // surrogate
    return 3;
  }
  if (lead < 0xF5) {
    if (!continuation(1) || !continuation(2) || !continuation(3)) return 0;
    if (lead == 0xF0 && byte(1) < 0x90) return 0;   // overlong
    if (lead == 0xF4 && byte(1) >= 0x90) return 0;  // beyond U+10FFFF
    return 4;
  }
  return 0;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
  std::string out;
  out.reserve(cp932.size() + cp932.size() / 2);
  Converter& converter = ToUtf8();
  if (!converter.ok()) {
    for (unsigned char c : cp932)
      out += c < 0x80 ? std::string(1, static_cast<char>(c)) : std::string(kReplacement);
    return out;
  }
  while (!cp932.empty()) {
    std::size_t used = converter.convert(cp932, out);
    cp932.remove_prefix(used);
    if (!cp932.empty()) {  // a byte CP932 does not define
      out += kReplacement;
      cp932.remove_prefix(1);
    }
  }
  return out;
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  if (!IsValidUtf8(utf8)) return std::nullopt;
  std::string out;
  out.reserve(utf8.size());
  Converter& converter = ToCp932();
  if (!converter.ok()) {
    while (!utf8.empty()) {
      std::size_t n = Utf8SequenceLength(utf8);
      out += n == 1 ? utf8[0] : '?';
      utf8.remove_prefix(n);
    }
    return out;
  }
  while (!utf8.empty()) {
    std::size_t used = converter.convert(utf8, out);
    utf8.remove_prefix(used);
    if (!utf8.empty()) {  // a character CP932 lacks
      out += '?';
      utf8.remove_prefix(Utf8SequenceLength(utf8));
    }
  }
  return out;
}

std::optional<std::string> Utf8ToCp932Exactly(std::string_view utf8) {
  if (!IsValidUtf8(utf8)) return std::nullopt;
  std::string out;
  out.reserve(utf8.size());
  Converter& converter = ToCp932();
  if (!converter.ok() || converter.convert(utf8, out) != utf8.size()) return std::nullopt;
  // Some characters have a CP932 form that reads back as another (WAVE DASH
  // U+301C becomes FULLWIDTH TILDE U+FF5E): those do not fit either.
  if (Cp932ToUtf8(out) != utf8) return std::nullopt;
  return out;
}

std::optional<std::string> EncodeFileText(std::string_view utf8) {
  if (auto cp932 = Utf8ToCp932Exactly(utf8)) return cp932;
  if (!IsValidUtf8(utf8)) return std::nullopt;
  return "\xEF\xBB\xBF" + std::string(utf8);
}

bool IsValidUtf8(std::string_view s) {
  while (!s.empty()) {
    std::size_t n = Utf8SequenceLength(s);
    if (n == 0) return false;
    s.remove_prefix(n);
  }
  return true;
}

std::string DecodeFileText(std::string_view bytes) {
  std::string_view body = WithoutByteOrderMark(bytes);
  if (IsValidUtf8(body)) return std::string(body);
  return Cp932ToUtf8(bytes);
}

std::string_view WithoutByteOrderMark(std::string_view bytes) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  return bytes;
}

#include "ProfileFile.h"

#include "AsciiText.h"
#include "FileIo.h"
#include "Paths.h"
#include "TextCodec.h"

namespace {

bool IsSectionLine(std::string_view trimmed) {
  return trimmed.starts_with('[');
}

// "[name]" gives name; a header without its closing bracket runs to the end.
std::string_view SectionName(std::string_view trimmed) {
  std::string_view inner = trimmed.substr(1);
  auto close = inner.rfind(']');
  if (close != std::string_view::npos) inner = inner.substr(0, close);
  return TrimText(inner);
}

bool IsComment(std::string_view trimmed) {
  return trimmed.starts_with(';');
}

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

std::optional<KeyLine> SplitKeyLine(std::string_view line) {
  std::string_view trimmed = TrimText(line);
  if (IsSectionLine(trimmed) || IsComment(trimmed)) return std::nullopt;
  auto equals = trimmed.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return KeyLine{TrimText(trimmed.substr(0, equals)), TrimText(trimmed.substr(equals + 1))};
}

std::vector<std::string> OwnedLines(std::string_view text) {
  const std::vector<std::string_view> views = SplitLines(text);
  return {views.begin(), views.end()};
}

// Line breaks inside a value would make new lines of the file; they and
// the other control characters are written as spaces.
std::string SingleLine(std::string_view text) {
  std::string line(text);
  for (char& c : line) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) c = ' ';
  }
  return line;
}

// Cuts at the first NUL and to the byte limit in CP932 (in UTF-8 for text
// beyond it), never inside a character.
std::string LimitValue(std::string_view value) {
  value = value.substr(0, value.find('\0'));
  std::optional<std::string> cp932 = Utf8ToCp932Exactly(value);
  if (!cp932) {
    // Text beyond CP932 (kept in UTF-8): cut at a character boundary.
    if (value.size() <= kProfileValueLimit || !IsValidUtf8(value)) return std::string(value);
    std::size_t end = kProfileValueLimit;
    while (end > 0 && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80) --end;
    return std::string(value.substr(0, end));
  }
  if (cp932->size() <= kProfileValueLimit) return std::string(value);
  std::size_t end = 0;
  while (end < cp932->size()) {
    unsigned char lead = static_cast<unsigned char>((*cp932)[end]);
    bool doubleByte = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
    std::size_t next = end + (doubleByte ? 2 : 1);
    if (next > kProfileValueLimit) break;
    end = next;
  }
  return Cp932ToUtf8(std::string_view(*cp932).substr(0, end));
}

std::string_view RemoveEnclosingQuotes(std::string_view value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
    return value.substr(1, value.size() - 2);
  return value;
}

// Reads a leading integer as the Windows profile reader does: optional sign,
// then decimal digits or "0x" and hexadecimal digits; 32-bit wrap-around.
std::optional<int32_t> LeadingInteger(std::string_view text) {
  text = TrimText(text);
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  uint32_t base = 10;
  if (text.size() > 2 && text[0] == '0' && LowerAscii(text[1]) == 'x') {
    base = 16;
    text.remove_prefix(2);
  }
  uint32_t value = 0;
  std::size_t digits = 0;
  for (char c : text) {
    char lower = LowerAscii(c);
    uint32_t digit = 0;
    if (c >= '0' && c <= '9')
      digit = static_cast<uint32_t>(c - '0');
    else if (base == 16 && lower >= 'a' && lower <= 'f')
      digit = static_cast<uint32_t>(lower - 'a' + 10);
    else
      break;
    value = value * base + digit;
    ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (negative) value = 0u - value;
  return static_cast<int32_t>(value);
}

}  // namespace

ProfileFile::ProfileFile(std::string_view text) : lines_(OwnedLines(text)), raw_(lines_.size()) {}

ProfileFile ProfileFile::FromBytes(std::string_view bytes) {
  std::string_view body = WithoutByteOrderMark(bytes);
  if (IsValidUtf8(body)) return ProfileFile(body);
  // CP932 never uses CR or LF inside a character, so the byte lines are the
  // text lines.
  ProfileFile file;
  for (std::string_view line : SplitLines(bytes)) {
    file.lines_.push_back(Cp932ToUtf8(line));
    file.raw_.emplace_back(line);
  }
  return file;
}

std::optional<ProfileFile> ProfileFile::Load(const std::string& path) {
  if (!FileExists(path)) return ProfileFile();
  std::optional<std::string> bytes = ReadFileBytes(path, kMaxProfileBytes);
  if (!bytes) return std::nullopt;
  return FromBytes(*bytes);
}

std::optional<std::string> ProfileFile::Bytes() const {
  // CP932 as older versions read it, lines read from the file kept byte for
  // byte; UTF-8 with a byte-order mark as soon as one value does not fit.
  std::string bytes;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    std::optional<std::string> line = raw_[i] ? raw_[i] : Utf8ToCp932Exactly(lines_[i]);
    if (!line) return Utf8Bytes();
    bytes += *line;
    bytes += "\r\n";
  }
  return bytes;
}

std::optional<std::string> ProfileFile::Utf8Bytes() const {
  std::string bytes = "\xEF\xBB\xBF";
  for (const std::string& line : lines_) {
    if (!IsValidUtf8(line)) return std::nullopt;
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

bool ProfileFile::Save(const std::string& path) const {
  const std::optional<std::string> bytes = Bytes();
  return bytes && WriteFileAtomically(path, *bytes);
}

std::size_t ProfileFile::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    std::string_view trimmed = TrimText(lines_[i]);
    if (IsSectionLine(trimmed) && EqualsIgnoringCase(SectionName(trimmed), TrimText(section)))
      return i;
  }
  return lines_.size();
}

std::optional<std::size_t> ProfileFile::FindKey(std::size_t header, std::string_view key) const {
  for (std::size_t i = header + 1; i < lines_.size() && !IsSectionLine(TrimText(lines_[i])); ++i) {
    std::optional<KeyLine> line = SplitKeyLine(lines_[i]);
    if (line && EqualsIgnoringCase(line->key, TrimText(key))) return i;
  }
  return std::nullopt;
}

std::size_t ProfileFile::SectionEnd(std::size_t header) const {
  std::size_t end = header + 1;
  for (std::size_t i = header + 1; i < lines_.size() && !IsSectionLine(TrimText(lines_[i])); ++i) {
    if (!TrimText(lines_[i]).empty()) end = i + 1;
  }
  return end;
}

std::optional<std::string> ProfileFile::Find(std::string_view section, std::string_view key) const {
  std::size_t header = FindSection(section);
  if (header == lines_.size()) return std::nullopt;
  std::optional<std::size_t> index = FindKey(header, key);
  if (!index) return std::nullopt;
  return LimitValue(RemoveEnclosingQuotes(SplitKeyLine(lines_[*index])->value));
}

void ProfileFile::Set(std::string_view section, std::string_view key, std::string_view value) {
  const std::string cleanKey = SingleLine(TrimText(key));
  const std::string cleanValue = SingleLine(value);
  std::size_t header = FindSection(section);
  if (header == lines_.size()) {
    if (!lines_.empty() && !TrimText(lines_.back()).empty()) {
      lines_.emplace_back();
      raw_.emplace_back();
    }
    lines_.push_back("[" + SingleLine(TrimText(section)) + "]");
    lines_.push_back(cleanKey + "=" + cleanValue);
    raw_.resize(lines_.size());
    return;
  }
  if (std::optional<std::size_t> index = FindKey(header, key)) {
    // The stored spelling of the key is kept.
    std::string storedKey(SplitKeyLine(lines_[*index])->key);
    lines_[*index] = storedKey + "=" + cleanValue;
    raw_[*index].reset();
    return;
  }
  const auto at = static_cast<std::ptrdiff_t>(SectionEnd(header));
  lines_.insert(lines_.begin() + at, cleanKey + "=" + cleanValue);
  raw_.insert(raw_.begin() + at, std::nullopt);
}

std::string ProfileFile::Text() const {
  std::string text;
  for (const std::string& line : lines_) {
    text += line;
    text += "\r\n";
  }
  return text;
}

std::string ProfileFile::GetString(std::string_view section, std::string_view key,
                                   std::string_view fallback) const {
  std::optional<std::string> value = Find(section, key);
  return value ? *value : LimitValue(fallback);
}

int32_t ProfileFile::GetInt(std::string_view section, std::string_view key,
                            int32_t fallback) const {
  std::optional<std::string> value = Find(section, key);
  return value ? LeadingInteger(*value).value_or(fallback) : fallback;
}

std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view fallback) {
  return ProfileFile::Load(path).value_or(ProfileFile()).GetString(section, key, fallback);
}

int32_t ReadProfileInt(const std::string& path, std::string_view section, std::string_view key,
                       int32_t fallback) {
  return ProfileFile::Load(path).value_or(ProfileFile()).GetInt(section, key, fallback);
}

int32_t WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                           std::string_view value) {
  if (TrimText(section).empty() || TrimText(key).empty()) return 0;
  // A file that exists but cannot be read is left alone rather than replaced.
  std::optional<ProfileFile> file = ProfileFile::Load(path);
  if (!file) return 0;
  file->Set(section, key, value);
  return file->Save(path) ? 1 : 0;
}

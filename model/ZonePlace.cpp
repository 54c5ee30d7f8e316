#include "ZonePlace.h"

#include <cstdlib>
#include <vector>

#include "FileIo.h"
#include "Paths.h"
#include "TextCodec.h"
#include "TimeZone.h"
#include "UiText.h"

namespace {

constexpr std::size_t kMaxFileBytes = 1024u * 1024u;
constexpr std::size_t kFieldCount = 10;  // zone, two names, 6 angle members, hours

// The comma-separated fields of one line; quotes enclose text (with commas).
std::vector<std::string> SplitFields(std::string_view line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (char c : line) {
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

std::optional<double> Number(const std::string& text) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || end != text.c_str() + text.size()) return std::nullopt;
  return value;
}

// Degrees, minutes, seconds, the sign on the first member that is not zero.
std::optional<double> Angle(const std::vector<std::string>& fields, std::size_t first) {
  double magnitude = 0, scale = 1;
  bool negative = false;
  for (std::size_t i = first; i < first + 3; ++i) {
    const auto member = Number(fields[i]);
    if (!member) return std::nullopt;
    negative = negative || *member < 0;
    magnitude += std::abs(*member) / scale;
    scale *= 60;
  }
  return negative ? -magnitude : magnitude;
}

// The line of the zone's place, without its line end; empty when there is none.
std::string_view ZoneLine(std::string_view text, std::string_view zone) {
  const std::string key = "\"" + std::string(zone) + "\",";
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (line.substr(0, key.size()) != key) continue;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
  }
  return {};
}

}  // namespace

const std::string& ZonePlace::Name() const {
  return TextLanguage() == UiLanguage::Japanese ? japaneseName : englishName;
}

std::optional<ZonePlace> FindZonePlace(std::string_view text, std::string_view zone) {
  const std::string_view line = ZoneLine(text, zone);
  if (line.empty()) return std::nullopt;
  const std::vector<std::string> fields = SplitFields(line);
  if (fields.size() != kFieldCount) return std::nullopt;
  const auto latitude = Angle(fields, 3);
  const auto longitude = Angle(fields, 6);
  const auto hours = Number(fields[9]);
  if (!latitude || !longitude || !hours) return std::nullopt;
  return ZonePlace{fields[1], fields[2], *latitude, *longitude, *hours};
}

std::optional<ZonePlace> SystemZonePlace() {
  const std::string zone = GetSystemTimeZoneName();
  if (zone.empty()) return std::nullopt;
  const auto bytes = ReadFileBytes(FindDataFile(kZoneFileName), kMaxFileBytes);
  if (!bytes) return std::nullopt;
  // Only the zone's line is decoded: the names are ASCII, and neither a line
  // end nor a quote is ever part of a CP932 character, so the line is found
  // in the file's bytes. Each start asks for it, and decoding the whole file
  // took about a millisecond.
  const std::string_view body = WithoutByteOrderMark(*bytes);
  const std::string_view line = ZoneLine(body, zone);
  if (line.empty()) return std::nullopt;
  return FindZonePlace(IsValidUtf8(body) ? std::string(line) : Cp932ToUtf8(line), zone);
}

namespace {

constexpr double kJapanStandardHours = 9;

}  // namespace

ZonePlace DefaultDesignPlace() {
  if (auto place = SystemZonePlace()) return *place;
  // With Akashi's own standard time: the computer's offset (UTC on many
  // servers) would put its noon at 3:00.
  return ZonePlace{"Akashi, Hyogo", "兵庫県明石市", 34.65, 135, kJapanStandardHours};
}

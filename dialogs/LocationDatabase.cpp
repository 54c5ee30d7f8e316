#include "LocationDatabase.h"

#include "FileIo.h"
#include "LocationFields.h"
#include "Paths.h"
#include "TextCodec.h"

namespace {

// The real files are a few dozen kilobytes; anything far larger is not ours.
constexpr std::size_t kMaxFileBytes = 8u * 1024u * 1024u;

std::optional<RegionRecord> ReadRegionRecord(LocationFieldReader& reader) {
  RegionRecord region;
  const auto code = reader.ReadInteger();
  if (!code) return std::nullopt;
  auto english = reader.ReadText();
  auto prefix = english ? reader.ReadText() : std::nullopt;
  auto japanese = prefix ? reader.ReadText() : std::nullopt;
  if (!japanese) return std::nullopt;
  return RegionRecord{*code, std::move(*english), std::move(*prefix), std::move(*japanese)};
}

std::optional<DmsTriple> ReadTriple(LocationFieldReader& reader) {
  DmsTriple triple{};
  for (int16_t& member : triple) {
    const auto value = reader.ReadInteger();
    if (!value) return std::nullopt;
    member = *value;
  }
  return triple;
}

// Reads one whole city record, keeping the coordinates of the chosen set.
std::optional<CityRecord> ReadCityRecord(LocationFieldReader& reader, CoordinateSet set) {
  CityRecord city;
  const auto region = reader.ReadInteger();
  const auto number = region ? reader.ReadInteger() : std::nullopt;
  auto english = number ? reader.ReadText() : std::nullopt;
  auto japanese = english ? reader.ReadText() : std::nullopt;
  if (!japanese) return std::nullopt;
  std::array<DmsTriple, 4> triples{};
  for (DmsTriple& triple : triples) {
    const auto read = ReadTriple(reader);
    if (!read) return std::nullopt;
    triple = *read;
  }
  const auto timeZone = reader.ReadReal();
  auto remarks = timeZone ? reader.ReadText() : std::nullopt;
  if (!remarks) return std::nullopt;
  const std::size_t first = set == CoordinateSet::Default ? 0 : 2;
  return CityRecord{*region,
                    *number,
                    std::move(*english),
                    std::move(*japanese),
                    triples[first],
                    triples[first + 1],
                    *timeZone,
                    std::move(*remarks)};
}

// The region code a record starts with, read again from its first field.
std::optional<int16_t> RegionOfRecordAt(std::string_view text, std::size_t start) {
  LocationFieldReader reader(text.substr(start));
  return reader.ReadInteger();
}

std::optional<std::string> ReadDatabaseText(const std::string& folder, std::string_view name) {
  const auto bytes = ReadFileBytes(JoinPath(folder, name), kMaxFileBytes);
  if (!bytes) return std::nullopt;
  return DecodeFileText(*bytes);
}

}  // namespace

std::optional<std::vector<RegionRecord>> ParseRegions(std::string_view text) {
  LocationFieldReader reader(text);
  std::vector<RegionRecord> regions;
  while (regions.size() < kMaxRegions && reader.HasData()) {
    auto region = ReadRegionRecord(reader);
    if (!region || region->code != static_cast<int>(regions.size()) + 1) return std::nullopt;
    regions.push_back(std::move(*region));
  }
  return regions;
}

std::optional<std::vector<CityRecord>> ParseCities(std::string_view text, int16_t regionCode,
                                                   CoordinateSet set) {
  LocationFieldReader reader(text);
  std::vector<CityRecord> cities;
  while (reader.HasData()) {
    const std::size_t start = reader.Position();
    auto city = ReadCityRecord(reader, set);
    const auto region = city ? std::optional(city->regionCode) : RegionOfRecordAt(text, start);
    if (region && *region > regionCode) break;
    if (!city) {
      // A damaged record spoils its own region only.
      if (region == regionCode) return std::nullopt;
      reader.SkipToLineAfter(start);
      continue;
    }
    if (city->regionCode < regionCode) continue;
    // The list position of a city is its code - 1; a gap would select the
    // wrong city or none.
    if (city->cityCode != static_cast<int>(cities.size()) + 1) return std::nullopt;
    cities.push_back(std::move(*city));
  }
  return cities;
}

std::vector<CityRecord> ParseAllCities(std::string_view text, CoordinateSet set) {
  LocationFieldReader reader(text);
  std::vector<CityRecord> cities;
  while (reader.HasData()) {
    const std::size_t start = reader.Position();
    auto city = ReadCityRecord(reader, set);
    if (city) {
      cities.push_back(std::move(*city));
    } else {
      reader.SkipToLineAfter(start);
    }
  }
  return cities;
}

std::optional<std::vector<RegionRecord>> ReadRegionFile(const std::string& folder) {
  const auto text = ReadDatabaseText(folder, kRegionFileName);
  if (!text) return std::nullopt;
  return ParseRegions(*text);
}

std::optional<std::vector<CityRecord>> ReadCityFile(const std::string& folder, int16_t regionCode,
                                                    CoordinateSet set) {
  const auto text = ReadDatabaseText(folder, kCityFileName);
  if (!text) return std::nullopt;
  return ParseCities(*text, regionCode, set);
}

std::vector<CityRecord> ReadAllCities(const std::string& folder, CoordinateSet set) {
  const auto text = ReadDatabaseText(folder, kCityFileName);
  if (!text) return {};
  return ParseAllCities(*text, set);
}

std::string LocationDatabaseFolder() {
  return GetFolderName(FindDataFile(kRegionFileName));
}

std::string RegionListText(const RegionRecord& region, bool english) {
  if (!english) return region.japaneseName;
  if (region.code <= kLastPrefectureCode) return region.englishPrefix + ", " + region.englishName;
  return region.englishName;
}

std::string CityListText(const CityRecord& city, bool english) {
  return english ? city.englishName : city.japaneseName;
}

std::string PlaceName(const RegionRecord& region, const CityRecord& city, bool english) {
  if (english) return city.englishName + ", " + region.englishName;
  if (region.code <= kLastPrefectureCode) return region.japaneseName + city.japaneseName;
  return city.japaneseName + ", " + region.japaneseName;
}

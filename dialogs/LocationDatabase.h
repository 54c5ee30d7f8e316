// The location database: regions in prefs.dat (the Japanese prefectures first,
// codes 1 to 47 as in JIS X 0401, then further regions) and cities in
// cities.dat, sorted by region, each with two coordinate sets: the default
// set (the old Tokyo datum in Japan) and the world geodetic system (JGD2000).
// Both files are read-only CP932 (or UTF-8) text.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "UiText.h"

inline constexpr std::string_view kRegionFileName = "prefs.dat";
inline constexpr std::string_view kCityFileName = "cities.dat";
// Shown (translated) for every failure to read either file.
inline constexpr std::string_view kLocationDatabaseError =
    UMBRAFEX_TEXT_NOOP("LocationDialog", "The location database cannot be opened.");
inline constexpr std::size_t kMaxRegions = 1000;
// Codes up to this one are prefectures: English prefix shown, names joined
// without a separator in Japanese, the JGD2000 switch available.
inline constexpr int16_t kLastPrefectureCode = 47;

struct RegionRecord {
  int16_t code = 0;
  std::string englishName;
  std::string englishPrefix;
  std::string japaneseName;
};

using DmsTriple = std::array<int16_t, 3>;  // degrees, minutes, seconds

struct CityRecord {
  int16_t regionCode = 0;
  int16_t cityCode = 0;
  std::string englishName;
  std::string japaneseName;
  DmsTriple latitude{};  // of the coordinate set that was asked for
  DmsTriple longitude{};
  double timeZone = 0;  // hours
  std::string remarks;
};

enum class CoordinateSet { Default, Jgd2000 };

// The region records of the text: at most kMaxRegions (anything after them is
// ignored); the record at position i must carry the code i + 1. nullopt when
// a record is malformed or out of order.
std::optional<std::vector<RegionRecord>> ParseRegions(std::string_view text);

// The cities of one region, read from the start of the text up to the first
// record of a higher region code; their city codes must run 1, 2, ... in file
// order. nullopt when one of the region's own records is malformed or
// misnumbered; a damaged record of another region is skipped up to the next
// line, so that it spoils its own region only. A region without cities is an
// empty list.
std::optional<std::vector<CityRecord>> ParseCities(std::string_view text, int16_t regionCode,
                                                   CoordinateSet set);
// Every readable city record of the text, in file order (for searching).
std::vector<CityRecord> ParseAllCities(std::string_view text, CoordinateSet set);

// The same read from the files in the given folder (decoded from CP932, or
// UTF-8 when the bytes are valid UTF-8). nullopt also when the file cannot be
// read.
std::optional<std::vector<RegionRecord>> ReadRegionFile(const std::string& folder);
std::optional<std::vector<CityRecord>> ReadCityFile(const std::string& folder, int16_t regionCode,
                                                    CoordinateSet set);
// Empty when the file cannot be read.
std::vector<CityRecord> ReadAllCities(const std::string& folder, CoordinateSet set);

// The folder the program's database files are read from: the program's
// folder, else ../share/umbrafex beside it.
std::string LocationDatabaseFolder();

// List entries: in English the prefix, "," and the name for prefectures, the
// name alone for other regions; in Japanese the Japanese name.
std::string RegionListText(const RegionRecord& region, bool english);
std::string CityListText(const CityRecord& city, bool english);

// The place name handed to the chart: "city, region" in English; for a
// prefecture in Japanese the two names run together (兵庫県明石市); for other
// regions "city, region" in Japanese too.
std::string PlaceName(const RegionRecord& region, const CityRecord& city, bool english);

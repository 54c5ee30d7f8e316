// Fuzz target of the location database reader: the bytes are one database
// file; the first byte picks the region asked for and the coordinate set.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "LocationDatabase.h"
#include "TextCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto region = static_cast<int16_t>((data[0] & 0x7f) - 8);
  const CoordinateSet set = (data[0] & 0x80) != 0 ? CoordinateSet::Jgd2000 : CoordinateSet::Default;
  const std::string text =
      DecodeFileText(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));

  const auto regions = ParseRegions(text);
  if (regions) {
    for (const RegionRecord& r : *regions) {
      if (RegionListText(r, true).empty() && r.code <= kLastPrefectureCode) __builtin_trap();
      (void)RegionListText(r, false);
    }
  }
  (void)ParseAllCities(text, set);
  const auto cities = ParseCities(text, region, set);
  if (cities) {
    const RegionRecord someRegion{region, "R", "P", "J"};
    for (std::size_t i = 0; i < cities->size(); ++i) {
      const CityRecord& c = (*cities)[i];
      // What the dialog relies on: one region, numbered from 1 in order.
      if (c.regionCode != region || c.cityCode != static_cast<int>(i) + 1) __builtin_trap();
      (void)PlaceName(someRegion, c, (i & 1) != 0);
    }
  }
  return 0;
}

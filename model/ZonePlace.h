// The default place of a new design from the computer's time zone: zones.dat
// beside the program gives, for each IANA zone of the location database, the
// city the zone is named after (Europe/Berlin: Berlin) or its largest one.
// Japan's zone is not listed, so that Akashi stays the default there.
#pragma once

#include <optional>
#include <string>
#include <string_view>

inline constexpr std::string_view kZoneFileName = "zones.dat";

struct ZonePlace {
  std::string englishName;   // "Berlin, Germany"
  std::string japaneseName;  // "ベルリン, ドイツ"
  double latitude = 0;       // degrees, north positive
  double longitude = 0;      // degrees, east positive
  double timeZone = 0;       // standard hours ahead of UTC

  // The name a new design takes: English unless the program speaks Japanese.
  const std::string& Name() const;
};

// The place of `zone` in the text of zones.dat (UTF-8); nullopt when the zone
// is not listed or its line is malformed.
std::optional<ZonePlace> FindZonePlace(std::string_view text, std::string_view zone);

// The place of the computer's zone, read from zones.dat; nullopt when the
// system names no zone, the file cannot be read or does not list it.
std::optional<ZonePlace> SystemZonePlace();

// The place of a new design: SystemZonePlace, else Akashi (兵庫県明石市,
// 34.65 N 135 E) in Japan Standard Time (+9 h).
ZonePlace DefaultDesignPlace();

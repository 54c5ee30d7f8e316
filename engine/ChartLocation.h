// Where the dial stands: name, coordinates, standard meridian and time zone.
// Angles in degrees, north and east positive. Writers fill the chart's error
// record and raise kEngineErrorNumber; nothing is stored then.
#pragma once

#include <string>

struct ChartState;

inline constexpr int kMaxPlaceNameLength = 200;

class ChartLocation {
 public:
  explicit ChartLocation(ChartState& state);

  const std::string& Name() const;
  // Raises for a name of more than kMaxPlaceNameLength characters (UTF-8):
  // a place needs far fewer, and a huge one would slow every page's layout.
  void setName(std::string value);
  double Latitude() const;
  void setLatitude(double value);  // raises outside -90 < x < 90
  double Longitude() const;
  void setLongitude(double value);  // raises outside -180 < x <= 180
  double StandardMeridian() const;
  void setStandardMeridian(double value);  // raises outside -180..180; also sets TimeZone
  double TimeZone() const;                 // hours ahead of UTC
  void setTimeZone(double value);          // raises outside -12..12; also sets StandardMeridian
  // Magnetic declination in degrees, west positive; kNoNorthDiff (-999)
  // outside the area of IsJapanArea. Sources and caveats: SolarFormulas.h.
  double NorthDiff() const;   // magnetic declination, epoch 1990.0; -999 outside the area
  double NorthDiff2() const;  // epoch 2000.0

 private:
  ChartState& state_;
  std::string name_ = "兵庫県明石市";
  double latitude_ = 34.65;
  double longitude_ = 135;
  double standardMeridian_ = 135;
  double timeZone_ = 9;
};

// Where the dial stands: name, coordinates, standard meridian and time zone.
#pragma once

#include <string>

struct ChartState;

class ChartLocation {
 public:
  explicit ChartLocation(ChartState& state);

  const std::string& Name() const;
  void setName(std::string value);
  double Latitude() const;
  void setLatitude(double value);  // raises outside -90 < x < 90
  double Longitude() const;
  void setLongitude(double value);  // raises outside -180 < x <= 180
  double StandardMeridian() const;
  void setStandardMeridian(double value);  // raises outside -180..180; also sets TimeZone
  double TimeZone() const;
  void setTimeZone(double value);  // raises outside -12..12; also sets StandardMeridian
  double NorthDiff() const;        // magnetic declination, epoch 1990.0; -999 outside the area
  double NorthDiff2() const;       // epoch 2000.0

 private:
  ChartState& state_;
  std::string name_ = "兵庫県明石市";
  double latitude_ = 34.65;
  double longitude_ = 135;
  double standardMeridian_ = 135;
  double timeZone_ = 9;
};

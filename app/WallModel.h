// The "Measure the wall" window without its widgets. A nail held square to
// the wall throws a shadow whose tip falls to one side of its foot; from
// the moment of the reading (a date and a clock time of the zone's standard
// time at the design's place), the nail's length and that offset, the
// engine gives the sun's place and the facing of the wall. Every text the
// window shows is made here, and every box is checked here.
#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>

class MainModel;

// The design's place, as the sun's position there needs it.
struct WallPlace {
  std::string name;
  double latitude = 0;
  double longitude = 0;
  double timeZone = 0;      // hours east of Greenwich, standard time
  bool compatible = false;  // which equation-of-time formula the design uses
};
WallPlace WallPlaceOf(const MainModel& model);

enum class WallBox { Month, Day, Time, NailLength, Offset };
inline constexpr std::size_t kWallBoxCount = 5;

class WallModel {
 public:
  // The date and time boxes start at `start` (the zone's standard time
  // now), whose year the date belongs to; the nail's boxes start empty.
  WallModel(WallPlace place, std::chrono::local_seconds start);

  const std::string& Text(WallBox box) const { return text_[static_cast<std::size_t>(box)]; }
  // Every change of a box's text: the sun and the result follow at once.
  void setText(WallBox box, std::string text);

  // "Akashi (34.65°, 135°)" and "standard time, GMT+9:00".
  std::string PlaceText() const;
  std::string ZoneText() const;
  // The sun at the moment typed ("152.3° (SSE)", "40.1°"); empty while the
  // date or the time is not one.
  const std::string& SunAzimuthText() const { return sunAzimuth_; }
  const std::string& SunAltitudeText() const { return sunAltitude_; }
  // "Facing: 160.2° (SSE)", or what stands in its way: the first box that
  // needs another value, or the sun below the horizon.
  const std::string& ResultText() const { return result_; }
  // The wall's facing to a tenth of a degree, as shown; none without one.
  std::optional<double> Facing() const { return facing_; }

 private:
  void Compute();
  // Day of the year and clock hours, or the message about the box.
  bool ReadMoment(int& dayOfYear, double& clockTime);

  WallPlace place_;
  int year_;
  std::array<std::string, kWallBoxCount> text_;
  std::string sunAzimuth_;
  std::string sunAltitude_;
  std::string result_;
  std::optional<double> facing_;
};

// The model as the window opens: the design's place at the zone's standard
// time now.
WallModel WallModelNow(const MainModel& model);

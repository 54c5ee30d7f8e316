// Shared set-up of the dial routine tests: a model at Akashi in true solar
// time, an A4 layout, and helpers that read angles and positions back from
// the recorded device primitives.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "DialRoutines.h"
#include "DrawPass.h"
#include "MainModel.h"
#include "RecordingTarget.h"
#include "UiLanguage.h"

inline constexpr double kDegrees = 180 / 3.14159265358979;

// Dial centre 100 mm from the top left, radii of A4 paper.
inline DialLayout A4Layout() {
  return {100, 110, 75, 65, 30, 100, 200};
}

// True solar time, the whole daylight range in hours.
inline void PrepareModel(MainModel& main, double latitude = 34.65, int32_t season = 4) {
  main.Chart().setTimeSystem(kTrueSolarTime);
  main.Chart().Location().setLatitude(latitude);
  main.Chart().Season().setCalcSeason(season);
  main.calcTime = {-999, -999, 60};
}

// The texts in English for one test, the locale's language again after it.
struct EnglishTexts {
  EnglishTexts() { InstallUiLanguage(UiLanguage::English); }
  ~EnglishTexts() { InstallUiLanguage(LanguageFromLocale()); }
  EnglishTexts(const EnglishTexts&) = delete;
  EnglishTexts& operator=(const EnglishTexts&) = delete;
};

// A kana, kanji or full-width character (U+3000..U+9FFF, U+FF00..U+FFEF).
inline bool HasJapanese(std::string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead >= 0xE3 && lead <= 0xE9) return true;
    if (lead == 0xEF && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0xBC &&
        static_cast<unsigned char>(text[i + 1]) <= 0xBF)
      return true;
  }
  return false;
}

// Direction of a recorded line in degrees, counter-clockwise with y upwards.
inline double LineAngle(const Record& line) {
  const DevicePoint a = line.points[0], b = line.points[1];
  return std::atan2(-(b.y - a.y), b.x - a.x) * kDegrees;
}

// Every drawn line with the label drawn right after it ("" for none).
struct DrawnLine {
  Record line;
  std::string label;
};
inline std::vector<DrawnLine> DrawnLines(const RecordingTarget& t) {
  std::vector<DrawnLine> lines;
  for (const Record& r : t.log) {
    if (r.op == RecordOp::Line) lines.push_back({r, ""});
    if (r.op == RecordOp::Text && !lines.empty()) lines.back().label = r.text;
  }
  return lines;
}
inline const DrawnLine* LineLabelled(const std::vector<DrawnLine>& lines,
                                     const std::string& label) {
  for (const DrawnLine& l : lines)
    if (l.label == label) return &l;
  return nullptr;
}

// A device point lies within a pixel of the user point.
inline void ExpectAt(const RecordingTarget& t, DevicePoint p, double x, double y) {
  EXPECT_NEAR(p.x, t.PixelX(x), 1.0) << "x of user " << x;
  EXPECT_NEAR(p.y, t.PixelY(y), 1.0) << "y of user " << y;
}

class TestClock : public ClockView {
 public:
  explicit TestClock(int32_t state = 0) : target(SurfaceSetup::Clock(800, 600)), state_(state) {}
  DrawTarget& picClock() override { return target; }
  int32_t ClockState() const override { return state_; }
  void setState(int32_t state) { state_ = state; }
  DialLayout Layout() const {
    const SurfaceSetup& s = target.Setup();
    return {s.scaleWidth / 2, s.scaleHeight / 2, 750, 650, 300, 0, 0};
  }
  RecordingTarget target;

 private:
  int32_t state_;
};

// The "Measure the wall" window's model: the facing a reading gives, the
// sun below the horizon, and what it says about each box that is wrong.
#include <gtest/gtest.h>

#include "../print/EnglishTexts.h"
#include "WallModel.h"

namespace {

using namespace std::chrono;

// Akashi on the zone's meridian, on a day whose equation of time is near 0:
// at noon by the clock the sun stands close to due south.
WallModel NoonAtAkashi() {
  const local_seconds noon = local_days{year{2026} / 12 / 25} + hours{12};
  return WallModel({"Akashi", 34.65, 135, 9, false}, noon);
}

TEST(WallModelTest, AReadingGivesTheFacingAndTheSun) {
  const EnglishTexts english;
  WallModel wall = NoonAtAkashi();
  EXPECT_EQ(wall.Text(WallBox::Month), "12");
  EXPECT_EQ(wall.Text(WallBox::Day), "25");
  EXPECT_EQ(wall.Text(WallBox::Time), "12:00");
  EXPECT_EQ(wall.PlaceText(), "Akashi (34.65°, 135°)");
  EXPECT_EQ(wall.ZoneText(), "standard time (GMT+9:00)");
  EXPECT_FALSE(wall.Facing());
  EXPECT_EQ(wall.ResultText(), "Enter the nail's length in millimetres, more than 0.");
  EXPECT_NEAR(std::stod(wall.SunAzimuthText()), 180, 1) << wall.SunAzimuthText();
  EXPECT_TRUE(wall.SunAzimuthText().ends_with("° (S)")) << wall.SunAzimuthText();

  wall.setText(WallBox::NailLength, "50");
  wall.setText(WallBox::Offset, "0");
  ASSERT_TRUE(wall.Facing());
  const double square = *wall.Facing();  // the shadow straight below: facing the sun
  EXPECT_NEAR(square, 180, 1);
  // The tip as far right as the nail is long: the sun stands 45° to the
  // wall's left, west of a wall facing south-east.
  wall.setText(WallBox::Offset, "50");
  ASSERT_TRUE(wall.Facing());
  EXPECT_NEAR(*wall.Facing(), square - 45, 0.11);
  EXPECT_TRUE(wall.ResultText().starts_with("Facing: 13")) << wall.ResultText();
  EXPECT_TRUE(wall.ResultText().ends_with("° (SE)")) << wall.ResultText();
  wall.setText(WallBox::Offset, "−５０");  // typographic minus, full-width digits
  EXPECT_NEAR(*wall.Facing(), square + 45, 0.11);

  wall.setText(WallBox::Time, "23:00");
  EXPECT_FALSE(wall.Facing());
  EXPECT_EQ(wall.ResultText(), "The sun is below the horizon at that moment.");
  EXPECT_EQ(wall.SunAltitudeText().front(), '-');

  const WallModel west({"", 0.5, -58.4, -3.5, false}, local_days{year{2026} / 3 / 1});
  EXPECT_EQ(west.PlaceText(), "(0.5°, -58.4°)");
  EXPECT_EQ(west.ZoneText(), "standard time (GMT-3:30)");
}

TEST(WallModelTest, EachWrongBoxSaysWhatItNeeds) {
  const EnglishTexts english;
  const std::string date =
      "Enter a date of this year: a month from 1 to 12 and a day of that month.";
  const std::string time = "Enter the time as hours and minutes, from 00:00 to 23:59.";
  const std::string length = "Enter the nail's length in millimetres, more than 0.";
  const std::string offset =
      "Enter the offset in millimetres: + where the shadow's tip falls right of the nail, − "
      "where it falls left.";
  struct Case {
    WallBox box;
    std::string text;
    std::string message;  // empty: a facing
  };
  const Case cases[] = {
      {WallBox::Month, "13", date},       {WallBox::Month, "x", date},
      {WallBox::Day, "0", date},          {WallBox::Day, "2.5", date},
      {WallBox::Time, "24:00", time},     {WallBox::Time, "9:5", time},
      {WallBox::Time, "12", time},        {WallBox::Time, "１１：３０", ""},
      {WallBox::NailLength, "0", length}, {WallBox::NailLength, "-5", length},
      {WallBox::NailLength, "", length},  {WallBox::Offset, "left", offset},
      {WallBox::Offset, "", offset},      {WallBox::Offset, "-1e3", ""},
  };
  for (const Case& c : cases) {
    WallModel wall = NoonAtAkashi();
    wall.setText(WallBox::NailLength, "50");
    wall.setText(WallBox::Offset, "5");
    ASSERT_TRUE(wall.Facing());
    wall.setText(c.box, c.text);
    EXPECT_EQ(wall.Facing().has_value(), c.message.empty()) << c.text;
    if (!c.message.empty()) {
      EXPECT_EQ(wall.ResultText(), c.message) << c.text;
    }
  }
  // 29 February only in a leap year.
  WallModel wall = NoonAtAkashi();
  wall.setText(WallBox::Month, "2");
  wall.setText(WallBox::Day, "29");
  EXPECT_EQ(wall.ResultText(), date);
  EXPECT_TRUE(wall.SunAzimuthText().empty());
  const WallModel leap({"", 34.65, 135, 9, false}, local_days{year{2028} / 2 / 29});
  EXPECT_FALSE(leap.SunAzimuthText().empty());
}

}  // namespace

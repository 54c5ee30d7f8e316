// Decimal <-> sexagesimal angles and their text.
#include <gtest/gtest.h>

#include <vector>

#include "Chart.h"

namespace {

DmsAngle DmsOf(Chart& chart, double degrees) {
  DmsAngle dms{99, 99, 99};
  EXPECT_EQ(chart.ConvDmsAngle(degrees, dms), Status::Ok()) << degrees;
  return dms;
}

double DegreesOf(Chart& chart, DmsAngle dms) {
  double degrees = -12345;
  EXPECT_EQ(chart.ConvDegAngle(dms, degrees), Status::Ok());
  return degrees;
}

TEST(Angles, DecimalToSexagesimal) {
  Chart chart;
  EXPECT_EQ(DmsOf(chart, 34.65), (DmsAngle{34, 39, 0})) << "not 34 38 60";
  EXPECT_EQ(DmsOf(chart, -0.5), (DmsAngle{0, -30, 0}));
  EXPECT_EQ(DmsOf(chart, -0.0001), (DmsAngle{0, 0, 0}));
  EXPECT_EQ(DmsOf(chart, -0.001), (DmsAngle{0, 0, -4}));
  EXPECT_EQ(DmsOf(chart, 10.5125), (DmsAngle{10, 30, 45}));
  EXPECT_EQ(DmsOf(chart, -135.5), (DmsAngle{-135, 30, 0}));
  EXPECT_EQ(DmsOf(chart, 0), (DmsAngle{0, 0, 0}));
  EXPECT_EQ(DmsOf(chart, 59.99999), (DmsAngle{60, 0, 0})) << "seconds and minutes carry";
  EXPECT_EQ(DmsOf(chart, 32767), (DmsAngle{32767, 0, 0}));
}

TEST(Angles, SecondsRoundHalfToEven) {
  Chart chart;
  // 1/32 degree is 1' 52.5" and 3/32 is 5' 37.5", both exact in binary.
  EXPECT_EQ(DmsOf(chart, 1.0 / 32), (DmsAngle{0, 1, 52}));
  EXPECT_EQ(DmsOf(chart, 3.0 / 32), (DmsAngle{0, 5, 38}));
  EXPECT_EQ(DmsOf(chart, -3.0 / 32), (DmsAngle{0, -5, 38}));
}

TEST(Angles, SixteenBitOverflow) {
  Chart chart;
  for (double big : {32768.0, -32768.0, 40000.0, 32767.99999999}) {
    DmsAngle dms{1, 2, 3};
    EXPECT_EQ(chart.ConvDmsAngle(big, dms), Status::Error(6)) << big;
    EXPECT_EQ(chart.ErrNumber(), 6);
    EXPECT_EQ(dms, (DmsAngle{1, 2, 3}));
    EXPECT_EQ(chart.FormatDegAngle(big, "+-", ": "), "");
    EXPECT_EQ(chart.FormatDegAngleS(big, 0, "+-"), "");
  }
  // Any member's magnitude or carry beyond 32767 overflows, whichever member
  // it is and even where a later carry would reset it.
  for (const DmsAngle& big :
       {DmsAngle{-32768, 0, 0}, DmsAngle{32767, 100, 0}, DmsAngle{0, -32768, 0},
        DmsAngle{0, 0, -32768}, DmsAngle{0, 32767, 100}}) {
    double degrees = 12.5;
    EXPECT_EQ(chart.ConvDegAngle(big, degrees), Status::Error(6))
        << big[0] << " " << big[1] << " " << big[2];
    EXPECT_EQ(chart.ErrNumber(), 6);
    EXPECT_EQ(degrees, 12.5);
  }
  double degrees = 0;
  EXPECT_EQ(chart.ConvDegAngle({32767, 59, 0}, degrees), Status::Ok());
  EXPECT_EQ(chart.ConvDegAngle({0, 32767, 0}, degrees), Status::Ok())
      << "32767 minutes carry a degree";
  EXPECT_EQ(degrees, 1);
}

TEST(Angles, SexagesimalToDecimal) {
  Chart chart;
  EXPECT_NEAR(DegreesOf(chart, {0, -30, 15}), -(30 / 60.0 + 15 / 3600.0), 1e-15);
  EXPECT_NEAR(DegreesOf(chart, {1, 0, 100}), 1 + 1 / 60.0, 1e-15) << "100 seconds carry a minute";
  EXPECT_NEAR(DegreesOf(chart, {0, 0, 75}), 75 / 3600.0, 1e-15) << "60..99 taken at face value";
  EXPECT_NEAR(DegreesOf(chart, {2, 100, 0}), 3, 1e-15);
  EXPECT_NEAR(DegreesOf(chart, {-135, 30, 0}), -135.5, 1e-12);
  EXPECT_NEAR(DegreesOf(chart, {34, 39, 0}), 34.65, 1e-12);
  EXPECT_EQ(DegreesOf(chart, {0, 0, 0}), 0);
}

TEST(AngleText, SignWordsAndUnits) {
  Chart chart;
  EXPECT_EQ(chart.FormatDegAngle(34.65, "北南", "度分秒"), "北緯34度39分00秒");
  EXPECT_EQ(chart.FormatDegAngle(-34.65, "南北", "度分秒"), "南緯34度39分00秒");
  EXPECT_EQ(chart.FormatDegAngle(135, "東西", "度分秒"), "東経135度00分00秒");
  EXPECT_EQ(chart.FormatDegAngle(-135, "西東", "°'\""), "西経135°00'00\"");
  EXPECT_EQ(chart.FormatDegAngle(-135.5, "EW", "度分秒"), "W135度30分00秒");
  EXPECT_EQ(chart.FormatDegAngle(135.5, "we", "度分秒"), "E135度30分00秒");
  EXPECT_EQ(chart.FormatDegAngle(34.65, "ns", ""), "N343900");
  EXPECT_EQ(chart.FormatDegAngle(-34.65, "SN", "d"), "S34d");
  EXPECT_EQ(chart.FormatDegAngle(-1.5, "", "::"), "-1:30:");
  EXPECT_EQ(chart.FormatDegAngle(-1.5, "-", "h s"), "-1h3000s") << "a space prints nothing";
  EXPECT_EQ(chart.FormatDegAngle(1.5, "xy", "h m s"), "1h3000s") << "the last character closes";
  EXPECT_EQ(chart.FormatDegAngle(-1.5, "xy", "hms"), "-1h30m00s");
  EXPECT_EQ(chart.FormatDegAngle(1.5, "北", "hms"), "1h30m00s");
}

TEST(AngleText, TimesAndTheZeroSign) {
  Chart chart;
  EXPECT_EQ(chart.FormatDegAngle(9, "+-+", ": "), "+9:00");
  EXPECT_EQ(chart.FormatDegAngle(9.5, "+-", ": "), "+9:30");
  EXPECT_EQ(chart.FormatDegAngle(-3.5, "-+", ": "), "-3:30");
  EXPECT_EQ(chart.FormatDegAngle(0, "+-+", ": "), "+0:00");
  EXPECT_EQ(chart.FormatDegAngle(0, "+-", ": "), "0:00");
  EXPECT_EQ(chart.FormatDegAngle(0, "北南赤", "度分秒"), "赤0度00分00秒");
  // The sign comes from the value, even when every part rounds to zero.
  EXPECT_EQ(chart.FormatDegAngle(-0.0001, "+-+", "度分秒"), "-0度00分00秒");
}

TEST(AngleText, SingleMembers) {
  Chart chart;
  EXPECT_EQ(chart.FormatDegAngleS(-9.5, 0, "+-"), "-9");
  EXPECT_EQ(chart.FormatDegAngleS(-9.5, 1, "+-"), "30");
  EXPECT_EQ(chart.FormatDegAngleS(-9.5, 2, "+-"), "00");
  EXPECT_EQ(chart.FormatDegAngleS(-9.5, 3, "+-"), "");
  EXPECT_EQ(chart.FormatDegAngleS(-0.5, 0, "+-"), "-0");
  EXPECT_EQ(chart.FormatDegAngleS(10.5125, 2, "NS"), "45");
  EXPECT_EQ(chart.FormatDegAngleS(34.65, 0, "北南"), "北緯34");
}

TEST(AngleText, SexagesimalArrays) {
  Chart chart;
  const std::vector<int16_t> southern{0, -30, 15};
  EXPECT_EQ(chart.FormatDmsAngle(southern, "NS", "度分秒"), "S0度30分15秒");
  const std::vector<int16_t> zero{0, 0, 0};
  EXPECT_EQ(chart.FormatDmsAngle(zero, "+-+", ": "), "+0:00");
  EXPECT_EQ(chart.FormatDmsAngle(zero, "+-", ""), "00000");
  const std::vector<int16_t> plain{5, 7, 9};
  const std::vector<int16_t> shortArray{1, 2};
  EXPECT_EQ(TrapStatus([&] { chart.FormatDmsAngle(shortArray, "", ""); }), Status::Error(9));
  EXPECT_EQ(chart.ErrNumber(), 9);
  EXPECT_EQ(chart.FormatDmsAngle(plain, "EW", "度分秒"), "E5度07分09秒");
  EXPECT_EQ(chart.ErrNumber(), 0) << "a success leaves no earlier error behind";
}

}  // namespace

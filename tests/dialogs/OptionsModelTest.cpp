// The options dialog's working copy: keys of the list items, the checks of
// typed values at their limits, the defaults and writing back.
#include <gtest/gtest.h>

#include "Chart.h"
#include "MainModel.h"
#include "OptionsModel.h"

namespace {

TEST(OptionItems, SharedKeysAndMissingSamples) {
  // The outer and inner ring of the dial draw with one line colour.
  EXPECT_EQ(kDialItems[0].line, kDialItems[1].line);
  EXPECT_NE(kDialItems[0].fill, kDialItems[1].fill);
  // Hours and minutes share one font and its colour; only their lines differ.
  EXPECT_EQ(kDialItems[3].font, kDialItems[4].font);
  EXPECT_EQ(kDialItems[3].fontColor, kDialItems[4].fontColor);
  EXPECT_EQ(kDialItems[7].line, nullptr);
  EXPECT_EQ(kDialItems[7].font, &OptionSettings::dialInformationFont);
  // The clock's inner ring has no line; its clock text uses one colour for
  // line and font.
  EXPECT_EQ(kClockItems[1].line, nullptr);
  EXPECT_EQ(kClockItems[6].line, kClockItems[6].fontColor);

  OptionSettings options;
  options.dialColor.*kDialItems[1].line = 0x123456;
  EXPECT_EQ(options.dialColor.timeLine, 0x123456);
  ClockColors(options, true).*kClockItems[5].line = 7;
  EXPECT_EQ(options.clockNightColor.shadowFill, 7);
  EXPECT_EQ(options.clockDayColor.shadowFill, kClockDayColorDefaults.shadowFill);
}

TEST(OptionTimeZone, AcceptsExactlyMinus12To12) {
  EXPECT_EQ(ParseTimeZone("5", "30"), 5.5);
  EXPECT_EQ(ParseTimeZone("-0", "30"), -0.5) << "the sign is the hours text's";
  EXPECT_EQ(ParseTimeZone(" +9", "0"), 9);
  EXPECT_EQ(ParseTimeZone("-12", "0"), -12);
  EXPECT_EQ(ParseTimeZone("12", "00"), 12);
  EXPECT_EQ(ParseTimeZone("-5", "-0"), -5);
  for (const auto& [hours, minutes] : {std::pair{"12", "1"},
                                       {"-12", "59"},
                                       {"13", "0"},
                                       {"0", "60"},
                                       {"abc", "0"},
                                       {"", "0"},
                                       {"5", ""},
                                       {"5.5", "0"},
                                       {"5", "-30"},
                                       {"--5", "0"},
                                       {"99999999999", "0"}}) {
    EXPECT_EQ(ParseTimeZone(hours, minutes), std::nullopt) << hours << ":" << minutes;
  }

  Chart chart;
  const TimeZoneTexts india = FormatTimeZone(chart, 5.5);
  EXPECT_EQ(india.hours, "+5");
  EXPECT_EQ(india.minutes, "30");
  EXPECT_EQ(india.meridian, "+82度30分00秒");
  EXPECT_EQ(FormatTimeZone(chart, -12).meridian, "+180度00分00秒");
  EXPECT_EQ(FormatTimeZone(chart, -3.5).hours, "-3");
}

TEST(OptionLineWidth, FromZeroToBelowHundred) {
  EXPECT_EQ(ParseLineWidth("0"), 0);
  EXPECT_EQ(ParseLineWidth("99.99"), 99.99);
  EXPECT_EQ(ParseLineWidth(".5"), 0.5);
  for (const char* refused : {"100", "100.0", "-1", "abc", "", ".", "1.2.3", "1e1"}) {
    EXPECT_EQ(ParseLineWidth(refused), std::nullopt) << refused;
  }
  EXPECT_EQ(FormatLineWidth(1), "1.00");
  EXPECT_EQ(FormatLineWidth(0.255), "0.26");
}

TEST(OptionTypedValues, OkTakesInOrderAndStopsAtTheFirstRefusal) {
  Chart chart;
  OptionSettings options;
  options.timeZone = 13;  // the computer's, beyond what a design takes
  TypedOutcome outcome = TakeTypedOptions(options, chart, {"x", "5", "30"});
  EXPECT_EQ(outcome.lineWidth, TypedValue::Refused);
  EXPECT_EQ(outcome.timeZone, TypedValue::Unchanged) << "not looked at";
  EXPECT_EQ(options.timeZone, 13);
  const TimeZoneTexts shown = FormatTimeZone(chart, 13);
  outcome = TakeTypedOptions(options, chart, {"1.00", shown.hours, shown.minutes});
  EXPECT_EQ(outcome.lineWidth, TypedValue::Unchanged);
  EXPECT_EQ(outcome.timeZone, TypedValue::Unchanged);
  EXPECT_FALSE(outcome.settableZone);
  outcome = TakeTypedOptions(options, chart, {"2.5", "5", "30"});
  EXPECT_EQ(outcome.lineWidth, TypedValue::Taken);
  EXPECT_EQ(outcome.timeZone, TypedValue::Taken);
  EXPECT_TRUE(outcome.settableZone);
  EXPECT_EQ(options.dialOption.lineWidth, 2.5);
  EXPECT_EQ(options.timeZone, 5.5);
}

TEST(OptionPicturePreview, FitsInsideTheMarginAndCentres) {
  const PreviewFrame wide = PicturePreviewFrame(400, 100, 120, 90);
  EXPECT_EQ((std::array{wide.left, wide.top, wide.width, wide.height}),
            (std::array{4.0, 31.0, 112.0, 28.0}));
  const PreviewFrame tall = PicturePreviewFrame(10, 20, 120, 90);
  EXPECT_EQ((std::array{tall.left, tall.top, tall.width, tall.height}),
            (std::array{39.5, 4.0, 41.0, 82.0}));
  const PreviewFrame none = PicturePreviewFrame(0, 0, 120, 90);
  EXPECT_EQ(none.width / none.height, 120.0 / 90);
}

TEST(OptionSettingsCopy, DefaultsAndWritingBack) {
  const OptionSettings defaults = DefaultOptions(-3.5);
  EXPECT_TRUE(defaults.dialOption.picture.ends_with("/bkgcolor.wmf"));
  EXPECT_EQ(defaults.dialOption.lineWidth, 1.0);
  EXPECT_EQ(defaults.dialOrientationFont.name, "Arial");
  EXPECT_EQ(defaults.dialTimeFont.name, "Arial");
  EXPECT_EQ(defaults.dialInformationFont.name, "ＭＳ Ｐゴシック");
  EXPECT_EQ(defaults.clockClockFont.name, "Arial");
  EXPECT_EQ(defaults.clockNightColor.background, kClockNightColorDefaults.background);
  EXPECT_EQ(defaults.timeZone, -3.5);

  MainModel model;
  model.Chart().Location().setTimeZone(9);
  OptionSettings options = LoadOptions(model, model.Chart());
  options.dialColor.hourLine = 0x00ff00;
  options.clockTimeFont.name = "Serif";
  options.timeZone = 5.5;
  ASSERT_TRUE(StoreOptions(options, model, model.Chart()));
  EXPECT_EQ(model.dialColor.hourLine, 0x00ff00);
  EXPECT_EQ(model.clockTimeFont.name, "Serif");
  EXPECT_EQ(model.Chart().Location().TimeZone(), 5.5);
  EXPECT_EQ(model.Chart().Location().StandardMeridian(), 82.5);

  // A zone the chart refuses keeps the old one, and says so.
  options.timeZone = 12.5;
  options.dialColor.hourLine = 1;
  EXPECT_FALSE(StoreOptions(options, model, model.Chart()));
  EXPECT_EQ(model.Chart().Location().TimeZone(), 5.5);
  EXPECT_EQ(model.dialColor.hourLine, 1);
}

}  // namespace

TEST(OptionsModelNodus, HeightBoxTakesMillimetresOrEmptyForAutomatic) {
  EXPECT_EQ(ParseNodusHeight(""), 0.0);
  EXPECT_EQ(ParseNodusHeight(" 12.5 "), 12.5);
  EXPECT_EQ(ParseNodusHeight("1000"), 1000.0);
  for (const char* bad : {"1000.1", "-3", "1e2", "12,5", ".", "abc", "99999"}) {
    EXPECT_FALSE(ParseNodusHeight(bad)) << bad;
  }
  EXPECT_EQ(FormatMillimetres(0), "");
  EXPECT_EQ(FormatMillimetres(18.0943), "18.1");
  // The face size box: empty fits the paper; a size is 10 mm to 20 m.
  EXPECT_EQ(ParseFaceSize(""), 0.0);
  EXPECT_EQ(ParseFaceSize("1500"), 1500.0);
  for (const char* bad : {"9.9", "20000.5", "-300", "1,500"})
    EXPECT_FALSE(ParseFaceSize(bad)) << bad;
}

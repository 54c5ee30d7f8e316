// The general number-to-text form used in documents and tables.
#include <gtest/gtest.h>

#include "NumberText.h"

namespace {

TEST(FormatGeneralNumber, OrdinaryValues) {
  EXPECT_EQ(FormatGeneralNumber(34.65), "34.65");
  EXPECT_EQ(FormatGeneralNumber(135), "135");
  EXPECT_EQ(FormatGeneralNumber(-999), "-999");
  EXPECT_EQ(FormatGeneralNumber(0), "0");
  EXPECT_EQ(FormatGeneralNumber(-0.0), "0");
  EXPECT_EQ(FormatGeneralNumber(-0.5), "-0.5");
  EXPECT_EQ(FormatGeneralNumber(1e14), "100000000000000");
  EXPECT_EQ(FormatGeneralNumber(120), "120") << "zeros before the point stay";
  EXPECT_EQ(FormatGeneralNumber(0.0001), "0.0001");
  EXPECT_EQ(FormatGeneralNumber(-0.00012), "-0.00012");
}

TEST(FormatGeneralNumber, FifteenSignificantDigits) {
  EXPECT_EQ(FormatGeneralNumber(7.16304113434783), "7.16304113434783");
  EXPECT_EQ(FormatGeneralNumber(16.836958865652174), "16.8369588656522");
  EXPECT_EQ(FormatGeneralNumber(0.1 + 0.2), "0.3");
  EXPECT_EQ(FormatGeneralNumber(1.0 / 3), "0.333333333333333");
  EXPECT_EQ(FormatGeneralNumber(-2.0 / 3), "-0.666666666666667");
  EXPECT_EQ(FormatGeneralNumber(999999999999999), "999999999999999");
  EXPECT_EQ(FormatGeneralNumber(9.9999999999999999), "10") << "rounding carries into a new digit";
  EXPECT_EQ(FormatGeneralNumber(0.0355813744882894), "0.0355813744882894");
}

TEST(FormatGeneralNumber, ExponentFormForVeryLargeAndSmall) {
  EXPECT_EQ(FormatGeneralNumber(1e15), "1E+15");
  EXPECT_EQ(FormatGeneralNumber(1e16), "1E+16");
  EXPECT_EQ(FormatGeneralNumber(-1.5e20), "-1.5E+20");
  EXPECT_EQ(FormatGeneralNumber(0.00001), "1E-05");
  EXPECT_EQ(FormatGeneralNumber(1.25e-7), "1.25E-07");
  EXPECT_EQ(FormatGeneralNumber(1e-100), "1E-100");
  EXPECT_EQ(FormatGeneralNumber(1.0 / 0.0), "1.#INF");
}

}  // namespace

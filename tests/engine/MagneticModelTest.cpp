// The World Magnetic Model 2025 against its published test points, and the
// declination a design states inside and outside the Japan area.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Chart.h"
#include "CompassDeclination.h"
#include "MagneticModel.h"

namespace {

std::vector<std::vector<double>> TestPoints() {
  std::ifstream in(UMBRAFEX_TEST_DATA_DIR "/wmm2025_test_values.csv");
  std::string line;
  std::getline(in, line);  // the header
  std::vector<std::vector<double>> rows;
  while (std::getline(in, line)) {
    std::vector<double> row;
    std::istringstream fields(line);
    for (std::string field; std::getline(fields, field, ',');) row.push_back(std::stod(field));
    rows.push_back(row);
  }
  return rows;
}

TEST(MagneticModel, MatchesEveryPublishedTestPoint) {
  const auto rows = TestPoints();
  ASSERT_EQ(rows.size(), 100u);
  for (const auto& r : rows) {
    // date, height, latitude, longitude, X, Y, Z, H, F, I, D
    const MagneticField f = Wmm2025Field(r[2], r[3], r[1], r[0]);
    SCOPED_TRACE(testing::Message() << r[0] << " " << r[1] << " km " << r[2] << " " << r[3]);
    EXPECT_NEAR(f.north, r[4], 0.01);
    EXPECT_NEAR(f.east, r[5], 0.01);
    EXPECT_NEAR(f.down, r[6], 0.01);
    if (r[1] == 0) {
      EXPECT_NEAR(Wmm2025Declination(r[2], r[3], r[0]), r[10], 0.005);
    }
  }
}

TEST(MagneticModel, DesignsStateTheJapanFormulaInsideAndTheModelOutside) {
  Chart chart;
  const CompassDeclination akashi = CompassDeclinationOf(chart, 2026);
  EXPECT_EQ(akashi.west, chart.Location().NorthDiff2());
  EXPECT_EQ(akashi.model, "");

  // Berlin, day 1 of 2026: about 4.6 deg east, so west negative.
  chart.Location().setLatitude(52.52);
  chart.Location().setLongitude(13.405);
  chart.Season().setCalcDate(1);
  const CompassDeclination berlin = CompassDeclinationOf(chart, 2026);
  EXPECT_EQ(berlin.model, "WMM2025");
  EXPECT_DOUBLE_EQ(berlin.west, -Wmm2025Declination(52.52, 13.405, 2026.0));
  EXPECT_NEAR(berlin.west, -4.6, 0.5);
  // Years beyond the model's span keep to its ends.
  EXPECT_DOUBLE_EQ(CompassDeclinationOf(chart, 2001).west,
                   -Wmm2025Declination(52.52, 13.405, kWmm2025Epoch));
  EXPECT_DOUBLE_EQ(CompassDeclinationOf(chart, 2040).west,
                   -Wmm2025Declination(52.52, 13.405, kWmm2025End));
}

}  // namespace

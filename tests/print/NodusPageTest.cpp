// The nodus's additions to a printed page: nothing at all for a design that
// does not ask for them, a 100 mm scale bar, and curves when asked.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "FakeSheet.h"
#include "MainModel.h"
#include "PrintJob.h"

namespace {

// A millimetre sheet that writes down every primitive it is given.
class RecordingSheet : public FakeSheet {
 public:
  RecordingSheet() : FakeSheet(210, 297) {}
  std::ostringstream log;
  std::vector<std::pair<DevicePoint, DevicePoint>> lines;

  void DeviceLine(DevicePoint a, DevicePoint b) override {
    log << "L" << a.x << ',' << a.y << ',' << b.x << ',' << b.y << ';';
    lines.emplace_back(a, b);
  }
  void DeviceEllipse(DevicePoint a, DevicePoint b) override {
    log << "E" << a.x << ',' << a.y << ',' << b.x << ',' << b.y << ';';
  }
  void DevicePolygon(const std::vector<DevicePoint>& points) override {
    log << "P";
    for (const DevicePoint& p : points) log << p.x << ',' << p.y << ',';
  }
  void DeviceText(DevicePoint at, std::string_view text, const DeviceFont& font) override {
    log << "T" << at.x << ',' << at.y << ',' << font.escapementTenths << text << ';';
  }
};

// Records a whole single page; `plain` leaves out the nodus's routines.
std::string DrawPage(MainModel& main, bool plain, RecordingSheet& sheet) {
  const DialLayout layout =
      LayoutPage(1.0, kPortrait, 1, main.Chart().Location().Latitude(), 210, 297);
  SundialRoutines routines;
  if (plain) {
    routines.dialLines = [](DialDesign, DrawTarget&, const DialLayout&, double) {
      return Status::Ok();
    };
    routines.nodusMark = routines.dialLines;
    routines.scaleBar = [](DialDesign, DrawTarget&, const DialLayout&, double, double, int16_t,
                           int16_t) { return Status::Ok(); };
  }
  EXPECT_EQ(DrawSundialPage(main, sheet, layout, 1.0, 1.0, 1, 1, routines), Status::Ok())
      << main.lastError.description;
  return sheet.log.str();
}

std::string DrawPage(MainModel& main, bool plain) {
  RecordingSheet sheet;
  return DrawPage(main, plain, sheet);
}

TEST(NodusPage, DocumentsWithoutTheNewKeysDrawAsBeforeWithTheScaleBarHidden) {
  // old-names.ufx has an interval of 14.5 minutes, which no dial takes: it is refused.
  for (const char* name : {"default.ufx", "south-date.ufx"}) {
    MainModel main;
    std::string path = UMBRAFEX_TEST_DATA_DIR;  // tests/data: the samples sit beside it
    path = path.substr(0, path.rfind('/')) + "/fuzz/corpus/document/" + name;
    ASSERT_EQ(main.OpenDocument(path), Status::Ok()) << name << ": " << main.lastError.description;
    ASSERT_EQ(main.ApplySeason(), Status::Ok());
    EXPECT_TRUE(main.dialOption.scaleBar) << "shown unless the design hides it";
    main.dialOption.scaleBar = false;
    EXPECT_EQ(DrawPage(main, false), DrawPage(main, true)) << name;
  }
}

TEST(NodusPage, ScaleBarIsOneHundredMillimetresWithATickEveryTen) {
  MainModel main;
  ASSERT_EQ(main.ApplySeason(), Status::Ok());
  RecordingSheet sheet;
  DrawPage(main, false, sheet);
  int bars = 0, ticks = 0;
  for (const auto& [a, b] : sheet.lines) {
    if (a.x == 15 && b.x == 15 && std::abs(a.y - b.y) == 100) ++bars;
    if (a.x == 15 && a.y == b.y && b.x > 15 && b.x <= 18) ++ticks;
  }
  EXPECT_EQ(bars, 1);
  EXPECT_EQ(ticks, 11);
}

TEST(NodusPage, CurvesNodusMarkAndHeightAppearWhenAsked) {
  MainModel main;
  main.Chart().setTimeSystem(1);
  ASSERT_EQ(main.ApplySeason(), Status::Ok());
  main.dialOption.scaleBar = false;
  const std::string plain = DrawPage(main, false);
  main.dialOption.dateLines = 1;
  main.dialOption.hourCurves = 2;
  main.dialOption.nodusHeight = 15;
  const std::string drawn = DrawPage(main, false);
  EXPECT_GT(drawn.size(), plain.size() + 10000);
  for (const char* text : {"夏至", "立春・立冬", "ノーダスの高さ : 15.0 mm", "ノーダス 15.0 mm",
                           "1～6月", "7～12月"}) {
    EXPECT_NE(drawn.find(text), std::string::npos) << text;
  }
  main.dialOption.hourCurves = 7;  // an unknown value from a document draws no curves
  main.dialOption.dateLines = -1;
  EXPECT_EQ(DrawPage(main, false), plain);
}

}  // namespace

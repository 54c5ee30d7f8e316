// The sheet of a dial on another plane: every part inside the printable area
// and apart from the others on every paper, both faces of an equatorial dial,
// and a gnomon whose style rises at the style height to the nodus.
#include <gtest/gtest.h>

#include <cmath>

#include "Chart.h"
#include "PlaneSheet.h"
#include "Settings.h"

namespace {

struct Paper {
  double width, height, factor;
};

SheetBox Around(const std::vector<UserPoint>& points) {
  return BoxAround(points);
}

bool Inside(const SheetBox& inner, double width, double height, const PageMargins& m) {
  return inner.left >= m.left - 1e-9 && inner.top >= m.top - 1e-9 &&
         inner.right <= width - m.right + 1e-9 && inner.bottom <= height - m.bottom + 1e-9;
}

TEST(PlaneSheet, EveryPartFitsItsPaperAndKeepsApart) {
  struct Case {
    PlaneOrientation plane;
    double latitude;
  };
  const Case cases[] = {{{180, 90}, 51.5}, {{20, 90}, -33.9}, {{180, 40}, 40},  {{0, 50}, 40},
                        {{250, 50}, 40},   {{90, 90}, 61},    {{200, 120}, 35}, {{0, 23}, -23}};
  const Paper papers[] = {{210, 297, 1.0}, {148, 210, 0.7}, {297, 420, 1.41}, {297, 210, 1.0}};
  for (const Case& c : cases) {
    Chart chart;
    chart.Location().setLatitude(c.latitude);
    Settings settings;
    settings.dialPlane = c.plane;
    for (const Paper& p : papers) {
      const PageMargins margins;
      const PlaneSheet sheet =
          LayPlaneSheet(settings, chart, p.width, p.height, margins, p.factor, 1);
      SCOPED_TRACE(testing::Message() << c.plane.facing << "/" << c.plane.tilt << " at "
                                      << c.latitude << " on " << p.width);
      ASSERT_FALSE(sheet.faces.empty());
      std::vector<SheetBox> parts;
      for (const PlacedFace& face : sheet.faces) {
        EXPECT_TRUE(Inside(face.outline, p.width, p.height, margins));
        FaceBox box = face.dial.face;  // the ends lie on its edges, to rounding
        box = {box.left - 1e-9, box.bottom - 1e-9, box.right + 1e-9, box.top + 1e-9};
        for (const PlaneHourLine& line : face.dial.hourLines) {
          EXPECT_TRUE(box.Contains(line.segment.from));
          EXPECT_TRUE(box.Contains(line.segment.to));
        }
        parts.push_back(face.outline);
      }
      const PlaneDial& dial = sheet.faces.front().dial;
      if (dial.style.styleHeight < 89.9) {
        const SheetBox gnomon = Around(PlaneGnomonOutlineOf(dial, *sheet.gnomon).outline);
        EXPECT_TRUE(Inside(gnomon, p.width, p.height, margins));
        parts.push_back(gnomon);
      }
      EXPECT_TRUE(Inside(sheet.textBox, p.width, p.height, margins));
      parts.push_back({sheet.textBox.left, sheet.textBox.top, sheet.textBox.right,
                       sheet.textBox.top + 20 * p.factor});
      for (size_t i = 0; i < parts.size(); ++i) {
        for (size_t j = i + 1; j < parts.size(); ++j) EXPECT_FALSE(parts[i].Overlaps(parts[j]));
      }
    }
  }
}

TEST(PlaneSheet, AnEquatorialDialHasBothFacesAndAWallGnomonRisesAtItsStyleHeight) {
  Chart chart;
  chart.Location().setLatitude(40);
  Settings settings;
  settings.dialPlane = PresetOrientation(PlanePreset::Equatorial, 40, 0);
  const PlaneSheet pair = LayPlaneSheet(settings, chart, 210, 297, PageMargins{}, 1.0, 1);
  ASSERT_EQ(pair.faces.size(), 2u);
  EXPECT_NEAR(Dot(pair.faces[0].dial.plane.normal, pair.faces[1].dial.plane.normal), -1, 1e-12);
  EXPECT_FALSE(pair.faces[0].title.empty());
  EXPECT_FALSE(pair.faces[1].dial.hourLines.empty()) << "the winter face has its hours too";

  settings.dialPlane = {210, 90};
  const PlaneSheet wall = LayPlaneSheet(settings, chart, 210, 297, PageMargins{}, 1.0, 2);
  EXPECT_EQ(wall.gnomonPage, 2);
  const PlaneDial& dial = wall.faces.front().dial;
  const PlaneGnomonOutline g = PlaneGnomonOutlineOf(dial, *wall.gnomon);
  // The base meets the style at the style height; the nodus stands its
  // height above the base's end.
  const double run = std::hypot(g.baseTo[0].x - g.styleFrom.x, g.baseTo[0].y - g.styleFrom.y);
  const double style = std::hypot(g.styleTo.x - g.styleFrom.x, g.styleTo.y - g.styleFrom.y);
  const double rise = std::hypot(g.styleTo.x - g.baseTo[0].x, g.styleTo.y - g.baseTo[0].y);
  EXPECT_NEAR(rise, dial.nodusHeight, 1e-9);
  EXPECT_NEAR(std::asin(rise / style) * 180 / 3.14159265358979, dial.style.styleHeight, 1e-6);
  EXPECT_NEAR(run * run + rise * rise, style * style, 1e-6);
}

}  // namespace

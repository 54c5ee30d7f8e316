// The DXF drawing and the layered SVG: what a CAD program, a plotter and a
// laser cutter read of a page.
#include <dl_creationadapter.h>
#include <dl_dxf.h>
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cmath>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "Geometry.h"
#include "MainModel.h"
#include "PageExport.h"
#include "PrintSubcommands.h"

namespace {

constexpr double kTolerance = 0.05;  // millimetres

struct Segment {
  UserPoint a, b;
};

// What dxflib's own reader finds in the file.
class DxfContents : public DL_CreationAdapter {
 public:
  std::set<std::string> layers;
  std::vector<Segment> hourLines;
  int texts = 0;

  void addLayer(const DL_LayerData& data) override { layers.insert(data.name); }
  void addLine(const DL_LineData& data) override {
    if (getAttributes().getLayer() == "hour-lines") {
      hourLines.push_back({{data.x1, data.y1}, {data.x2, data.y2}});
    }
  }
  void addText(const DL_TextData&) override { ++texts; }
};

DxfContents ReadDxf(const std::string& path) {
  DxfContents contents;
  DL_Dxf dxf;
  EXPECT_TRUE(dxf.in(path, &contents)) << path;
  return contents;
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

double DistanceToSegment(UserPoint p, const Segment& s) {
  const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((p.x - s.a.x) * dx + (p.y - s.a.y) * dy) / length2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (s.a.x + t * dx), p.y - (s.a.y + t * dy));
}

// Distance from p to the ray from the origin in direction (ux, uy).
double DistanceToRay(UserPoint p, double ux, double uy) {
  return std::abs(p.x * uy - p.y * ux);
}

class LayeredExportTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
};

// A horizontal dial in true solar time: each hour line runs from the
// style's root at the angle tan(a) = sin(latitude) tan(H) east of north,
// H a whole number of intervals from noon.
TEST_F(LayeredExportTest, DxfListsTheLayersAndDrawsHourLinesTrueToTheFormula) {
  MainModel main;
  main.Chart().setTimeSystem(kTrueSolarTime);
  main.Chart().Location().setLatitude(35);
  main.dialOption.picture.clear();
  ASSERT_EQ(main.ApplySeason(), Status::Ok());
  const std::string path = Path("dial.dxf");
  ASSERT_EQ(ExportPagesToFile(main, path, ExportKind::Dxf, ExportPages{}), Status::Ok());

  const DxfContents dxf = ReadDxf(path);
  for (const char* layer :
       {"face", "hour-lines", "date-lines", "hour-curves", "labels", "gnomon", "cut", "fold"}) {
    EXPECT_TRUE(dxf.layers.count(layer)) << layer;
  }
  EXPECT_GT(dxf.texts, 10);
  EXPECT_TRUE(std::regex_search(ReadText(path), std::regex(R"(\$INSUNITS\s+70\s+4\s)")));

  const double step = main.calcTime.interval / 60.0 * 15 * kRadiansPerDegree;
  const double sinPhi = std::sin(35 * kRadiansPerDegree);
  ASSERT_GE(dxf.hourLines.size(), 9u);
  for (const Segment& line : dxf.hourLines) {
    const UserPoint far =
        std::hypot(line.a.x, line.a.y) > std::hypot(line.b.x, line.b.y) ? line.a : line.b;
    // The nearest hour angle of the interval to the line's own direction.
    const double h = std::atan2(far.x / sinPhi, far.y);
    const double hour = std::round(h / step) * step;
    const double ux = sinPhi * std::sin(hour), uy = std::cos(hour);
    const double norm = std::hypot(ux, uy);
    EXPECT_LT(DistanceToRay(line.a, ux / norm, uy / norm), kTolerance) << hour;
    EXPECT_LT(DistanceToRay(line.b, ux / norm, uy / norm), kTolerance) << hour;
  }
}

// A drawing has no paper: the face takes its size, here larger than A4's.
TEST_F(LayeredExportTest, DxfIsDrawnAtTheFaceSize) {
  class Rings : public DxfContents {
   public:
    double largest = 0;
    void addCircle(const DL_CircleData& data) override { largest = std::max(largest, data.radius); }
  };
  for (const double size : {120.0, 500.0}) {
    const std::string path = Path("sized.dxf");
    std::ostringstream out, err;
    ASSERT_EQ(
        RunExportSubcommand({"--lat", "35", "--size", std::to_string(size), "-o", path}, out, err),
        0)
        << err.str();
    Rings dxf;
    DL_Dxf reader;
    ASSERT_TRUE(reader.in(path, &dxf));
    EXPECT_NEAR(dxf.largest, size / 2, kTolerance);  // the outer ring
    // The hour lines end on the middle ring, 65/75 of the outer one.
    double farthest = 0;
    for (const Segment& s : dxf.hourLines) {
      farthest = std::max({farthest, std::hypot(s.a.x, s.a.y), std::hypot(s.b.x, s.b.y)});
    }
    EXPECT_NEAR(farthest, size / 2 * 65 / 75, kTolerance);
  }
}

// A south wall: every hour-line point the lines command prints lies on a
// LINE of the hour-lines layer.
TEST_F(LayeredExportTest, WallDialHourLinesMatchTheLinesCommand) {
  const CommandArgs design{"--lat", "35", "--lon", "135", "--plane", "vertical", "--facing", "160"};
  CommandArgs lines = design;
  std::ostringstream listing, err;
  ASSERT_EQ(RunLinesSubcommand(lines, listing, err), 0) << err.str();
  CommandArgs exportArgs = design;
  exportArgs.insert(exportArgs.end(), {"-o", Path("wall.dxf")});
  std::ostringstream out;
  ASSERT_EQ(RunExportSubcommand(exportArgs, out, err), 0) << err.str();

  const DxfContents dxf = ReadDxf(Path("wall.dxf"));
  ASSERT_FALSE(dxf.hourLines.empty());
  std::istringstream rows(listing.str());
  int checked = 0;
  for (std::string row; std::getline(rows, row);) {
    if (row.rfind("hourline,", 0) != 0) continue;
    const size_t y = row.rfind(','), x = row.rfind(',', y - 1);
    const UserPoint p{std::stod(row.substr(x + 1, y - x - 1)), std::stod(row.substr(y + 1))};
    double nearest = 1e9;
    for (const Segment& s : dxf.hourLines) nearest = std::min(nearest, DistanceToSegment(p, s));
    EXPECT_LT(nearest, kTolerance) << row;
    ++checked;
  }
  EXPECT_GT(checked, 20);
}

// Inkscape sees eight named layers in millimetres; what a cutter cuts is
// one colour and unfilled, and no coordinate is rounded to a pixel.
TEST_F(LayeredExportTest, SvgHasInkscapeLayersAndAnUnfilledCutLayer) {
  MainModel main;
  ASSERT_EQ(main.ApplySeason(), Status::Ok());
  const std::string path = Path("dial.svg");
  ASSERT_EQ(ExportPagesToFile(main, path, ExportKind::Svg, ExportPages{}), Status::Ok());
  const std::string svg = ReadText(path);
  EXPECT_NE(svg.find(R"(width="210.00mm" height="297.00mm" viewBox="0 0 210.00 297.00")"),
            std::string::npos);
  const std::regex layer(
      R"re(<g inkscape:groupmode="layer" id="[^"]+" inkscape:label="([^"]+)">)re");
  std::vector<std::string> names;
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), layer); it != std::sregex_iterator();
       ++it) {
    names.push_back((*it)[1]);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"face", "hour-lines", "date-lines", "hour-curves",
                                             "labels", "gnomon", "cut", "fold"}));
  const size_t cutStart = svg.find(R"(inkscape:label="cut">)");
  const std::string cut = svg.substr(cutStart, svg.find("</g>", cutStart) - cutStart);
  std::set<std::string> strokes;
  const std::regex stroke(R"re(stroke="([^"]+)")re");
  for (auto it = std::sregex_iterator(cut.begin(), cut.end(), stroke); it != std::sregex_iterator();
       ++it) {
    strokes.insert((*it)[1]);
  }
  EXPECT_EQ(strokes.size(), 1u);
  EXPECT_EQ(std::regex_search(cut, std::regex(R"re(fill="(?!none))re")), false);
  EXPECT_NE(cut.find("<ellipse"), std::string::npos);  // the dial's outer ring
  EXPECT_NE(cut.find("<polygon"), std::string::npos);  // the gnomon
}

}  // namespace

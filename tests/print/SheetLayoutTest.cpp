// Every printed page over the papers, orientations, latitudes and intervals
// a user may choose: each text inside the margins, apart from every other
// text, crossed by no line and turned no more than 90 degrees from upright.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "../drawing/QuadsApart.h"
#include "../drawing/RecordingTarget.h"
#include "ExportChoice.h"
#include "Geometry.h"
#include "MainModel.h"
#include "PrintDevice.h"
#include "PrintJob.h"
#include "SheetArea.h"

namespace {

constexpr int32_t kOffset = 100;  // pixels of a 600-dpi printer's unprintable edge

// A printer document whose pages record what is drawn on them.
class RecordingDocument : public PrintDevice {
 public:
  RecordingDocument(int16_t paper, int16_t orientation) : paper_(paper), orientation_(orientation) {
    const SheetSize sheet = PaperSheetSize(paper, orientation);
    const double offsetMm = kOffset * 25.4 / 600;
    setup_.offsetX = setup_.offsetY = kOffset;
    setup_.scaleWidth = sheet.width - 2 * offsetMm;
    setup_.scaleHeight = sheet.height - 2 * offsetMm;
    setup_.widthTwips = sheet.width / 25.4 * 1440;
    setup_.heightTwips = sheet.height / 25.4 * 1440;
  }
  int16_t PaperSize() const override { return paper_; }
  int16_t Orientation() const override { return orientation_; }
  void StartDoc() override { NewPage(); }
  DrawTarget& Page() override { return *pages.back(); }
  void NewPage() override { pages.push_back(std::make_unique<RecordingTarget>(setup_)); }
  void EndDoc() override {}
  void KillDoc() noexcept override {}

  std::vector<std::unique_ptr<RecordingTarget>> pages;

 private:
  int16_t paper_, orientation_;
  SurfaceSetup setup_;
};

using Quad = std::array<UserPoint, 4>;

struct Segment {
  UserPoint a, b;
};

struct Circle {
  UserPoint centre;
  double radius;
};

// What a page shows, in device pixels.
struct PageShapes {
  std::vector<std::string> texts;
  std::vector<Quad> boxes;
  std::vector<double> turns;  // degrees from upright, in [-180, 180]
  // Of a text on a patch cleared for it: the lines and circles drawn before
  // it, which the patch hides.
  std::vector<size_t> hiddenSegments, hiddenCircles;
  std::vector<Segment> segments;
  std::vector<Circle> circles;
};

UserPoint At(DevicePoint p) {
  return {double(p.x), double(p.y)};
}

// A filled box in one colour: the patch cleared under a text.
bool IsPatch(const Record& r) {
  return r.op == RecordOp::Rectangle && r.state.fillStyle == BrushStyle::Solid &&
         r.state.fillColor == r.state.foreColor;
}

PageShapes ShapesOf(RecordingTarget& page) {
  PageShapes shapes;
  const std::vector<Record> log = page.log;
  bool patched = false;  // the last primitive cleared a patch
  for (const Record& r : log) {
    const auto& p = r.points;
    if (!r.IsPrimitive()) continue;
    const bool onPatch = std::exchange(patched, IsPatch(r));
    if (patched) continue;
    if (r.op == RecordOp::Text) {
      shapes.hiddenSegments.push_back(onPatch ? shapes.segments.size() : 0);
      shapes.hiddenCircles.push_back(onPatch ? shapes.circles.size() : 0);
      page.setFont(r.state.font);
      const double w = page.PixelX(page.TextWidth(r.text));
      const double h = page.PixelY(page.TextHeight(r.text));
      const UserPoint o = At(p[0]);
      const double turn = r.font.escapementTenths / 10.0;
      Quad q;
      const std::array<UserPoint, 4> corners{
          {o, {o.x + w, o.y}, {o.x + w, o.y + h}, {o.x, o.y + h}}};
      for (size_t i = 0; i < 4; ++i) q[i] = RotatePoint(o, turn, corners[i]);
      shapes.texts.push_back(r.text);
      shapes.boxes.push_back(q);
      shapes.turns.push_back(std::remainder(turn, 360.0));
    } else if (r.op == RecordOp::Line) {
      shapes.segments.push_back({At(p[0]), At(p[1])});
    } else if (r.op == RecordOp::Polygon || r.op == RecordOp::Rectangle) {
      std::vector<UserPoint> corners;
      if (r.op == RecordOp::Polygon) {
        for (DevicePoint d : p) corners.push_back(At(d));
      } else {
        corners = {
            At(p[0]), {double(p[1].x), double(p[0].y)}, At(p[1]), {double(p[0].x), double(p[1].y)}};
      }
      for (size_t i = 0; i < corners.size(); ++i) {
        shapes.segments.push_back({corners[i], corners[(i + 1) % corners.size()]});
      }
    } else if (r.op == RecordOp::Ellipse) {
      shapes.circles.push_back(
          {{(p[0].x + p[1].x) / 2.0, (p[0].y + p[1].y) / 2.0}, (p[1].x - p[0].x) / 2.0});
    }
  }
  return shapes;
}

double Cross(UserPoint o, UserPoint a, UserPoint b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

bool Inside(const Quad& q, UserPoint p) {
  bool positive = false, negative = false;
  for (size_t i = 0; i < 4; ++i) {
    const double c = Cross(q[i], q[(i + 1) % 4], p);
    positive |= c > 0;
    negative |= c < 0;
  }
  return !(positive && negative);
}

bool SegmentsCross(Segment s, Segment t) {
  const double d1 = Cross(s.a, s.b, t.a), d2 = Cross(s.a, s.b, t.b);
  const double d3 = Cross(t.a, t.b, s.a), d4 = Cross(t.a, t.b, s.b);
  return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

bool Meets(const Quad& q, Segment s) {
  if (Inside(q, s.a) || Inside(q, s.b)) return true;
  for (size_t i = 0; i < 4; ++i) {
    if (SegmentsCross(s, {q[i], q[(i + 1) % 4]})) return true;
  }
  return false;
}

double Distance(UserPoint p, Segment s) {
  const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
  const double length = dx * dx + dy * dy;
  const double t =
      length > 0 ? std::clamp(((p.x - s.a.x) * dx + (p.y - s.a.y) * dy) / length, 0.0, 1.0) : 0;
  return std::hypot(p.x - s.a.x - t * dx, p.y - s.a.y - t * dy);
}

// The circle's line runs through the box: the box has points nearer and
// farther than the radius.
bool Meets(const Quad& q, const Circle& c) {
  double nearest = Inside(q, c.centre) ? 0 : 1e300, farthest = 0;
  for (size_t i = 0; i < 4; ++i) {
    nearest = std::min(nearest, Distance(c.centre, {q[i], q[(i + 1) % 4]}));
    farthest = std::max(farthest, std::hypot(q[i].x - c.centre.x, q[i].y - c.centre.y));
  }
  return nearest < c.radius && c.radius < farthest;
}

// A device point in millimetres, for messages.
std::string Mm(RecordingTarget& page, UserPoint p) {
  std::ostringstream text;
  text.precision(4);
  text << "(" << p.x / page.PixelX(1) << ", " << p.y / page.PixelY(1) << ")";
  return text.str();
}

// The faults of one page, one line each.
std::vector<std::string> PageFaults(RecordingTarget& page) {
  const PageShapes s = ShapesOf(page);
  const PageMargins m = PageMarginsOf(page);
  const double left = page.PixelX(m.left) - 1, top = page.PixelY(m.top) - 1;
  const double right = page.PixelX(page.ScaleWidth() - m.right) + 1;
  const double bottom = page.PixelY(page.ScaleHeight() - m.bottom) + 1;
  std::vector<std::string> faults;
  for (size_t i = 0; i < s.boxes.size(); ++i) {
    const std::string& text = s.texts[i];
    if (std::abs(s.turns[i]) > 90) {
      faults.push_back(text + " upside down, turned " + std::to_string(s.turns[i]) + " deg");
    }
    for (const UserPoint& c : s.boxes[i]) {
      if (c.x < left || c.x > right || c.y < top || c.y > bottom) {
        faults.push_back(text + " outside the margins");
        break;
      }
    }
    for (size_t j = i + 1; j < s.boxes.size(); ++j) {
      if (!QuadsApart(s.boxes[i], s.boxes[j])) faults.push_back(text + " touches " + s.texts[j]);
    }
    // Most lines pass far from a text: those clear of the upright box
    // around it are passed over at once.
    const Quad& q = s.boxes[i];
    const double boxLeft = std::min(std::min(q[0].x, q[1].x), std::min(q[2].x, q[3].x));
    const double boxRight = std::max(std::max(q[0].x, q[1].x), std::max(q[2].x, q[3].x));
    const double boxTop = std::min(std::min(q[0].y, q[1].y), std::min(q[2].y, q[3].y));
    const double boxBottom = std::max(std::max(q[0].y, q[1].y), std::max(q[2].y, q[3].y));
    for (size_t k = s.hiddenSegments[i]; k < s.segments.size(); ++k) {
      const Segment& line = s.segments[k];
      if ((line.a.x < boxLeft && line.b.x < boxLeft) ||
          (line.a.x > boxRight && line.b.x > boxRight) ||
          (line.a.y < boxTop && line.b.y < boxTop) ||
          (line.a.y > boxBottom && line.b.y > boxBottom)) {
        continue;
      }
      if (Meets(q, line)) {
        faults.push_back(text + " crossed by the line " + Mm(page, line.a) + "-" +
                         Mm(page, line.b));
        break;
      }
    }
    for (size_t k = s.hiddenCircles[i]; k < s.circles.size(); ++k) {
      const Circle& circle = s.circles[k];
      if (Meets(s.boxes[i], circle)) {
        faults.push_back(text + " crossed by the circle " + Mm(page, circle.centre) + " r " +
                         std::to_string(circle.radius / page.PixelX(1)));
        break;
      }
    }
  }
  return faults;
}

// Prints every design of the matrix and reports its faults (the first few
// of them in full).
// Every dial line: the 24 terms' date lines, the halves' hour curves in
// mean time, the nodus's mark, the scale bar.
void EveryDialLine(MainModel& main) {
  main.Chart().setTimeSystem(kMeanStandardTime);
  main.dialOption.dateLines = 2;
  main.dialOption.hourCurves = 2;
  main.dialOption.scaleBar = true;
}

void WithSummerTime(MainModel& main) {
  main.dialOption.summerTime = true;
}

void Analemmatic(MainModel& main) {
  main.dialKind = DialKind::Analemmatic;
}

int MatrixFaults(const std::vector<PaperName>& papers, const std::vector<double>& latitudes,
                 bool scaleBar = false, int* refusedA5 = nullptr, PlaneOrientation plane = {},
                 void (*options)(MainModel&) = nullptr) {
  int refusals = 0;
  if (!refusedA5) refusedA5 = &refusals;
  MainModel main;
  main.dialPlane = plane;
  main.dialOption.picture.clear();
  main.dialOption.scaleBar = scaleBar;
  main.Chart().setTimeSystem(0);
  if (options) options(main);
  const std::vector<int16_t> intervals =
      options == EveryDialLine ? std::vector<int16_t>{30} : std::vector<int16_t>{10, 30, 60};
  int failures = 0;
  for (const PaperName& paper : papers) {
    for (int16_t orientation : {kPortrait, kLandscape}) {
      for (double latitude : latitudes) {
        for (int16_t interval : intervals) {
          for (int16_t pages : {1, 2}) {
            main.Chart().Location().setLatitude(latitude);
            main.calcTime = {-999, -999, interval};
            EXPECT_EQ(main.ApplySeason(), Status::Ok());
            RecordingDocument document(paper.code, orientation);
            const Status status = PrintSundial(main, document, pages);
            // A5 may refuse a design it cannot hold, and says so.
            if (paper.code == kPaperA5 && !status.ok()) {
              EXPECT_EQ(main.lastError.description, CrowdedPaperText());
              ++*refusedA5;
              continue;
            }
            EXPECT_EQ(status, Status::Ok()) << main.lastError.description;
            for (size_t page = 0; page < document.pages.size(); ++page) {
              for (const std::string& fault : PageFaults(*document.pages[page])) {
                if (++failures > 40) continue;  // enough to see the pattern
                ADD_FAILURE() << paper.name
                              << (orientation == kPortrait ? " portrait" : " landscape") << " "
                              << latitude << " deg " << interval << " min, page " << page + 1 << "/"
                              << pages << ": " << fault;
              }
            }
          }
        }
      }
    }
  }
  return failures;
}

std::vector<PaperName> PapersBut(std::initializer_list<int16_t> left) {
  std::vector<PaperName> papers;
  for (const PaperName& paper : ExportPapers()) {
    if (std::find(left.begin(), left.end(), paper.code) == left.end()) papers.push_back(paper);
  }
  return papers;
}

TEST(SheetLayout, EveryTextInsideTheMarginsApartUncrossedAndUpright) {
  EXPECT_EQ(MatrixFaults(PapersBut({kPaperA5}), {5, 23, 35, 50, -5, -35}), 0);
  EXPECT_EQ(MatrixFaults(PapersBut({kPaperA5, kPaperB5}), {60}), 0);
  // Walls and reclining faces, on every paper, A5 included.
  EXPECT_EQ(MatrixFaults(PapersBut({}), {35, 52, -34}, false, nullptr, {200, 90}), 0);
  EXPECT_EQ(MatrixFaults(PapersBut({}), {40, -40}, false, nullptr, {250, 50}), 0);
  // A wall's summer-time numbers stand beyond its hours.
  EXPECT_EQ(MatrixFaults(PapersBut({}), {52, -34}, false, nullptr, {200, 90}, WithSummerTime), 0);
  // The analemmatic dial's sheet.
  EXPECT_EQ(MatrixFaults(PapersBut({}), {35, 52, -35, -52}, false, nullptr, {}, Analemmatic), 0);
}

// A wall facing south-west: the hour lines that leave through its narrow
// sides, or end where the sun leaves it, keep their labels on the face.
TEST(SheetLayout, AWallsSideHoursAreLabelledOnItsFace) {
  MainModel main;
  main.dialPlane = {225, 90};
  main.dialOption.picture.clear();
  main.Chart().Location().setLatitude(51.51);
  main.Chart().Location().setLongitude(-0.13);
  main.Chart().Location().setTimeZone(0);
  ASSERT_EQ(main.ApplySeason(), Status::Ok());
  RecordingDocument document(kPaperA4, kPortrait);
  ASSERT_EQ(PrintSundial(main, document, 1), Status::Ok());
  const std::vector<std::string> texts = ShapesOf(*document.pages.front()).texts;
  for (const char* hour : {"10:00", "11:00", "17:00", "19:00"}) {
    EXPECT_NE(std::find(texts.begin(), texts.end(), hour), texts.end()) << hour;
  }
  EXPECT_TRUE(PageFaults(*document.pages.front()).empty());
}

TEST(SheetLayout, EveryTextApartWithEveryDialLine) {
  const std::vector<PaperName> papers{{kPaperA3, "A3"},
                                      {kPaperA4, "A4"},
                                      {kPaperA5, "A5"},
                                      {kPaperB5, "B5"},
                                      {kPaperLetter, "Letter"}};
  int refusedA5 = 0;
  EXPECT_EQ(MatrixFaults(papers, {0, 23, -23, 35, -35, 52, -52, 61, -61, 66, -66}, true, &refusedA5,
                         {}, EveryDialLine),
            0);
}

// The crowded sheets: A5, where the model fits only at some latitudes; 66
// degrees, where the lines of a day without night leave the block no place
// on the face; the gnomon's label beside the pattern in the south; the
// scale bar against the letter W in landscape; and a second row of hours
// for summer time. (A design without a date carries the table of clock
// corrections on every sheet.)
TEST(SheetLayout, CrowdedSheetsAsWell) {
  // A5 holds every design of the common latitudes and may refuse others.
  int refusedA5 = 0;
  EXPECT_EQ(MatrixFaults({{kPaperA5, "A5"}}, {23, 35, -35}, false, &refusedA5), 0);
  EXPECT_EQ(refusedA5, 0);
  EXPECT_EQ(MatrixFaults({{kPaperA5, "A5"}}, {5, 50, 60, 66, -5, -60, -66}, false, &refusedA5), 0);
  EXPECT_EQ(MatrixFaults(PapersBut({kPaperA5}), {66, -60, -66}), 0);
  EXPECT_EQ(MatrixFaults({{kPaperB5, "B5"}}, {60}), 0);
  EXPECT_EQ(MatrixFaults(PapersBut({kPaperA5}), {35, 50, 60}, true), 0);
  // The summer-time hours share the time ring, and the key names them.
  EXPECT_EQ(MatrixFaults(PapersBut({}), {0, 35, 52, -35}, true, &refusedA5, {}, WithSummerTime), 0);
}

}  // namespace

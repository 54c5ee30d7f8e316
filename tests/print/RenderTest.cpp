// Printed pages drawn through the Qt target: pixels in the right place and
// colour, and PDF files with the right pages.
#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "ImageExport.h"
#include "MainModel.h"
#include "PdfExport.h"
#include "PrintJob.h"

namespace {

constexpr double kDpi = 100;
double Px(double mm) {
  return mm / 25.4 * kDpi;
}

bool IsRed(QRgb c) {
  return qRed(c) > 180 && qGreen(c) < 90 && qBlue(c) < 90;
}
bool IsDark(QRgb c) {
  return qRed(c) < 100 && qGreen(c) < 100 && qBlue(c) < 100;
}

// A design whose noon line lies on the dial's north-south axis.
void PrepareNoonOnAxis(MainModel& main, double latitude) {
  main.Chart().setTimeSystem(kTrueSolarTime);
  main.Chart().Location().setLatitude(latitude);
  main.dialOption.picture.clear();
  ASSERT_EQ(main.ApplySeason(), Status::Ok());
}

class PageImageTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  MainModel main;

  QImage Export(const PageRequest& request) {
    const std::string path = dir.filePath("page.png").toStdString();
    EXPECT_EQ(ExportPageImage(main, path, PageImageFormat::Png, request), Status::Ok())
        << main.lastError.description;
    return QImage(QString::fromStdString(path));
  }

  // Whether a red pixel lies within two pixels of the point on its row.
  static bool RedNear(const QImage& image, double x, double y) {
    for (int dx = -2; dx <= 2; ++dx) {
      if (IsRed(image.pixel(static_cast<int>(std::lround(x)) + dx,
                            static_cast<int>(std::lround(y))))) {
        return true;
      }
    }
    return false;
  }
};

TEST_F(PageImageTest, NoonLineIsRedOnTheSideOfTheGnomonInEachHemisphere) {
  for (double latitude : {34.65, -34.65}) {
    PrepareNoonOnAxis(main, latitude);
    const QImage image = Export({kPaperA4, kPortrait, 1, 1, kDpi});
    ASSERT_EQ(image.width(), std::lround(Px(210)));
    ASSERT_EQ(image.height(), std::lround(Px(297)));
    const DialLayout l = LayoutPage(1.0, kPortrait, 1, latitude, 210, 297);
    // Halfway between the inner and the middle radius on the axis.
    const double north = Px(l.centerY - 47.5);
    const double south = Px(l.centerY + 47.5);
    const bool northern = latitude > 0;
    EXPECT_EQ(RedNear(image, Px(l.centerX), north), northern) << latitude;
    EXPECT_EQ(RedNear(image, Px(l.centerX), south), !northern) << latitude;
  }
}

TEST_F(PageImageTest, OuterRingSitsAtItsRadiusInMillimetresOnEveryPaper) {
  PrepareNoonOnAxis(main, 34.65);
  // Without the corner sentences, which may make a small paper's dial give way.
  main.dialOption.printInfo = false;
  for (int16_t paper : {kPaperA3, kPaperA4, kPaperB5}) {
    const QImage image = Export({paper, kPortrait, 1, 1, kDpi});
    const SheetSize sheet = PaperSheetSize(paper, kPortrait);
    const double f = PaperFactor(paper);
    const DialLayout l = LayoutPage(f, kPortrait, 1, 34.65, sheet.width, sheet.height);
    // Scanning leftwards 30 mm above the centre, the first ink is the outer circle.
    const int row = static_cast<int>(std::lround(Px(l.centerY - 30 * f)));
    int firstInk = -1;
    for (int x = image.width() - 1; x > 0; --x) {
      if (IsDark(image.pixel(x, row))) {
        firstInk = x;
        break;
      }
    }
    const double expected = Px(l.centerX + std::sqrt(75 * 75 - 30 * 30) * f);
    EXPECT_NEAR(firstInk, expected, 2.5) << paper;
  }
}

TEST_F(PageImageTest, SecondPageOfTwoHoldsOnlyTheGnomon) {
  PrepareNoonOnAxis(main, 34.65);
  main.dialOption.printTitle = false;
  const QImage page2 = Export({kPaperA4, kPortrait, 2, 2, kDpi});
  // No red hour line anywhere on the gnomon's page.
  int red = 0;
  for (int y = 0; y < page2.height(); y += 2) {
    for (int x = 0; x < page2.width(); x += 2) red += IsRed(page2.pixel(x, y)) ? 1 : 0;
  }
  EXPECT_EQ(red, 0);
  const QImage page1 = Export({kPaperA4, kPortrait, 2, 1, kDpi});
  const DialLayout l = LayoutPage(1.0, kPortrait, 2, 34.65, 210, 297);
  EXPECT_TRUE(RedNear(page1, Px(l.centerX), Px(l.centerY - 47.5)));
}

TEST_F(PageImageTest, PreviewAtDoubleZoomShowsTheSamePageTwiceAsLarge) {
  PrepareNoonOnAxis(main, 34.65);
  QImage image(static_cast<int>(Px(210) * 2), static_cast<int>(Px(297) * 2), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  ASSERT_EQ(RenderPreviewPage(main, painter, {kPaperA4, kPortrait, 1, 1, kDpi}, 2.0, false),
            Status::Ok());
  painter.end();
  const DialLayout l = LayoutPage(1.0, kPortrait, 1, 34.65, 210, 297);
  const double scale = image.width() / 210.0;
  EXPECT_TRUE(RedNear(image, l.centerX * scale, (l.centerY - 47.5) * scale));
  EXPECT_FALSE(RedNear(image, l.centerX * scale, (l.centerY + 47.5) * scale));
}

TEST_F(PageImageTest, SvgIsWrittenAtThePapersSize) {
  PrepareNoonOnAxis(main, 34.65);
  const std::string path = dir.filePath("page.svg").toStdString();
  ASSERT_EQ(ExportPageImage(main, path, PageImageFormat::Svg, {kPaperB4, kLandscape, 1, 1, 90}),
            Status::Ok());
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  std::smatch size;
  const std::string svg = text.str();
  ASSERT_TRUE(
      std::regex_search(svg, size, std::regex(R"(width="([\d.]+)mm" height="([\d.]+)mm")")));
  EXPECT_NEAR(std::stod(size[1]), 364, 0.5);
  EXPECT_NEAR(std::stod(size[2]), 257, 0.5);
}

TEST_F(PageImageTest, UnwritableFileIsReportedNotCrashed) {
  PrepareNoonOnAxis(main, 34.65);
  const std::string path = dir.filePath("no/such/folder/page.png").toStdString();
  EXPECT_EQ(ExportPageImage(main, path, PageImageFormat::Png, {kPaperA4, kPortrait, 1, 1, 50}),
            Status::Error(75));
  EXPECT_NE(main.lastError.description.find(path), std::string::npos);
  EXPECT_EQ(ExportPdf(main, dir.filePath("none/x.pdf").toStdString(), kPaperA4, kPortrait, 1),
            Status::Error(75));
}

// The pages and sheet sizes a PDF declares.
struct PdfSummary {
  int pages = 0;
  std::vector<std::pair<double, double>> mediaBoxes;  // points
};

PdfSummary ReadPdf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  const std::string pdf = bytes.str();
  PdfSummary summary;
  const std::regex page(R"(/Type\s*/Page(?![s\w]))");
  summary.pages = static_cast<int>(
      std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
  const std::regex box(R"(/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+)\s*\])");
  for (auto it = std::sregex_iterator(pdf.begin(), pdf.end(), box); it != std::sregex_iterator();
       ++it) {
    summary.mediaBoxes.emplace_back(std::stod((*it)[1]), std::stod((*it)[2]));
  }
  return summary;
}

class PdfExportTest : public PageImageTest {};

TEST_F(PdfExportTest, OnePdfPagePerPrintedPageAtThePapersSize) {
  PrepareNoonOnAxis(main, 34.65);
  struct Case {
    int16_t paper, orientation, pages;
    double width, height;  // millimetres
  };
  for (const Case& c :
       {Case{kPaperA4, kPortrait, 1, 210, 297}, Case{kPaperA4, kPortrait, 2, 210, 297},
        Case{kPaperA3, kLandscape, 1, 420, 297}, Case{kPaperB5, kPortrait, 2, 182, 257}}) {
    const std::string path = dir.filePath("dial.pdf").toStdString();
    ASSERT_EQ(ExportPdf(main, path, c.paper, c.orientation, c.pages), Status::Ok())
        << main.lastError.description;
    const PdfSummary pdf = ReadPdf(path);
    EXPECT_EQ(pdf.pages, c.pages) << c.paper;
    ASSERT_EQ(pdf.mediaBoxes.size(), static_cast<size_t>(c.pages));
    for (const auto& [w, h] : pdf.mediaBoxes) {
      EXPECT_NEAR(w, c.width / 25.4 * 72, 1.0) << c.paper;
      EXPECT_NEAR(h, c.height / 25.4 * 72, 1.0) << c.paper;
    }
  }
}

TEST_F(PdfExportTest, AnAbandonedJobLeavesTheEarlierFileAsItWas) {
  PrepareNoonOnAxis(main, 34.65);
  const std::string path = dir.filePath("kept.pdf").toStdString();
  { std::ofstream(path) << "earlier"; }
  SundialRoutines failing;
  failing.gnomon = [](DialDesign m, DrawTarget&, const DialLayout&, double, double) {
    return m.errors.Record(380, "mdlDraw.DrawGnomon", "refused");
  };
  PdfDevice document(path, kPaperA4, kPortrait);
  EXPECT_EQ(PrintSundial(main, document, 2, failing), Status::Error(380));
  std::ifstream in(path);
  std::string content;
  std::getline(in, content);
  EXPECT_EQ(content, "earlier");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);  // no temporary left behind
}

}  // namespace

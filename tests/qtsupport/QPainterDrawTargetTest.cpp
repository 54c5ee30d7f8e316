#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "EngineErrors.h"
#include "PaintSupport.h"
#include "QPainterDrawTarget.h"

namespace {

FontSpec Liberation(double points) {
  FontSpec font;
  font.name = "Arial";
  font.size = points;
  return font;
}

TEST(QPainterDrawTargetScale, MillimetresAndPixelsFollowTheDeviceResolution) {
  for (const double dpi : {96.0, 300.0, 600.0}) {
    SCOPED_TRACE(dpi);
    QImage image = WhiteImage(100, 50, dpi);
    QPainter painter(&image);
    const auto page = QPainterDrawTarget::ForPage(painter, DrawTargetKind::Other);
    EXPECT_EQ(page->ScaleMode(), ScaleUnit::Millimeters);
    EXPECT_NEAR(page->ScaleX(25.4, ScaleUnit::Millimeters, ScaleUnit::Pixels), dpi, 1e-6);
    EXPECT_NEAR(page->ScaleY(dpi, ScaleUnit::Pixels, ScaleUnit::Millimeters), 25.4, 1e-6);
    EXPECT_NEAR(page->ScaleX(72, ScaleUnit::Points, ScaleUnit::Twips), 1440, 1e-6);
    EXPECT_NEAR(page->ScaleX(1440, ScaleUnit::Twips, ScaleUnit::Pixels), dpi, 1e-6);
    // The user unit of a page is the millimetre and spans the device.
    EXPECT_NEAR(page->ScaleWidth(), 100 / dpi * 25.4, 1e-9);
    EXPECT_NEAR(page->ScaleHeight(), 50 / dpi * 25.4, 1e-9);
    EXPECT_NEAR(page->ScaleX(10, ScaleUnit::User, ScaleUnit::Millimeters), 10, 1e-9);
    EXPECT_NEAR(page->Width(), 100 / dpi * 1440, 1e-6);
  }
}

TEST(QPainterDrawTargetScale, PreviewMapsPageMillimetresOntoTheZoomedPicture) {
  // A4 at zoom 0.5 on a 96-dpi screen.
  const double zoom = 0.5;
  const int width = static_cast<int>(std::lround(210 / 25.4 * 96 * zoom));
  const int height = static_cast<int>(std::lround(297 / 25.4 * 96 * zoom));
  QImage image = WhiteImage(width, height, 96);
  QPainter painter(&image);
  const auto preview = QPainterDrawTarget::ForPreview(painter, 210, 297);
  EXPECT_EQ(preview->Kind(), DrawTargetKind::PreviewPicture);
  EXPECT_DOUBLE_EQ(preview->ScaleWidth(), 210);
  EXPECT_DOUBLE_EQ(preview->ScaleHeight(), 297);
  // One page millimetre is half a millimetre of screen.
  EXPECT_NEAR(preview->ScaleX(100, ScaleUnit::User, ScaleUnit::Millimeters), 50, 0.2);
  EXPECT_NEAR(preview->ScaleY(100, ScaleUnit::User, ScaleUnit::Pixels), 100 / 25.4 * 96 * zoom,
              0.3);
  // Physical units are not zoomed: a point is a point of the screen.
  EXPECT_NEAR(preview->ScaleX(72, ScaleUnit::Points, ScaleUnit::Pixels), 96, 1e-9);
}

TEST(QPainterDrawTargetScale, ClockUsesItsOwnUnitsWithTheOriginWhereTheScaleSaysIt) {
  QImage image = WhiteImage(300, 200);
  QPainter painter(&image);
  const UserScale scale = ShortSideScale(300, 200, 2000);
  EXPECT_DOUBLE_EQ(scale.width, 3000);
  EXPECT_DOUBLE_EQ(scale.height, 2000);
  const auto clock = QPainterDrawTarget::ForUserScale(painter, DrawTargetKind::ClockPicture, scale);
  EXPECT_EQ(clock->ScaleMode(), ScaleUnit::User);
  EXPECT_NEAR(clock->ScaleX(48, ScaleUnit::Pixels, ScaleUnit::User), 480, 1e-9);
  EXPECT_NEAR(clock->ScaleY(1000, ScaleUnit::User, ScaleUnit::Pixels), 100, 1e-9);
  EXPECT_NEAR(clock->Width(), 300 * 15, 1e-9);
}

TEST(QPainterDrawTargetScale, RefusesAnEmptyScaleAndAnInactivePainter) {
  QImage image = WhiteImage(10, 10);
  QPainter painter(&image);
  EXPECT_FALSE(
      TrapStatus([&] {
        QPainterDrawTarget(painter, DrawTargetKind::Other, ScaleUnit::User, UserScale{0, 0, 0, 10});
      }).ok());
  painter.end();
  EXPECT_FALSE(TrapStatus([&] { QPainterDrawTarget::ForPage(painter); }).ok());
}

TEST(QPainterDrawTargetScale, PdfPageReportsThePaperInTwipsAndCannotInvert) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  pdf.setResolution(600);
  QPainter painter(&pdf);
  const auto page = QPainterDrawTarget::ForPage(painter);
  // Qt keeps A4 in whole points (595 x 842).
  EXPECT_NEAR(page->Width(), 595 * 20, 1);
  EXPECT_NEAR(page->Height(), 842 * 20, 1);
  EXPECT_NEAR(page->ScaleWidth(), 210, 0.2);
  EXPECT_FALSE(page->CanInvert());
  EXPECT_EQ(page->PhysicalOffsetX(), 0);
  // Invert on a surface that cannot invert still draws.
  page->setDrawMode(PenMode::Invert);
  EXPECT_NO_THROW(page->DeviceLine({10, 10}, {500, 500}));
}

TEST(QPainterDrawTargetScale, PageWithMarginsReportsItsOriginOnThePaper) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setResolution(300);
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                QMarginsF(5, 8, 5, 8), QPageLayout::Millimeter));
  QPainter painter(&pdf);
  const auto page = QPainterDrawTarget::ForPage(painter);
  EXPECT_NEAR(page->ScaleX(page->PhysicalOffsetX(), ScaleUnit::Pixels, ScaleUnit::Millimeters), 5,
              0.2);
  EXPECT_NEAR(page->ScaleY(page->PhysicalOffsetY(), ScaleUnit::Pixels, ScaleUnit::Millimeters), 8,
              0.2);  // Qt keeps margins in whole points
  // The user area is the printable part; the outer size stays the paper.
  EXPECT_NEAR(page->ScaleWidth(), 200, 0.2);
  EXPECT_NEAR(page->Width(), 595 * 20, 1);
}

TEST(QPainterDrawTargetText, MultiLineTextIsTheWidestLineByAllLines) {
  QImage image = WhiteImage(400, 400, 300);
  QPainter painter(&image);
  const auto page = QPainterDrawTarget::ForPage(painter);
  page->setFont(Liberation(12));
  const double oneLine = page->TextHeight("Sundial");
  EXPECT_GT(oneLine, 0);
  EXPECT_NEAR(page->TextHeight("Sundial\r\nDial\r\nGnomon"), 3 * oneLine, 1e-9);
  EXPECT_NEAR(page->TextHeight(""), oneLine, 1e-9);
  const double wide = page->TextWidth("Horizontal sundial");
  EXPECT_NEAR(page->TextWidth("Dial\r\nHorizontal sundial\r\nX"), wide, 1e-9);
  EXPECT_LT(page->TextWidth("Dial"), wide);
}

TEST(QPainterDrawTargetText, MeasurementsFollowEveryChangeOfFontAndDevice) {
  // Measurements are kept for the process: none may be taken for another
  // font, size or resolution.
  const std::string text = "Summer solstice WM";
  const auto widthOn = [&](double dpi, const FontSpec& font) {
    QImage image = WhiteImage(50, 50, dpi);
    QPainter painter(&image);
    const auto page = QPainterDrawTarget::ForPage(painter);
    page->setFont(font);
    return page->TextWidth(text);
  };
  const double plain = widthOn(300, Liberation(12));
  FontSpec bold = Liberation(12);
  bold.bold = true;
  FontSpec serif = Liberation(12);
  serif.name = "Times New Roman";
  EXPECT_GT(widthOn(300, bold), plain * 1.02);
  EXPECT_LT(widthOn(300, serif), plain * 0.98);
  EXPECT_NEAR(widthOn(300, Liberation(24)), 2 * plain, plain * 0.01);
  EXPECT_GT(widthOn(300, Liberation(12.001)), plain);
  // Millimetres on every resolution, from the first measurement on.
  EXPECT_NEAR(widthOn(96, Liberation(12)), plain, plain * 0.01);
  EXPECT_EQ(widthOn(300, Liberation(12)), plain);
}

TEST(QPainterDrawTargetText, FontSizeIsPhysicallyTheSameOnEveryResolution) {
  // A 72-point font: its cell is a fixed multiple of an inch whatever the
  // device, on images of any resolution and on PDF.
  std::vector<double> heights;
  for (const double dpi : {96.0, 150.0, 600.0}) {
    QImage image = WhiteImage(50, 50, dpi);
    QPainter painter(&image);
    const auto page = QPainterDrawTarget::ForPage(painter);
    page->setFont(Liberation(72));
    heights.push_back(page->TextHeight("Ag"));
  }
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  QPainter painter(&pdf);
  const auto pdfPage = QPainterDrawTarget::ForPage(painter);
  pdfPage->setFont(Liberation(72));
  heights.push_back(pdfPage->TextHeight("Ag"));
  for (const double h : heights) {
    // Liberation Sans' cell is about 1.15 em: 25.4 mm x 1.15.
    EXPECT_NEAR(h, 25.4 * 1.15, 25.4 * 0.06);
    EXPECT_NEAR(h, heights.front(), heights.front() * 0.03);
  }
}

TEST(QPainterDrawTargetText, ZoomedFontOnTheZoomedPreviewMeasuresLikeThePage) {
  // The drawing routines multiply font sizes by the zoom; the text then
  // keeps its size in page millimetres.
  auto widthAt = [](double zoom) {
    QImage image = WhiteImage(static_cast<int>(std::lround(210 / 25.4 * 96 * zoom)),
                              static_cast<int>(std::lround(297 / 25.4 * 96 * zoom)));
    QPainter painter(&image);
    const auto preview = QPainterDrawTarget::ForPreview(painter, 210, 297);
    preview->setFont(Liberation(10 * zoom));
    return preview->TextWidth("Umbrafex Version 3.04");
  };
  EXPECT_NEAR(widthAt(2.0), widthAt(1.0), widthAt(1.0) * 0.01);
  EXPECT_NEAR(widthAt(0.5), widthAt(1.0), widthAt(1.0) * 0.01);
  EXPECT_NEAR(widthAt(0.1), widthAt(1.0), widthAt(1.0) * 0.01);
}

TEST(QPainterDrawTargetText, DeviceTextCellHeightIsTheRequestedPixelHeight) {
  QImage image = WhiteImage(10, 10, 300);
  for (const int height : {12, 40, 200}) {
    const QFont font = FontForPixelHeight("Arial", height, 400, false, false, false, &image);
    EXPECT_NEAR(QFontMetricsF(font, &image).height(), height, height * 0.03 + 0.5);
  }
  // A negative height is the em height.
  const QFont em = FontForPixelHeight("Arial", -100, 400, false, false, false, &image);
  EXPECT_NEAR(em.pointSizeF() * 300 / 72, 100, 0.5);
}

TEST(QPainterDrawTargetText, RotatedTextTurnsCounterClockwiseAboutItsTopLeftCorner) {
  DeviceFont font;
  font.name = "Arial";
  font.heightPixels = 30;
  struct Case {
    int tenths;
    bool (*where)(const QRect& ink);
  };
  const Case cases[] = {
      {0,
       [](const QRect& ink) { return ink.left() >= 98 && ink.top() >= 98 && ink.right() > 150; }},
      // 90 degrees: the text runs up the page from the corner, its top to the left.
      {900,
       [](const QRect& ink) { return ink.top() < 50 && ink.bottom() <= 102 && ink.left() >= 98; }},
      {1800,
       [](const QRect& ink) {
         return ink.right() <= 102 && ink.bottom() <= 102 && ink.left() < 50;
       }},
      {2700,
       [](const QRect& ink) {
         return ink.top() >= 98 && ink.bottom() > 150 && ink.right() <= 102;
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tenths);
    QImage image = WhiteImage(200, 200);
    {
      QPainter painter(&image);
      auto target = QPainterDrawTarget::ForPage(painter);
      target->setForeColor(kColorBlack);
      font.escapementTenths = c.tenths;
      target->DeviceText({100, 100}, "Sundial", font);
    }
    const QRect ink = InkBox(image);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(c.where(ink)) << ink.x() << "," << ink.y() << " " << ink.width() << "x"
                              << ink.height();
  }
}

TEST(QPainterDrawTargetText, TextIsDrawnInTheForeColourOnATransparentBackground) {
  QImage image = WhiteImage(200, 60);
  {
    QPainter painter(&image);
    auto target = QPainterDrawTarget::ForPage(painter);
    target->setForeColor(kColorRed);
    target->setDrawMode(PenMode::Invert);
    DeviceFont font;
    font.name = "Arial";
    font.heightPixels = 40;
    target->DeviceText({5, 5}, "HHHH", font);
  }
  bool red = false;
  for (int x = 0; x < 200; ++x) {
    const QColor c = image.pixelColor(x, 25);
    red = red || (c.red() > 200 && c.green() < 60 && c.blue() < 60);
    EXPECT_FALSE(c.red() < 200 && c.green() > 200) << "background was painted at " << x;
  }
  EXPECT_TRUE(red);
  EXPECT_EQ(image.pixelColor(199, 59), QColor(Qt::white));
}

TEST(QPainterDrawTargetPrimitives, InvertingTwiceRestoresThePicture) {
  QImage image = WhiteImage(120, 120);
  {
    QPainter painter(&image);
    painter.fillRect(0, 0, 60, 120, QColor(30, 120, 200));
    painter.setPen(Qt::black);
    painter.drawLine(0, 60, 119, 60);
  }
  const QImage before = image.copy();
  QPainter painter(&image);
  auto target = QPainterDrawTarget::ForPage(painter);
  ASSERT_TRUE(target->CanInvert());
  target->setDrawMode(PenMode::Invert);
  target->setFillStyle(BrushStyle::Solid);
  target->setFillColor(kColorDarkGrey);
  target->setForeColor(kColorDarkGrey);
  const std::vector<DevicePoint> shadow{{60, 10}, {100, 90}, {60, 110}, {20, 40}};
  target->DevicePolygon(shadow);
  target->DeviceLine({0, 0}, {119, 119});
  painter.end();
  // Inverted once: white became black, the blue its complement.
  EXPECT_EQ(image.pixelColor(70, 50), QColor(0, 0, 0));
  EXPECT_EQ(image.pixelColor(40, 70), QColor(225, 135, 55));
  EXPECT_NE(image, before);
  painter.begin(&image);
  auto again = QPainterDrawTarget::ForPage(painter);
  again->setDrawMode(PenMode::Invert);
  again->setFillStyle(BrushStyle::Solid);
  again->DevicePolygon(shadow);
  again->DeviceLine({0, 0}, {119, 119});
  painter.end();
  EXPECT_EQ(image, before);
}

TEST(QPainterDrawTargetPrimitives, SvgCannotInvertAndDrawsWithTheCopyPen) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(100, 100));
  {
    QPainter painter(&svg);
    auto target = QPainterDrawTarget::ForPage(painter);
    EXPECT_FALSE(target->CanInvert());
    target->setDrawMode(PenMode::Invert);
    target->setForeColor(kColorGreen);
    target->DeviceLine({10, 10}, {90, 90});
  }
  const QByteArray text = buffer.data();
  EXPECT_TRUE(text.contains("#00ff00")) << text.toStdString();
}

TEST(QPainterDrawTargetPrimitives, ShapesCoverTheClassicDevicePixels) {
  QImage image = WhiteImage(60, 60);
  {
    QPainter painter(&image);
    auto target = QPainterDrawTarget::ForPage(painter);
    target->setForeColor(kColorBlack);
    target->setFillColor(kColorRed);
    target->setFillStyle(BrushStyle::Solid);
    target->DeviceRectangle({10, 10}, {20, 30});
    target->setFillStyle(BrushStyle::Transparent);
    target->DeviceEllipse({30, 30}, {50, 50});
  }
  // The box runs from the first corner up to, not including, the second.
  EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(19, 29), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(20, 20), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(10, 30), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(15, 20), QColor(Qt::red));
  // A transparent brush leaves the inside of the ellipse alone.
  EXPECT_EQ(image.pixelColor(40, 40), QColor(Qt::white));
  EXPECT_EQ(InkBox(image), QRect(10, 10, 40, 40));
}

TEST(QPainterDrawTargetPrimitives, PenStyleAndWidth) {
  auto row = [](PenStyle style, int width) {
    QImage image = WhiteImage(120, 20);
    QPainter painter(&image);
    auto target = QPainterDrawTarget::ForPage(painter);
    target->setDrawStyle(style);
    target->setDrawWidth(width);
    target->DeviceLine({0, 10}, {119, 10});
    painter.end();
    int inked = 0;
    for (int x = 0; x < 120; ++x) inked += image.pixelColor(x, 10) != QColor(Qt::white);
    return std::pair{inked, InkBox(image).height()};
  };
  EXPECT_GE(row(PenStyle::Solid, 1).first, 119);
  EXPECT_LT(row(PenStyle::Dash, 1).first, 110);
  EXPECT_LT(row(PenStyle::Dot, 1).first, 70);
  EXPECT_EQ(row(PenStyle::Solid, 1).second, 1);
  EXPECT_EQ(row(PenStyle::Solid, 5).second, 5);
  // A wider pen keeps its dashes, in proportion (fold lines on paper).
  EXPECT_LT(row(PenStyle::Dash, 3).first, 110);
  QImage image = WhiteImage(4, 4);
  QPainter painter(&image);
  auto target = QPainterDrawTarget::ForPage(painter);
  EXPECT_FALSE(TrapStatus([&] { target->setDrawWidth(0); }).ok());
}

TEST(QPainterDrawTargetPrimitives, ColourReferencesHaveRedInTheLowByte) {
  EXPECT_EQ(ToQColor(0x0000FF), QColor(255, 0, 0));
  EXPECT_EQ(ToQColor(0x00FF00), QColor(0, 255, 0));
  EXPECT_EQ(ToQColor(0xFF0000), QColor(0, 0, 255));
  EXPECT_EQ(ToQColor(kColorGrey), QColor(128, 128, 128));
  // A system colour (button face) comes from the palette, not from its bits.
  EXPECT_TRUE(ToQColor(static_cast<ColorRef>(0x8000000Fu)).isValid());
}

}  // namespace

#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <cstring>
#include <fstream>

#include "MetafileParser.h"
#include "MetafileWriter.h"
#include "PaintSupport.h"
#include "Picture.h"
#include "QPainterDrawTarget.h"
#include "TextCodec.h"
#include "EngineErrors.h"

namespace {

class PictureFiles : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = dir_.path().toStdString() + "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  // Paints the picture over a white 200 x 200 image.
  static QImage Painted(const Picture& picture) {
    QImage image = WhiteImage(200, 200);
    QPainter painter(&image);
    picture.Paint(painter, QRectF(0, 0, 200, 200));
    return image;
  }
  QTemporaryDir dir_;
};

constexpr uint32_t kGreen = 10 | (200 << 8) | (30 << 16);  // RGB(10, 200, 30)
const QColor kGreenColor(10, 200, 30);

// A solid green brush (object 0) and a null pen (object 1), selected.
void SelectGreenFillWithoutOutline(WmfWriter& wmf) {
  wmf.Record(0x02FC, {0, WmfWriter::Low(kGreen), WmfWriter::High(kGreen), 0});
  wmf.Record(0x02FA, {5, 0, 0, 0, 0});
  wmf.Record(0x012D, {0});
  wmf.Record(0x012D, {1});
}

// A green square with no outline.
void GreenSquare(WmfWriter& wmf, int left, int top, int right, int bottom) {
  SelectGreenFillWithoutOutline(wmf);
  wmf.Record(0x041B, {bottom, right, top, left});
}

TEST_F(PictureFiles, BackgroundPictureDrawsSoftTintsInsideItsCircle) {
  const auto picture = LoadPicture(ResourcePath("bkgcolor.wmf"));
  EXPECT_NEAR(picture->NaturalSize().width(), 2000.0 / 1440 * 96, 0.5);
  const QImage image = Painted(*picture);
  const QColor centre = image.pixelColor(100, 100);
  const QColor rim = image.pixelColor(100, 4);
  for (const QColor& c : {centre, rim, image.pixelColor(30, 100)}) {
    EXPECT_NE(c, QColor(Qt::white));
    // Light enough for hour lines over it.
    EXPECT_GT(std::min({c.red(), c.green(), c.blue()}), 180);
  }
  EXPECT_NE(centre, rim);
  // The corners stay clear for the hour lines.
  EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(197, 197), QColor(Qt::white));
}

TEST_F(PictureFiles, PlaceableWmfRectangleLandsWhereItsWindowPutsIt) {
  WmfWriter plain;
  GreenSquare(plain, 25, 25, 75, 75);
  // The same square in a window moved and scaled by the file itself.
  WmfWriter windowed;
  windowed.Record(0x020B, {1000, 1000});  // window origin (y, x)
  windowed.Record(0x020C, {200, 200});    // window extent (y, x)
  GreenSquare(windowed, 1050, 1050, 1150, 1150);
  for (const std::string& bytes : {plain.Bytes(0, 0, 100, 100), windowed.Bytes(0, 0, 100, 100)}) {
    const QImage image = Painted(*LoadPicture(Write("square.wmf", bytes)));
    EXPECT_EQ(image.pixelColor(100, 100), kGreenColor);
    EXPECT_EQ(image.pixelColor(60, 140), kGreenColor);
    EXPECT_EQ(image.pixelColor(40, 40), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(160, 100), QColor(Qt::white));
  }
}

TEST_F(PictureFiles, WmfWithoutPlaceableHeaderUsesItsWindowOrItsDrawing) {
  WmfWriter windowed;
  windowed.Record(0x020C, {100, 100});
  GreenSquare(windowed, 25, 25, 75, 75);
  QImage image = Painted(*LoadPicture(Write("w.wmf", windowed.Bytes())));
  EXPECT_EQ(image.pixelColor(100, 100), kGreenColor);
  EXPECT_EQ(image.pixelColor(40, 40), QColor(Qt::white));
  // No window at all: the drawing itself is the frame.
  WmfWriter bare;
  GreenSquare(bare, 25, 25, 75, 75);
  image = Painted(*LoadPicture(Write("b.wmf", bare.Bytes())));
  EXPECT_EQ(image.pixelColor(5, 5), kGreenColor);
  EXPECT_EQ(image.pixelColor(190, 190), kGreenColor);
}

TEST_F(PictureFiles, WmfPieRunsCounterClockwiseFromStartToEnd) {
  WmfWriter wmf;
  SelectGreenFillWithoutOutline(wmf);
  // From east (100, 50) to north (50, 0): the upper right quarter.
  wmf.Record(0x081A, {0, 50, 50, 100, 100, 100, 0, 0});
  const QImage image = Painted(*LoadPicture(Write("pie.wmf", wmf.Bytes(0, 0, 100, 100))));
  EXPECT_EQ(image.pixelColor(140, 60), kGreenColor);
  EXPECT_EQ(image.pixelColor(60, 60), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(140, 140), QColor(Qt::white));
}

TEST_F(PictureFiles, WmfTextAndFontsAreReadInTheJapaneseCodePage) {
  const std::string face = *Utf8ToCp932("ＭＳ ゴシック");
  const std::string text = *Utf8ToCp932("日時計");
  std::string font = WmfWriter::Word(40) + WmfWriter::Word(0) + WmfWriter::Word(0) +
                     WmfWriter::Word(0) + WmfWriter::Word(700);
  font += std::string("\0\0\0\x80\0\0\0\0", 8);  // italic .. pitch; Shift-JIS character set
  font += face + std::string(32 - face.size(), '\0');
  WmfWriter wmf;
  wmf.RawRecord(0x02FB, font);
  wmf.Record(0x012D, {0});
  std::string textOut = WmfWriter::Word(static_cast<int>(text.size())) + text;
  if (text.size() % 2) textOut += '\0';
  wmf.RawRecord(0x0521, textOut + WmfWriter::Word(10) + WmfWriter::Word(10));  // y, x
  const std::string bytes = wmf.Bytes(0, 0, 200, 100);

  const metafile::DisplayList list = metafile::ParseMetafile(bytes);
  ASSERT_EQ(list.ops.size(), 1u);
  EXPECT_EQ(list.ops[0].shape, metafile::Shape::Text);
  EXPECT_EQ(list.ops[0].text, "日時計");
  EXPECT_EQ(list.ops[0].font.face, "ＭＳ ゴシック");
  EXPECT_EQ(list.ops[0].font.weight, 700);
  EXPECT_DOUBLE_EQ(list.ops[0].font.height, 40);
  const QImage image = Painted(*LoadPicture(Write("text.wmf", bytes)));
  const QRect ink = InkBox(image);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GE(ink.left(), 18);
  EXPECT_GE(ink.top(), 18);
}

TEST_F(PictureFiles, EmfShapesAndPathsFollowTheFrame) {
  EmfWriter emf;
  emf.Record(39, {1, 0, static_cast<int32_t>(kGreen), 0});  // solid brush in slot 1
  emf.Record(37, {1});
  emf.Record(37, {static_cast<int32_t>(0x80000008u)});  // null pen
  emf.Record(43, {250, 250, 500, 500});                 // rectangle, device pixels
  // A filled path: the lower-right quarter's triangle.
  emf.Record(59, {});
  emf.Record(27, {900, 600});
  emf.Record(54, {900, 900});
  emf.Record(54, {600, 900});
  emf.Record(61, {});
  emf.Record(60, {});
  emf.Record(62, {0, 0, 0, 0});
  const std::string bytes = emf.Bytes(25000, 25000);  // 250 mm = 1000 px
  const auto picture = LoadPicture(Write("shapes.emf", bytes));
  EXPECT_NEAR(picture->NaturalSize().width(), 250 / 25.4 * 96, 0.5);
  const QImage image = Painted(*picture);
  EXPECT_EQ(image.pixelColor(75, 75), kGreenColor);
  EXPECT_EQ(image.pixelColor(110, 75), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(170, 170), kGreenColor);
  EXPECT_EQ(image.pixelColor(130, 130), QColor(Qt::white));
}

TEST_F(PictureFiles, EmfMappingModesAndWorldTransform) {
  EmfWriter emf;
  emf.Record(39, {1, 0, static_cast<int32_t>(kGreen), 0});
  emf.Record(37, {1});
  emf.Record(37, {static_cast<int32_t>(0x80000008u)});
  emf.Record(17, {8});           // anisotropic
  emf.Record(9, {10, 10});       // window extent
  emf.Record(11, {1000, 1000});  // viewport extent
  // Scale by two in the world transform: the unit square (1..2) becomes 2..4
  // window units, 200..400 device pixels.
  const float two = 2.0f, zero = 0.0f;
  uint32_t twoBits, zeroBits;
  std::memcpy(&twoBits, &two, 4);
  std::memcpy(&zeroBits, &zero, 4);
  emf.Record(35, {static_cast<int32_t>(twoBits), static_cast<int32_t>(zeroBits),
                  static_cast<int32_t>(zeroBits), static_cast<int32_t>(twoBits),
                  static_cast<int32_t>(zeroBits), static_cast<int32_t>(zeroBits)});
  emf.Record(43, {1, 1, 2, 2});
  const QImage image = Painted(*LoadPicture(Write("mapped.emf", emf.Bytes(25000, 25000))));
  EXPECT_EQ(image.pixelColor(60, 60), kGreenColor);
  EXPECT_EQ(image.pixelColor(30, 30), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(90, 90), QColor(Qt::white));
}

// A 2 x 2 bitmap, stored bottom row first: red, green over blue, white.
std::string QuadrantBitmapInfo() {
  std::string info = WmfWriter::Word(40) + WmfWriter::Word(0);  // header size
  info += WmfWriter::Word(2) + WmfWriter::Word(0);              // width
  info += WmfWriter::Word(2) + WmfWriter::Word(0);              // height: bottom-up
  info += WmfWriter::Word(1) + WmfWriter::Word(24);             // planes, bits
  info += std::string(24, '\0');                                // no compression ...
  return info;
}
std::string QuadrantBitmapBits() {
  return std::string(
      "\xff\x00\x00\xff\xff\xff\0\0"   // blue, white
      "\x00\x00\xff\x00\xff\x00\0\0",  // red, green
      16);
}

void ExpectQuadrants(const QImage& image) {
  auto near = [](QColor c, QColor expected) {
    return std::abs(c.red() - expected.red()) < 16 && std::abs(c.green() - expected.green()) < 16 &&
           std::abs(c.blue() - expected.blue()) < 16;
  };
  EXPECT_TRUE(near(image.pixelColor(50, 50), Qt::red));
  EXPECT_TRUE(near(image.pixelColor(150, 50), Qt::green));
  EXPECT_TRUE(near(image.pixelColor(50, 150), Qt::blue));
  EXPECT_TRUE(near(image.pixelColor(150, 150), Qt::white));
}

TEST_F(PictureFiles, BitmapsInsideMetafilesAreDrawnUpright) {
  WmfWriter wmf;
  std::string stretch = WmfWriter::Word(0x0020) + WmfWriter::Word(0x00CC);   // copy
  stretch += WmfWriter::Word(0);                                             // RGB colours
  for (int v : {2, 2, 0, 0, 100, 100, 0, 0}) stretch += WmfWriter::Word(v);  // source, destination
  wmf.RawRecord(0x0F43, stretch + QuadrantBitmapInfo() + QuadrantBitmapBits());
  ExpectQuadrants(Painted(*LoadPicture(Write("bitmap.wmf", wmf.Bytes(0, 0, 100, 100)))));
  // A header promising far more pixels than the record holds is not decoded.
  std::string huge = QuadrantBitmapInfo();
  huge[4] = huge[8] = '\x60';
  huge[5] = huge[9] = '\xEA';  // 60000 x 60000
  WmfWriter bomb;
  bomb.RawRecord(0x0F43, stretch + huge + QuadrantBitmapBits());
  EXPECT_TRUE(metafile::ParseMetafile(bomb.Bytes(0, 0, 100, 100)).ops.empty());

  EmfWriter emf;
  std::string record(72, '\0');
  auto set = [&](std::size_t at, int32_t v) {
    for (int i = 0; i < 4; ++i) record[at - 8 + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  set(40, 2);     // source width
  set(44, 2);     // source height
  set(48, 80);    // info at
  set(52, 40);    // info size
  set(56, 120);   // bits at
  set(60, 16);    // bits size
  set(72, 1000);  // destination size
  set(76, 1000);
  emf.RawRecord(81, record + QuadrantBitmapInfo() + QuadrantBitmapBits());
  ExpectQuadrants(Painted(*LoadPicture(Write("bitmap.emf", emf.Bytes(25000, 25000)))));
}

TEST_F(PictureFiles, UnreadableFilesRaiseErrors) {
  EXPECT_EQ(TrapStatus([&] { LoadPicture(dir_.path().toStdString() + "/missing.wmf"); }),
            Status::Error(kFileNotFoundNumber));
  std::string garbage;
  for (int i = 0; i < 4000; ++i) garbage += static_cast<char>((i * 7919) % 251);
  for (const std::string& bytes : {garbage, std::string(), std::string("<svg nonsense")}) {
    const std::string path = Write("garbage.bmp", bytes);
    EXPECT_EQ(TrapStatus([&] { LoadPicture(path); }), Status::Error(kInvalidPictureError));
    EXPECT_FALSE(IsLoadablePicture(path));
  }
  // The target passes the error on; the background routine swallows it.
  QImage image = WhiteImage(20, 20);
  QPainter painter(&image);
  auto target = QPainterDrawTarget::ForPage(painter);
  EXPECT_FALSE(TrapStatus([&] { target->PaintPicture(Write("g.wmf", garbage), 0, 0, 1, 1); }).ok());
  EXPECT_FALSE(TrapStatus([&] { target->PaintPicture("#803", 0, 0, 1, 1); }).ok());
}

TEST_F(PictureFiles, DamagedMetafilesDrawWhatTheyHave) {
  WmfWriter wmf;
  GreenSquare(wmf, 25, 25, 75, 75);
  wmf.Record(0x0324, {30000, 1, 2});  // polygon claiming far more points than it has
  wmf.Record(0x0538, {2, 40000, 40000});
  const std::string whole = wmf.Bytes(0, 0, 100, 100);
  const QImage image = Painted(*LoadPicture(Write("damaged.wmf", whole)));
  EXPECT_EQ(image.pixelColor(100, 100), kGreenColor);
  // Cut anywhere: never a crash; the header alone still is a picture.
  for (std::size_t cut = 40; cut < whole.size(); cut += 7) {
    EXPECT_NO_THROW(metafile::ParseMetafile(whole.substr(0, cut)));
  }
  EXPECT_THROW(metafile::ParseMetafile(whole.substr(0, 25)), metafile::NotAMetafile);
  // A world transform that overflows: nothing infinite reaches the painter.
  EmfWriter emf;
  const float huge = 3e38f, zero = 0.0f;
  int32_t hugeBits, zeroBits;
  std::memcpy(&hugeBits, &huge, 4);
  std::memcpy(&zeroBits, &zero, 4);
  emf.Record(35, {hugeBits, zeroBits, zeroBits, hugeBits, zeroBits, zeroBits});
  emf.Record(43, {10, 10, 100, 100});
  emf.Record(3, {0, 0, 0, 0, 2, 5, 5, 50, 50});
  const metafile::DisplayList list = metafile::ParseMetafile(emf.Bytes(25000, 25000));
  for (const metafile::Op& op : list.ops) {
    EXPECT_TRUE(std::isfinite(op.a.x) && std::isfinite(op.b.y));
    for (const auto& figure : op.figures)
      for (const metafile::Point& p : figure) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
  }
}

TEST_F(PictureFiles, RasterAndSvgPicturesLoadByContent) {
  QImage red(4, 4, QImage::Format_RGB32);
  red.fill(QColor(220, 20, 20));
  std::vector<std::string> paths;
  for (const char* format : {"PNG", "BMP", "JPG"}) {
    // The extension says nothing: the content decides.
    const QString path = dir_.path() + "/picture" + format + ".dat";
    ASSERT_TRUE(red.save(path, format));
    paths.push_back(path.toStdString());
  }
  // A 1 x 1 red GIF.
  paths.push_back(
      Write("red.gif", std::string("GIF89a\x01\x00\x01\x00\x80\x00\x00\xdc\x14\x14\x00\x00\x00"
                                   ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                                   35)));
  paths.push_back(Write("red.svg",
                        "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
                        "<rect width='10' height='10' fill='rgb(220,20,20)'/></svg>"));
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    const QColor c = Painted(*LoadPicture(path)).pixelColor(100, 100);
    EXPECT_NEAR(c.red(), 220, 8);
    EXPECT_NEAR(c.green(), 20, 8);
    EXPECT_NEAR(c.blue(), 20, 8);
  }
}

TEST_F(PictureFiles, PaintPictureStretchesIntoTheUserRectangle) {
  WmfWriter wmf;
  SelectGreenFillWithoutOutline(wmf);
  wmf.Record(0x041B, {100, 100, 0, 0});
  const std::string path = Write("full.wmf", wmf.Bytes(0, 0, 100, 100));
  QImage image = WhiteImage(300, 300);
  {
    QPainter painter(&image);
    auto clock = QPainterDrawTarget::ForUserScale(painter, DrawTargetKind::ClockPicture,
                                                  UserScale{-1000, -1000, 2000, 2000});
    clock->PaintPicture(path, -500, 0, 1000, 500);  // device 75..225 x 150..225
  }
  EXPECT_EQ(InkBox(image), QRect(75, 150, 150, 75));
}

TEST(BuiltInPictures, ClockPicturesAreCopiedPixelForPixelIntoTheCorner) {
  for (const auto& [source, file] :
       {std::pair{"#801", "clock/day.png"}, std::pair{"#802", "clock/night.png"}}) {
    SCOPED_TRACE(source);
    const QImage expected =
        QImage(QString::fromStdString(ResourcePath(file))).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(expected.size(), QSize(48, 48));
    QImage image = WhiteImage(250, 180);
    {
      QPainter painter(&image);
      auto clock = QPainterDrawTarget::ForUserScale(painter, DrawTargetKind::ClockPicture,
                                                    ShortSideScale(250, 180, 2000));
      const double w = clock->ScaleX(48, ScaleUnit::Pixels, ScaleUnit::User);
      const double h = clock->ScaleY(48, ScaleUnit::Pixels, ScaleUnit::User);
      clock->PaintPicture(source, clock->ScaleLeft() + clock->ScaleWidth() - w, clock->ScaleTop(),
                          w, h);
    }
    EXPECT_EQ(image.copy(202, 0, 48, 48), expected);
    EXPECT_EQ(image.pixelColor(201, 10), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(220, 48), QColor(Qt::white));
  }
  EXPECT_NE(BuiltInPicture(801), nullptr);
  EXPECT_EQ(BuiltInPicture(803), nullptr);
}

}  // namespace

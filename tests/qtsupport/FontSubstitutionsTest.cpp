#include <gtest/gtest.h>

#include <QFontInfo>
#include <QPainter>
#include <QRawFont>

#include "FontSubstitutions.h"
#include "PaintSupport.h"
#include "QPainterDrawTarget.h"
#include "SvgFontNames.h"

namespace {

TEST(FontSubstitutions, WindowsFontsResolveToMetricCompatibleFamilies) {
  EXPECT_EQ(ResolvedFontFamily("ＭＳ Ｐゴシック"), "IPAPGothic");
  EXPECT_EQ(ResolvedFontFamily("ＭＳ ゴシック"), "IPAGothic");
  EXPECT_EQ(ResolvedFontFamily("ＭＳ Ｐ明朝"), "IPAPMincho");
  EXPECT_EQ(ResolvedFontFamily("ＭＳ 明朝"), "IPAMincho");
  EXPECT_EQ(ResolvedFontFamily("Arial"), "Liberation Sans");
  EXPECT_EQ(ResolvedFontFamily("Times New Roman"), "Liberation Serif");
  EXPECT_EQ(ResolvedFontFamily("Courier New"), "Liberation Mono");
}

// Renders one character and returns its pixels.
QImage Glyph(const QString& text, const char* family) {
  QImage image = WhiteImage(80, 80);
  QPainter painter(&image);
  auto target = QPainterDrawTarget::ForPage(painter);
  DeviceFont font;
  font.name = family;
  font.heightPixels = 60;
  target->DeviceText({5, 5}, text.toStdString(), font);
  return image;
}

TEST(FontSubstitutions, JapaneseTextHasRealGlyphsInEveryDialFont) {
  for (const char* family : {"ＭＳ Ｐゴシック", "ＭＳ 明朝", "Arial", "Times New Roman"}) {
    SCOPED_TRACE(family);
    const QImage day = Glyph(QStringLiteral("日"), family);
    const QImage time = Glyph(QStringLiteral("時"), family);
    const QImage meter = Glyph(QStringLiteral("計"), family);
    EXPECT_FALSE(InkBox(day).isEmpty());
    // A missing glyph would be the same box for every character.
    EXPECT_NE(day, time);
    EXPECT_NE(time, meter);
  }
  QFont gothic(QStringLiteral("ＭＳ ゴシック"));
  const QRawFont raw = QRawFont::fromFont(gothic);
  EXPECT_TRUE(raw.supportsCharacter(QChar(0x65E5)));  // 日
  EXPECT_TRUE(raw.supportsCharacter(QChar(0x8A08)));  // 計
}

TEST(FontSubstitutions, DialFontsOnTheTargetUseTheSubstitute) {
  QImage image = WhiteImage(10, 10);
  QPainter painter(&image);
  auto target = QPainterDrawTarget::ForPage(painter);
  FontSpec spec;
  spec.name = "ＭＳ Ｐ明朝";
  spec.size = 9;
  spec.bold = true;
  target->setFont(spec);
  const QFontInfo info(target->DeviceQFont());
  EXPECT_EQ(info.family(), "IPAPMincho");
  EXPECT_TRUE(target->DeviceQFont().bold());
  EXPECT_EQ(target->Font(), spec);
}

// Other programs find the font the page was measured with, or at least one
// of its kind.
TEST(FontSubstitutions, SvgNamesTheInstalledFontAndAGenericFamily) {
  const QByteArray svg = WithInstalledFontNames(
      "<g font-family=\"ＭＳ Ｐゴシック\" font-size=\"9\">\n"
      "<g font-family=\"Times New Roman\">\n<g font-family=\"Courier New\">\n"
      "<text font-family=\"A&amp;B\">font-family=</text>");
  const QString text = QString::fromUtf8(svg);
  EXPECT_TRUE(text.contains("font-family=\"'IPAPGothic', sans-serif\" font-size=\"9\""))
      << text.toStdString();
  EXPECT_TRUE(text.contains("font-family=\"'Liberation Serif', serif\""));
  EXPECT_TRUE(text.contains("font-family=\"'Liberation Mono', monospace\""));
  EXPECT_FALSE(text.contains("ＭＳ"));
  EXPECT_TRUE(text.contains(">font-family=</text>"));  // text itself is left alone
  EXPECT_EQ(GenericFontFamily("IPAPMincho"), "serif");
  EXPECT_EQ(GenericFontFamily("DejaVu Sans"), "sans-serif");
}

}  // namespace

#include <gtest/gtest.h>

#include "TextCodec.h"

namespace {

const std::string kAkashi = "兵庫県明石市";
const std::string kAkashiCp932 = "\x95\xBA\x8C\xC9\x8C\xA7\x96\xBE\x90\xCE\x8E\x73";

TEST(TextCodec, JapaneseTextRoundTripsThroughCp932) {
  EXPECT_EQ(Utf8ToCp932(kAkashi), kAkashiCp932);
  EXPECT_EQ(Cp932ToUtf8(kAkashiCp932), kAkashi);
  const std::string font = "ＭＳ Ｐゴシック";
  EXPECT_EQ(Cp932ToUtf8(*Utf8ToCp932(font)), font);
  // Half-width katakana are single bytes in CP932.
  EXPECT_EQ(Utf8ToCp932("ｱ"), "\xB1");
}

TEST(TextCodec, BadInputIsReplacedNotLost) {
  // Undefined lead bytes and a lead byte cut off at the end.
  EXPECT_EQ(Cp932ToUtf8("a\x80"
                        "b\xFF"
                        "c\x95"),
            "a\uFFFD"
            "b\uFFFD"
            "c\uFFFD");
  EXPECT_EQ(Utf8ToCp932("a€b"), "a?b");  // the euro sign is not in CP932
  EXPECT_EQ(Utf8ToCp932("😀"), "?");
  EXPECT_EQ(Utf8ToCp932("\xC0\xAF"), std::nullopt);      // overlong
  EXPECT_EQ(Utf8ToCp932("\xED\xA0\x80"), std::nullopt);  // surrogate
  EXPECT_EQ(Utf8ToCp932("\xE3\x81"), std::nullopt);      // cut short
}

TEST(TextCodec, FileTextIsCp932WhenItFitsElseUtf8WithAMark) {
  EXPECT_EQ(EncodeFileText(kAkashi), kAkashiCp932);
  EXPECT_EQ(EncodeFileText("plain"), "plain");
  // The euro sign, and WAVE DASH, whose CP932 form reads back as FULLWIDTH TILDE.
  for (const std::string text : {"a€b", "1〜2", "Αθήνα 😀", "𠮷"}) {
    EXPECT_EQ(Utf8ToCp932Exactly(text), std::nullopt) << text;
    EXPECT_EQ(EncodeFileText(text), "\xEF\xBB\xBF" + text);
    EXPECT_EQ(DecodeFileText(*EncodeFileText(text)), text);
  }
  EXPECT_EQ(EncodeFileText("\xC0\xAF"), std::nullopt);
}

TEST(TextCodec, FileTextIsUtf8WhenValidElseCp932) {
  EXPECT_EQ(DecodeFileText("\xEF\xBB\xBF" + kAkashi), kAkashi);
  EXPECT_EQ(DecodeFileText(kAkashi), kAkashi);
  EXPECT_EQ(DecodeFileText(kAkashiCp932), kAkashi);
  EXPECT_EQ(DecodeFileText("plain"), "plain");
  // A mark followed by bytes that are not UTF-8: the whole is CP932.
  EXPECT_TRUE(DecodeFileText("\xEF\xBB\xBF" + kAkashiCp932).ends_with(kAkashi));
}

}  // namespace

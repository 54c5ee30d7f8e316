// The keyword helpers that documents, profiles and commands match names with.
#include <gtest/gtest.h>

#include "AsciiText.h"

namespace {

TEST(AsciiTextTest, LetterCaseIgnoredOnlyForAsciiLetters) {
  EXPECT_TRUE(EqualsIgnoringCase("[DialOption]", "[dialoption]"));
  EXPECT_FALSE(EqualsIgnoringCase("Name", "Names"));
  EXPECT_TRUE(StartsWithIgnoringCase("$(APPPATH)\\x.wmf", "$(AppPath)"));
  EXPECT_FALSE(StartsWithIgnoringCase("$(App", "$(AppPath)"));
  // Bytes of a multi-byte character are never folded onto one another.
  EXPECT_FALSE(EqualsIgnoringCase("\xC3\x80", "\xC3\xA0"));
  EXPECT_EQ(LowerAscii('Q'), 'q');
  EXPECT_EQ(LowerAscii('@'), '@');
  EXPECT_EQ(LowerAscii('['), '[');
}

TEST(AsciiTextTest, EndingsComparedOnTheirLastCharacters) {
  EXPECT_TRUE(EndsWithIgnoringCase("dial.UFX", ".ufx"));
  EXPECT_TRUE(EndsWithIgnoringCase(".ufx", ".ufx"));
  EXPECT_FALSE(EndsWithIgnoringCase("ufx", ".ufx"));
  EXPECT_FALSE(EndsWithIgnoringCase("dial.ufx.bak", ".ufx"));
  EXPECT_TRUE(EndsWithIgnoringCase("anything", ""));
}

TEST(AsciiTextTest, LinesEndAtCrLfCrOrLf) {
  using Lines = std::vector<std::string_view>;
  EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\n"), (Lines{"a", ""}));
  EXPECT_EQ(SplitLines("\n\r"), (Lines{"", ""}));
  EXPECT_TRUE(SplitLines("").empty());
}

TEST(AsciiTextTest, ReplacementsAreNotSearchedAgain) {
  EXPECT_EQ(ReplaceAll("1時2分 3時", "時", "時間"), "1時間2分 3時間");
  EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

TEST(AsciiTextTest, TrimRemovesSpacesAndTabsAtBothEndsOnly) {
  EXPECT_EQ(TrimText(" \tKey = value\t "), "Key = value");
  EXPECT_EQ(TrimText(" \t "), "");
  EXPECT_EQ(TrimText("\r\nx"), "\r\nx");
}

}  // namespace

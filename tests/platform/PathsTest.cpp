#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "../support/ScopedTimeZone.h"
#include "Paths.h"
#include "TimeZone.h"

namespace {

TEST(Paths, JoinAddsOneSeparator) {
  EXPECT_EQ(JoinPath("/opt/umbrafex", "bkgcolor.wmf"), "/opt/umbrafex/bkgcolor.wmf");
  EXPECT_EQ(JoinPath("/opt/umbrafex/", "bkgcolor.wmf"), "/opt/umbrafex/bkgcolor.wmf");
  EXPECT_EQ(JoinPath("/", "x"), "/x");
  EXPECT_EQ(JoinPath("", "x"), "x");  // not the root folder
}

TEST(Paths, FolderFileAndExtension) {
  EXPECT_EQ(GetFolderName("/home/a/dial.ufx"), "/home/a");
  EXPECT_EQ(GetFolderName("/dial.ufx"), "/");
  char cwd[4096];
  ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
  EXPECT_EQ(GetFolderName("dial.ufx"), cwd);
  EXPECT_EQ(GetFileName("/home/a/dial.ufx"), "dial.ufx");
  EXPECT_EQ(GetFileName("dial.ufx"), "dial.ufx");
  EXPECT_EQ(RemoveExtension("/home/a/dial.v2.ufx"), "/home/a/dial.v2");
  EXPECT_EQ(RemoveExtension("/home/a.b/dial"), "/home/a.b/dial");
  EXPECT_EQ(RemoveExtension("/home/.hidden"), "/home/.hidden");
}

TEST(Paths, QuoteOnlyTextsWithSpacesAndNeverTwice) {
  EXPECT_EQ(QuotePath("/home/a/b.wmf"), "/home/a/b.wmf");
  EXPECT_EQ(QuotePath("/My Pictures/b.wmf"), "\"/My Pictures/b.wmf\"");
  EXPECT_EQ(QuotePath("\"/My Pictures/b.wmf\""), "\"/My Pictures/b.wmf\"");
  EXPECT_EQ(UnquotePath("\"/My Pictures/b.wmf\""), "/My Pictures/b.wmf");
  EXPECT_EQ(UnquotePath("\"\"x\"\""), "\"x\"");  // one pair only
  EXPECT_EQ(UnquotePath("\"x"), "x");
  EXPECT_EQ(UnquotePath("\""), "");
  EXPECT_EQ(UnquotePath(QuotePath("a b")), "a b");
}

TEST(Paths, AppFolderHoldsThisProgram) {
  const std::string folder = AppFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_TRUE(FileExists(JoinPath(folder, "platform_tests")));
  EXPECT_FALSE(FileExists(JoinPath(folder, "no-such-file.wmf")));
  EXPECT_FALSE(FileExists(""));
}

TEST(TimeZone, StandardOffsetIgnoresDaylightSaving) {
  ScopedTimeZone restore("Asia/Tokyo");
  EXPECT_DOUBLE_EQ(GetSystemTimeZone(), 9);
  setenv("TZ", "America/New_York", 1);
  EXPECT_DOUBLE_EQ(GetSystemTimeZone(), -5);
  setenv("TZ", "Europe/Berlin", 1);
  EXPECT_DOUBLE_EQ(GetSystemTimeZone(), 1);
  setenv("TZ", "Asia/Kolkata", 1);
  EXPECT_DOUBLE_EQ(GetSystemTimeZone(), 5.5);
  setenv("TZ", "JST-9", 1);
  EXPECT_DOUBLE_EQ(GetSystemTimeZone(), 9);
}

}  // namespace

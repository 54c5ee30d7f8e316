#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "AppIni.h"
#include "FileIo.h"
#include "Paths.h"
#include "ProfileFile.h"
#include "ScratchFolder.h"

namespace fs = std::filesystem;

namespace {

TEST(ProfileFile, ReadsLikeTheWindowsProfileReader) {
  ProfileFile file(
      "; comment\r\n"
      "[Main]\r\n"
      "  name =  \"兵庫県 明石市\"  \r\n"
      "Half=\"open\n"
      "Inner=a \"b\" c\r\n"
      "Empty=\r\n"
      "[main]\r\n"
      "Name=second section of the same name\r\n"
      "[Other\r\n"
      "Key=unclosed header\r\n");
  EXPECT_EQ(file.Find("MAIN", "NAME"), "兵庫県 明石市");
  EXPECT_EQ(file.Find("Main", "Half"), "\"open");
  EXPECT_EQ(file.Find("Main", "Inner"), "a \"b\" c");
  EXPECT_EQ(file.Find("Main", "Empty"), "");
  EXPECT_EQ(file.Find("Main", "Missing"), std::nullopt);
  EXPECT_EQ(file.Find("Other", "Key"), "unclosed header");
  EXPECT_EQ(file.Find("Main", "; comment"), std::nullopt);
}

TEST(ProfileFile, ValuesAreLimitedInCp932Bytes) {
  // 600 two-byte characters: 1200 bytes in CP932, cut to 511 characters.
  std::string kana;
  for (int i = 0; i < 600; ++i) kana += "あ";
  ProfileFile file("[S]\r\nLong=" + kana + "\r\nAscii=" + std::string(2000, 'x') + "\r\nNul=ab" +
                   std::string(1, '\0') + "cd\r\n");
  std::string expected;
  for (int i = 0; i < 511; ++i) expected += "あ";
  EXPECT_EQ(file.Find("S", "Long"), expected);
  EXPECT_EQ(file.Find("S", "Ascii"), std::string(1023, 'x'));
  EXPECT_EQ(file.Find("S", "Nul"), "ab");
}

TEST(ProfileFile, WritingKeepsEveryOtherLine) {
  ProfileFile file(
      "; keep me\r\n"
      "[Main]\r\n"
      "Position=1, 2\r\n"
      "\r\n"
      "[DialColor]\r\n"
      "hourline=1\r\n");
  file.Set("main", "LastDir", "/tmp");
  file.Set("DIALCOLOR", "HourLine", "255");
  file.Set("New", "Key", "a\r\nb\t\x1b");
  EXPECT_EQ(file.Text(),
            "; keep me\r\n"
            "[Main]\r\n"
            "Position=1, 2\r\n"
            "LastDir=/tmp\r\n"
            "\r\n"
            "[DialColor]\r\n"
            "hourline=255\r\n"
            "\r\n"
            "[New]\r\n"
            "Key=a  b  \r\n");
}

class AppIniTest : public ::testing::Test {
 protected:
  void SetUp() override { SetAppIniPath(path_); }
  void TearDown() override { SetAppIniPath(""); }

  ScratchFolder scratch_{"ini"};
  std::string path_ = scratch_.Path("umbrafex.ini");
};

TEST_F(AppIniTest, AbsentFileGivesDefaultsAndWritingCreatesIt) {
  EXPECT_EQ(GetIniInt("Main", "TimeSystem", 1), 1);
  EXPECT_EQ(GetIniString("Main", "Name", "兵庫県明石市"), "兵庫県明石市");
  EXPECT_NE(PutIniString("Main", "Name", "京都府京都市"), 0);
  EXPECT_NE(PutIniString("Main", "TimeSystem", "0"), 0);
  EXPECT_EQ(GetIniString("main", "name", ""), "京都府京都市");
  EXPECT_EQ(GetIniInt("Main", "TimeSystem", 1), 0);
  // Stored in CP932 with CR LF.
  EXPECT_EQ(ReadFileBytes(path_),
            "[Main]\r\nName=\x8B\x9E\x93\x73\x95\x7B\x8B\x9E\x93\x73\x8E\x73\r\nTimeSystem=0\r\n");
}

TEST_F(AppIniTest, OnlyAChangeRewritesTheFile) {
  // A write replaces the file; a put of what it already holds must not.
  const auto inode = [this] {
    struct stat info {};
    return ::stat(path_.c_str(), &info) == 0 ? info.st_ino : ino_t{0};
  };
  ASSERT_NE(PutIniString("Main", "Name", "京都府京都市"), 0);
  const ino_t written = inode();
  EXPECT_NE(PutIniString("Main", "Name", "京都府京都市"), 0);
  EXPECT_EQ(inode(), written);
  EXPECT_NE(PutIniString("Main", "Name", "京都"), 0);
  EXPECT_NE(inode(), written);
  EXPECT_EQ(GetIniString("Main", "Name", ""), "京都");
}

TEST_F(AppIniTest, IntegersAreReadFromTheLeadingDigits) {
  ASSERT_TRUE(WriteFileAtomically(
      path_, "[N]\r\nA=-12\r\nB=12.7\r\nC=0x1F\r\nD=abc\r\nE=\r\nF=4294967295\r\nG= +7 \r\n"));
  EXPECT_EQ(GetIniInt("N", "A", 5), -12);
  EXPECT_EQ(GetIniInt("N", "B", 5), 12);
  EXPECT_EQ(GetIniInt("N", "C", 5), 31);
  EXPECT_EQ(GetIniInt("N", "D", 5), 5);  // no number: the default, not 0
  EXPECT_EQ(GetIniInt("N", "E", 5), 5);
  EXPECT_EQ(GetIniInt("N", "F", 5), -1);
  EXPECT_EQ(GetIniInt("N", "G", 5), 7);
}

TEST_F(AppIniTest, LinesNotWrittenKeepTheirBytes) {
  // Bytes that are no CP932 character survive a write to another key.
  const std::string other = "[Other]\r\nKey=\xF4\xFF\x95\xBA\r\n";
  ASSERT_TRUE(WriteFileAtomically(path_, other + "[Main]\nName=x\n"));
  EXPECT_NE(PutIniString("Main", "Name", "兵庫"), 0);
  EXPECT_EQ(ReadFileBytes(path_), other + "[Main]\r\nName=\x95\xBA\x8C\xC9\r\n");
}

TEST_F(AppIniTest, UnreadableFileIsNeitherReadNorReplaced) {
  fs::create_directory(path_);  // a folder where the file should be
  EXPECT_EQ(GetIniString("Main", "Name", "d"), "d");
  EXPECT_EQ(PutIniString("Main", "Name", "x"), 0);
  EXPECT_TRUE(fs::is_directory(path_));
}

TEST_F(AppIniTest, ValuesBeyondCp932TurnTheFileToUtf8) {
  const std::string other = "[Other]\r\nKey=\x95\xBA\x8C\xC9\r\n";
  ASSERT_TRUE(WriteFileAtomically(path_, other));
  EXPECT_NE(PutIniString("Main", "Name", "Москва · Zürich 😀"), 0);
  EXPECT_EQ(ReadFileBytes(path_),
            "\xEF\xBB\xBF[Other]\r\nKey=兵庫\r\n\r\n[Main]\r\nName=Москва · Zürich 😀\r\n");
  EXPECT_EQ(GetIniString("Main", "Name", ""), "Москва · Zürich 😀");
  EXPECT_EQ(GetIniString("Other", "Key", ""), "兵庫");
  // Long text beyond CP932 is cut at a character, never inside one.
  const std::string longName(kProfileValueLimit - 2, 'a');
  EXPECT_NE(PutIniString("Main", "Name", longName + "😀"), 0);
  EXPECT_EQ(GetIniString("Main", "Name", ""), longName);
}

TEST_F(AppIniTest, Utf8FilesAreReadToo) {
  ASSERT_TRUE(WriteFileAtomically(path_, "\xEF\xBB\xBF[Main]\nName=兵庫県明石市\n"));
  EXPECT_EQ(GetIniString("Main", "Name", ""), "兵庫県明石市");
}

// The preferences live in the user's config folder; the program's folder
// only when a portable copy already keeps them there. Dialogs start at home.
TEST(AppIniPlace, ConfigFolderUnlessAPortableFileExists) {
  ScratchFolder scratch("xdg");
  const std::string savedXdg = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
  const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
  setenv("XDG_CONFIG_HOME", scratch.path().c_str(), 1);
  setenv("HOME", scratch.Path("home").c_str(), 1);
  EXPECT_EQ(AppIniPath(), scratch.Path("umbrafex/umbrafex.ini"));
  EXPECT_EQ(DocumentFolder(), scratch.Path("home"));

  const std::string portable = JoinPath(AppFolder(), "umbrafex.ini");
  ASSERT_FALSE(FileExists(portable));
  ASSERT_TRUE(WriteFileAtomically(portable, "[Main]\n"));
  EXPECT_EQ(AppIniPath(), portable);
  fs::remove(portable);
  EXPECT_NE(DocumentFolder(), AppFolder());

  setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
  if (savedXdg.empty()) unsetenv("XDG_CONFIG_HOME");
  setenv("HOME", savedHome.c_str(), 1);
}

}  // namespace

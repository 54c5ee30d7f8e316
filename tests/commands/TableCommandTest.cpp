#include <gtest/gtest.h>

#include <filesystem>

#include "../platform/ScratchFolder.h"
#include "CommandRun.h"
#include "FileIo.h"
#include "TextCodec.h"

namespace fs = std::filesystem;

namespace {

class TableCommandTest : public ::testing::Test {
 protected:
  int Invoke(const CommandArgs& args) {
    const CommandResult result = RunCommandLine(args);
    err_ = result.err;
    return result.status;
  }
  std::string File(const std::string& name) const { return (folder_ / name).string(); }

  ScratchFolder scratch_{"table-command"};
  const fs::path& folder_ = scratch_.path();
  std::string err_;
};

std::size_t LineCount(const std::string& bytes) {
  std::size_t count = 0;
  for (auto at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) {
    ++count;
  }
  return count;
}

TEST_F(TableCommandTest, CsvHasOneLinePerDayOfTheChosenYear) {
  ASSERT_EQ(Invoke({"table", "eot", "-o", File("common.csv"), "--leap", "no"}), 0) << err_;
  ASSERT_EQ(Invoke({"table", "eot", "--leap", "yes", "-o", File("leap.csv")}), 0) << err_;
  ASSERT_EQ(Invoke({"table", "declination", "-o", File("decl.CSV")}), 0) << err_;

  const auto common = ReadFileBytes(File("common.csv"));
  const auto leap = ReadFileBytes(File("leap.csv"));
  const auto declination = ReadFileBytes(File("decl.CSV"));
  ASSERT_TRUE(common && leap && declination);
  EXPECT_EQ(LineCount(*common), 366u);
  EXPECT_EQ(LineCount(*leap), 367u);
  EXPECT_EQ(common->rfind(*Utf8ToCp932("日付,均時差(分)\r\n2001/1/1,"), 0), 0u);
  EXPECT_NE(leap->find("\r\n2000/2/29,"), std::string::npos);
  EXPECT_EQ(declination->rfind(*Utf8ToCp932("日付,太陽赤緯(度)\r\n"), 0), 0u);
}

TEST_F(TableCommandTest, WorkbookIsAZipWithAChartSheet) {
  ASSERT_EQ(Invoke({"table", "declination", "-o", File("t.xlsx")}), 0) << err_;
  const auto bytes = ReadFileBytes(File("t.xlsx"));
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->rfind("PK", 0), 0u);
  EXPECT_NE(bytes->find("xl/chartsheets/sheet1.xml"), std::string::npos);
}

TEST_F(TableCommandTest, WrongArgumentsAndUnwritableFiles) {
  EXPECT_EQ(Invoke({"table", "-o", File("t.csv")}), 1);
  EXPECT_EQ(Invoke({"table", "sunrise", "-o", File("t.csv")}), 1);
  EXPECT_EQ(Invoke({"table", "eot"}), 1);
  EXPECT_EQ(Invoke({"table", "eot", "-o", File("t.txt")}), 1);
  EXPECT_NE(err_.find("usage: umbrafex table"), std::string::npos);
  EXPECT_EQ(Invoke({"table", "eot", "-o", File(".csv")}), 1);  // would be a hidden file
  EXPECT_EQ(Invoke({"table", "eot", "-o", File(".XLSX")}), 1);
  EXPECT_TRUE(fs::is_empty(File("")));
  EXPECT_FALSE(fs::exists(File("t.csv")));

  const std::string unwritable = File("missing/t.csv");
  EXPECT_EQ(Invoke({"table", "eot", "-o", unwritable}), 2);
  EXPECT_EQ(err_, unwritable + "を保存することができません。\n");

  EXPECT_EQ(Invoke({"table", "eot", "--lat", "95", "-o", File("t.csv")}), 2);
  EXPECT_EQ(err_, "不正な緯度の値が指定されています。\n");
  EXPECT_FALSE(fs::exists(File("t.csv")));
}

}  // namespace

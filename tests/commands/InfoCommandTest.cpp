#include <gtest/gtest.h>

#include <filesystem>

#include "../platform/ScratchFolder.h"
#include "CommandRun.h"
#include "FileIo.h"

namespace fs = std::filesystem;

namespace {

using Result = CommandResult;

Result Invoke(const CommandArgs& args) {
  return RunCommandLine(args);
}

TEST(InfoCommand, EngineDefaultsPrintExactlyWithLfLineEnds) {
  const Result r = Invoke({"info", "--tz", "9", "--time-system", "0", "--season", "8"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "地域: 兵庫県明石市\n"
            "緯度: 北緯34度39分00秒(+34.65度)\n"
            "経度: 東経135度00分00秒(+135.0度)\n"
            "磁気偏角: 西偏7度03分(7.05760408度)\n"
            "タイムゾーン: GMT+9:00\n"
            "\n"
            "季節: 冬至(12/22)\n"
            "太陽赤緯: -23度27分00秒(-23.45度)\n"
            "均時差: +0時間02分08秒(+0.03558137時間)\n"
            "標準時差: -0時間02分08秒(-0.03558137時間) (時計が日時計より遅れる)\n"
            "日の出時刻: 7:09:47(+7.16304113時) (幾何学的)\n"
            "日の入時刻: 16:50:13(+16.83695887時) (幾何学的)\n"
            "日の出・日の入(暦): 7:05:10 / 16:54:50\n"
            "可照時間: 9時間40分26秒(9.67391773時間)\n"
            "時刻方式: 真太陽時\n");
  EXPECT_TRUE(r.err.empty());
}

TEST(InfoCommand, StartUpStateIsTheSummerDialWithoutEquationOfTime) {
  const Result r = Invoke({"info", "--tz", "9"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("季節: 夏至(6/21)\n"), std::string::npos);
  EXPECT_NE(r.out.find("均時差: 0時間00分00秒(0.0時間)\n"), std::string::npos);
  EXPECT_NE(r.out.find("時刻方式: 中央標準時\n"), std::string::npos);
}

TEST(InfoCommand, UsageAndEngineErrorsHaveTheirOwnStatus) {
  Result r = Invoke({"info", "--latitude", "35"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("usage: umbrafex info"), std::string::npos);
  EXPECT_TRUE(r.out.empty());

  r = Invoke({"info", "stray"});
  EXPECT_EQ(r.status, 1);

  r = Invoke({"info", "--lat", "-90"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "不正な緯度の値が指定されています。\n");
  EXPECT_TRUE(r.out.empty());
}

TEST(InfoCommand, SavedDocumentReadsBackToTheSameBytes) {
  const ScratchFolder scratch("info-command");
  const fs::path& folder = scratch.path();
  const std::string first = (folder / "x.ufx").string();
  const std::string second = (folder / "y.ufx").string();

  Result r = Invoke({"info", "--lat", "43.0625", "--lon", "141.35", "--name", "札幌", "--adjust",
                     "yes", "--date", "2/3", "--interval", "20", "--save", first});
  ASSERT_EQ(r.status, 0) << r.err;
  const Result reread = Invoke({"info", first, "--save", second});
  ASSERT_EQ(reread.status, 0) << reread.err;
  EXPECT_EQ(reread.out, r.out);

  const auto a = ReadFileBytes(first);
  const auto b = ReadFileBytes(second);
  ASSERT_TRUE(a && b);
  EXPECT_EQ(*a, *b);
  EXPECT_NE(a->find("\r\n"), std::string::npos);

  EXPECT_TRUE(r.err.empty()) << r.err;
  // Values that a document holds only as comments are named when saved.
  r = Invoke({"info", "--leap", "yes", "--start", "7.5", "--end", "17", "--save", second});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.err.find("には --leap, --start, --end は保存されません"), std::string::npos) << r.err;

  r = Invoke({"info", "--save", (folder / "missing" / "z.ufx").string()});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("を保存することができません。"), std::string::npos);
}

// What a command would save or draw is checked first: no file is written.
TEST(InfoCommand, RefusesIntervalsAndNamesThatNoDocumentMayHold) {
  const ScratchFolder scratch("info-refusals");
  const std::string path = scratch.Path("out.ufx");
  const CommandArgs refused[] = {
      {"info", "--interval", "61", "--save", path},
      {"info", "--interval", "0", "--save", path},
      {"export", "--interval", "0", "-o", scratch.Path("dial.pdf")},
      {"clock", "--interval", "25", "-o", scratch.Path("clock.png")},
      {"info", "--name", "evil\r\nLatitude=80\r\n[Location]\r\nLatitude=-80", "--save", path},
      {"info", "--name", "tab\there", "--save", path},
      {"info", "--save", ""},  // no name to report a failure with
      {"info", "--save", scratch.Path(".ufx")},
      {"info", "--save", scratch.Path("out.txt")},  // could not be opened again
  };
  for (const CommandArgs& args : refused) {
    const Result r = Invoke(args);
    // A number the dial does not take is a refused value; the others cannot be read.
    EXPECT_EQ(r.status, args[1] == "--interval" ? 2 : 1) << args[2];
    EXPECT_TRUE(r.out.empty());
  }
  EXPECT_TRUE(fs::is_empty(scratch.path()));
  EXPECT_EQ(Invoke({"info", "--interval", "10", "--save", path}).status, 0);
  EXPECT_EQ(Invoke({"solars", "--interval", "7"}).status, 0);  // the engine's own rule
}

}  // namespace

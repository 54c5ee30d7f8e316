// The export and clock commands: what they refuse before drawing anything,
// and a clock picture written for a given moment.
#include <gtest/gtest.h>

#include <string>

#include "../platform/FileSizeLimit.h"
#include "../platform/ScratchFolder.h"
#include "../print/EnglishTexts.h"
#include "CommandRun.h"
#include "FileIo.h"

namespace {

constexpr int kUsage = 1;

// The exit status and whether standard error names the reason.
void ExpectUsage(const CommandArgs& args, const std::string& reason) {
  const EnglishTexts english;
  const CommandResult r = RunCommandLine(args);
  EXPECT_EQ(r.status, kUsage) << args.back();
  EXPECT_NE(r.err.find(reason), std::string::npos) << r.err;
  EXPECT_TRUE(r.out.empty());
}

TEST(ExportCommand, RefusesOutputsAndOptionsItCannotHonour) {
  ExpectUsage({"export"}, "an output file is needed");
  ExpectUsage({"export", "-o", "dial.txt"}, "must end in .pdf, .svg, .png or .dxf");
  ExpectUsage({"export", "-o", ".pdf"}, "must end in .pdf, .svg, .png or .dxf");
  ExpectUsage({"export", "-o", "out/.svg"}, "must end in .pdf, .svg, .png or .dxf");
  ExpectUsage({"export", "stray", "-o", "dial.pdf"}, "unexpected argument stray");
  ExpectUsage({"export", "-o", "dial.PDF", "--paper", "tabloid"}, "--paper must be");
  ExpectUsage({"export", "-o", "dial.pdf", "--orientation", "sideways"}, "--orientation must be");
  ExpectUsage({"export", "-o", "dial.pdf", "--pages", "3"}, "--pages must be 1 or 2");
  ExpectUsage({"export", "-o", "dial.pdf", "--page", "0"}, "--page must be 1 or 2");
  ExpectUsage({"export", "-o", "dial.png", "--dpi", "9"}, "--dpi must be");
  ExpectUsage({"export", "-o", "dial.png", "--dpi", "2401"}, "--dpi must be");
  ExpectUsage({"export", "-o", "dial.png", "--dpi", "1e2"}, "--dpi must be");
  // A PNG is made whole in memory: 20000 pixels a side.
  ExpectUsage({"export", "-o", "dial.png", "--dpi", "1210", "--paper", "A3"},
              "--dpi must be at most 1209 for a PNG");
  ExpectUsage({"export", "-o", "dial.png", "--dpi", "2400", "--paper", "b5"},
              "--dpi must be at most 1976 for a PNG");
  ExpectUsage({"export", "-o", "dial.pdf", "--lat", "north"}, "invalid value \"north\"");
}

TEST(ClockCommand, RefusesOutputsAndMomentsItCannotDraw) {
  ExpectUsage({"clock"}, "ending in .png is needed");
  ExpectUsage({"clock", "-o", ".png"}, "ending in .png is needed");
  ExpectUsage({"clock", "-o", "out/.PNG"}, "ending in .png is needed");
  ExpectUsage({"clock", "-o", "clock.svg"}, "ending in .png is needed");
  ExpectUsage({"clock", "-o", "clock.png", "extra"}, "unexpected argument extra");
  ExpectUsage({"clock", "-o", "clock.png", "--at", "2024-02-30 10:00"}, "--at must read");
  ExpectUsage({"clock", "-o", "clock.png", "--at", "2024-06-21 24:00"}, "--at must read");
  ExpectUsage({"clock", "-o", "clock.png", "--at", "2024-06-21 10:00:60"}, "--at must read");
  ExpectUsage({"clock", "-o", "clock.png", "--at", "2024-6-21 10:00"}, "--at must read");
  ExpectUsage({"clock", "-o", "clock.png", "--size", "31"}, "--size must be");
  ExpectUsage({"clock", "-o", "clock.png", "--size", "8001"}, "--size must be");
  ExpectUsage({"clock", "-o", "clock.png", "--size", "+-64"}, "--size must be");
}

TEST(ClockCommand, WritesThePictureOfTheGivenMoment) {
  const ScratchFolder scratch("clock-command");
  const std::string path = scratch.Path("Noon.PNG");
  const CommandResult r = RunCommandLine(
      {"clock", "--tz", "9", "--at", "2024-06-21T12:00", "-o", path, "--size", "64"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto bytes = ReadFileBytes(path);
  ASSERT_TRUE(bytes);
  EXPECT_TRUE(bytes->starts_with("\x89PNG\r\n\x1a\n"));
}

// A picture cut short by a full disk is an error, and the good picture of
// an earlier run stays as it was.
TEST(PictureCommands, WriteCutShortFailsAndKeepsTheOldPicture) {
  const ScratchFolder scratch("picture-limit");
  const CommandArgs outputs[] = {
      {"clock", "--at", "2024-06-21 12:00", "--size", "200", "-o", scratch.Path("c.png")},
      {"export", "--dpi", "20", "-o", scratch.Path("p.png")},
      {"export", "--dpi", "2400", "--paper", "A3", "-o", scratch.Path("p.svg")},
      {"export", "-o", scratch.Path("p.pdf")},
  };
  for (const CommandArgs& args : outputs) {
    const std::string& path = args.back();
    ASSERT_EQ(RunCommandLine(args).status, 0) << path;
    const auto good = ReadFileBytes(path);
    ASSERT_TRUE(good && good->size() > 1024) << path;
    EXPECT_EQ(RunWithFileSizeLimit(1024, [&] { return RunCommandLine(args).status; }), 2) << path;
    EXPECT_TRUE(ReadFileBytes(path) == good) << path;  // not printed: megabytes
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.path()),
                          std::filesystem::directory_iterator()),
            4);
}

}  // namespace

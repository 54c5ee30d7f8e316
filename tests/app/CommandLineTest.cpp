// The desktop program's command line.
#include <gtest/gtest.h>

#include "CommandLine.h"

namespace {

TEST(CommandLineTest, OneDocumentPathQuotedSplitOrPlain) {
  EXPECT_EQ(ReadDesktopCommandLine({}).documentPath, "");
  EXPECT_EQ(ReadDesktopCommandLine({"dial.ufx"}).documentPath, "dial.ufx");
  EXPECT_EQ(ReadDesktopCommandLine({"\"/home/a/my dial.ufx\""}).documentPath,
            "/home/a/my dial.ufx");
  EXPECT_EQ(ReadDesktopCommandLine({"/home/a/my", "dial.ufx"}).documentPath, "/home/a/my dial.ufx");
  EXPECT_EQ(ReadDesktopCommandLine({"bogus"}).kind, DesktopRequest::Kind::Window);
  EXPECT_EQ(ReadDesktopCommandLine({"\""}).documentPath, "\"");
}

TEST(CommandLineTest, OptionsAreHelpVersionOrAUsageError) {
  EXPECT_EQ(ReadDesktopCommandLine({"--help"}).kind, DesktopRequest::Kind::Help);
  EXPECT_EQ(ReadDesktopCommandLine({"--version"}).kind, DesktopRequest::Kind::Version);
  const DesktopRequest wrong = ReadDesktopCommandLine({"-x", "dial.ufx"});
  EXPECT_EQ(wrong.kind, DesktopRequest::Kind::UsageError);
  EXPECT_EQ(wrong.reason, "unknown option: -x");
  EXPECT_EQ(DesktopVersion(), "Umbrafex Version 3.04\n");
}

}  // namespace

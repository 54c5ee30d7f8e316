// Listings written to standard output that cannot take them.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <iostream>
#include <string>

#include "../platform/FileSizeLimit.h"
#include "../platform/ScratchFolder.h"
#include "FileIo.h"
#include "Subcommands.h"

namespace {

// Runs the command as main does, with standard output sent to `path`.
int RunInto(const std::string& path, const CommandArgs& args, rlim_t limit) {
  return RunWithFileSizeLimit(limit, [&] {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0 || ::dup2(fd, STDOUT_FILENO) < 0) return 99;
    std::cerr.setstate(std::ios::badbit);  // keeps the test log quiet
    return FinishStandardOutput(RunSubcommand(args, std::cout, std::cerr), std::cerr);
  });
}

TEST(StandardOutput, ListingThatDoesNotReachItsFileFails) {
  const ScratchFolder scratch("stdout");
  const rlim_t unlimited = RLIM_INFINITY;
  EXPECT_EQ(RunInto("/dev/full", {"solars"}, unlimited), 2);
  EXPECT_EQ(RunInto("/dev/full", {"info"}, unlimited), 2);
  EXPECT_EQ(RunInto(scratch.Path("cut.csv"), {"solars"}, 512), 2);
  EXPECT_EQ(RunInto(scratch.Path("whole.csv"), {"solars"}, unlimited), 0);
  EXPECT_GT(ReadFileBytes(scratch.Path("whole.csv"))->size(), 512u);
  // A failure keeps its own status.
  EXPECT_EQ(RunInto("/dev/full", {"solars", "--lat", "x"}, unlimited), 1);
}

}  // namespace

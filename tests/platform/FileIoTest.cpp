#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "FileIo.h"
#include "FileSizeLimit.h"
#include "ScratchFolder.h"

namespace fs = std::filesystem;

namespace {

class FileIoTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return scratch_.Path(name); }
  std::size_t FilesInFolder() const {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
  }

  ScratchFolder scratch_{"fileio"};
  const fs::path& folder_ = scratch_.path();
};

TEST_F(FileIoTest, WritesAndReadsBytesExactly) {
  const std::string bytes("a\r\nb\0c\xFF", 7);
  ASSERT_TRUE(WriteFileAtomically(Path("f.ufx"), bytes));
  EXPECT_EQ(ReadFileBytes(Path("f.ufx")), bytes);
  ASSERT_TRUE(WriteFileAtomically(Path("f.ufx"), "shorter"));
  EXPECT_EQ(ReadFileBytes(Path("f.ufx")), "shorter");
  EXPECT_EQ(FilesInFolder(), 1u);  // no temporary left behind
}

TEST_F(FileIoTest, ReadingRefusesMissingFoldersAndOversizedFiles) {
  EXPECT_EQ(ReadFileBytes(Path("none")), std::nullopt);
  EXPECT_EQ(ReadFileBytes(folder_.string()), std::nullopt);
  ASSERT_TRUE(WriteFileAtomically(Path("big"), std::string(1000, 'x')));
  EXPECT_EQ(ReadFileBytes(Path("big"), 999), std::nullopt);
  EXPECT_EQ(ReadFileBytes(Path("big"), 1000)->size(), 1000u);
}

TEST_F(FileIoTest, FailedWriteLeavesThePreviousFile) {
  ASSERT_TRUE(WriteFileAtomically(Path("f.ufx"), "old"));
  // A folder standing at the target's name cannot be replaced.
  fs::create_directory(Path("dir.ufx"));
  EXPECT_FALSE(WriteFileAtomically(Path("dir.ufx"), "new"));
  EXPECT_TRUE(fs::is_directory(Path("dir.ufx")));
  EXPECT_FALSE(WriteFileAtomically(Path("missing/f.ufx"), "new"));
  if (::geteuid() != 0) {  // root writes into read-only folders anyway
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(WriteFileAtomically(Path("f.ufx"), "new"));
    fs::permissions(folder_, fs::perms::owner_all);
  }
  EXPECT_EQ(ReadFileBytes(Path("f.ufx")), "old");
  EXPECT_EQ(FilesInFolder(), 2u);
}

TEST_F(FileIoTest, WriteCutShortByTheFileSizeLimitFailsAndKeepsTheOldFile) {
  ASSERT_TRUE(WriteFileAtomically(Path("f.png"), "old"));
  const std::string big(10000, 'x');
  EXPECT_EQ(RunWithFileSizeLimit(2048, [&] { return WriteFileAtomically(Path("f.png"), big); }), 0);
  EXPECT_EQ(ReadFileBytes(Path("f.png")), "old");
  EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(FileIoTest, RefusesReadOnlyFilesAndFilesThatAreNotPlain) {
  ASSERT_TRUE(WriteFileAtomically(Path("ro.ufx"), "old"));
  fs::permissions(Path("ro.ufx"), fs::perms::owner_read | fs::perms::group_read);
  EXPECT_FALSE(WriteFileAtomically(Path("ro.ufx"), "new"));
  EXPECT_EQ(ReadFileBytes(Path("ro.ufx")), "old");

  // Neither reading nor writing may wait for a FIFO's other end.
  ASSERT_EQ(::mkfifo(Path("fifo.ufx").c_str(), 0600), 0);
  EXPECT_EQ(ReadFileBytes(Path("fifo.ufx")), std::nullopt);
  EXPECT_FALSE(WriteFileAtomically(Path("fifo.ufx"), "new"));
  EXPECT_EQ(ReadFileBytes("/dev/zero"), std::nullopt);
  EXPECT_FALSE(WriteFileAtomically("/dev/full", "new"));
  EXPECT_EQ(FilesInFolder(), 2u);
}

TEST_F(FileIoTest, ReplacingKeepsPermissionsAndSymbolicLinks) {
  ASSERT_TRUE(WriteFileAtomically(Path("f.ufx"), "old"));
  fs::permissions(Path("f.ufx"),
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink(Path("f.ufx"), Path("link.ufx"));
  ASSERT_TRUE(WriteFileAtomically(Path("link.ufx"), "new"));
  EXPECT_TRUE(fs::is_symlink(Path("link.ufx")));
  EXPECT_EQ(ReadFileBytes(Path("f.ufx")), "new");
  EXPECT_EQ(fs::status(Path("f.ufx")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

  // A relative link to a file not made yet makes that file.
  fs::create_directory(Path("sub"));
  fs::create_symlink("../new.csv", Path("sub/dangling.csv"));
  ASSERT_TRUE(WriteFileAtomically(Path("sub/dangling.csv"), "made"));
  EXPECT_TRUE(fs::is_symlink(Path("sub/dangling.csv")));
  EXPECT_EQ(ReadFileBytes(Path("new.csv")), "made");
}

}  // namespace

// The atomic writer under injected faults, and what a save keeps: permissions, links, long names.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <set>
#include <string>

#include "files/atomicwrite.h"
#include "tests/core/tempfolder.h"
#include "tests/writefault/writefault.h"

namespace {
namespace fs = std::filesystem;

mode_t Mode(const std::string &path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 ? st.st_mode & 0777 : 0;
}

TEST(AtomicWrite, EveryFailedStepKeepsTheOldFileLeavesNoTemporaryAndSaysWhy) {
  struct Case {
    WriteStep step;
    int nth, err;
    const char *why;  // "" when the write still succeeds
  } cases[] = {
      {WriteStep::Open, 1, EACCES, "Permission denied"},
      {WriteStep::Open, 1, EEXIST, ""},  // a temporary name that is taken: another is tried
      {WriteStep::Write, 1, ENOSPC, "No space left on device"},
      {WriteStep::Write, 3, ENOSPC, "No space left on device"},  // two short writes first
      {WriteStep::Write, 2, EINTR, ""},                          // an interrupted write goes on
      {WriteStep::Sync, 1, EIO, "Input/output error"},
      {WriteStep::Close, 1, EDQUOT, "Disk quota exceeded"},
      {WriteStep::Rename, 1, EXDEV, "Invalid cross-device link"},
      {WriteStep::SyncFolder, 1, EIO, ""},  // the file is already in place
  };
  const std::string fresh(100000, 'n');
  for (const Case &c : cases) {
    SCOPED_TRACE(static_cast<int>(c.step) * 100 + c.nth);
    TempFolder folder;
    WriteWhole(folder / "pos.brd", "old");
    InjectWriteFault(c.step, c.nth, c.err);
    std::string why;
    bool written = WriteFileAtomically(folder / "pos.brd", fresh, &why);
    EXPECT_FALSE(WriteFaultPending());
    ClearWriteFault();
    EXPECT_EQ(written, *c.why == '\0');
    EXPECT_EQ(why, c.why);
    EXPECT_EQ(ReadWhole(folder / "pos.brd"), written ? fresh : "old");
    EXPECT_EQ(NamesIn(folder.Path()), std::set<std::string>{"pos.brd"});
  }
}

// A replaced file keeps its permissions, a new one follows the umask; names may be as long as
// the system allows.
TEST(AtomicWrite, ReplacingKeepsPermissionsAndNewFilesFollowTheUmask) {
  TempFolder folder;
  mode_t mask = umask(027);
  WriteWhole(folder / "private", "old");
  WriteWhole(folder / "shared", "old");
  chmod((folder / "private").c_str(), 0600);
  chmod((folder / "shared").c_str(), 0664);
  const std::string names[] = {"private", "shared", "new", std::string(245, 'a'), std::string(255, 'a')};
  for (const std::string &name : names) {
    EXPECT_TRUE(WriteFileAtomically(folder / name, "x", nullptr)) << name.size();
    EXPECT_EQ(ReadWhole(folder / name), "x");
  }
  EXPECT_EQ(umask(mask), 027);
  EXPECT_EQ(Mode(folder / "private"), 0600u);
  EXPECT_EQ(Mode(folder / "shared"), 0664u);
  EXPECT_EQ(Mode(folder / "new"), 0640u);
}

TEST(AtomicWrite, WritesThroughLinksToTheirFiles) {
  TempFolder folder;
  fs::create_directory(folder / "sub");
  WriteWhole(folder / "sub/target", "old");
  fs::create_symlink("sub/target", folder / "link");
  fs::create_symlink(folder / "link", folder / "chain");  // a link to a link, by full path
  fs::create_symlink("made", folder / "sub/dangling");    // names a file not there yet
  EXPECT_TRUE(WriteFileAtomically(folder / "chain", "new", nullptr));
  EXPECT_TRUE(WriteFileAtomically(folder / "sub/dangling", "made", nullptr));
  EXPECT_EQ(ReadWhole(folder / "sub/target"), "new");
  EXPECT_EQ(ReadWhole(folder / "sub/made"), "made");
  EXPECT_TRUE(fs::is_symlink(folder / "link"));
  EXPECT_TRUE(fs::is_symlink(folder / "chain"));
  EXPECT_EQ(NamesIn(folder.Path()), (std::set<std::string>{"chain", "link", "sub"}));

  fs::create_symlink("loop", folder / "loop");
  std::string why;
  EXPECT_FALSE(WriteFileAtomically(folder / "loop", "x", &why));
  EXPECT_EQ(why, "Too many levels of symbolic links");
}

// A FIFO is neither replaced nor waited on: writing and both readers refuse it at once.
TEST(AtomicWrite, OnlyRegularFilesAreWrittenOrRead) {
  TempFolder folder;
  ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0600), 0);
  std::string why, bytes;
  EXPECT_FALSE(WriteFileAtomically(folder / "fifo", "x", &why));
  EXPECT_EQ(why, "It is not a regular file.");
  EXPECT_TRUE(fs::is_fifo(folder / "fifo"));
  EXPECT_FALSE(ReadFileBounded(folder / "fifo", 100, &bytes, &why));
  EXPECT_FALSE(ReadFileStart(folder / "fifo", 100, &bytes, &why));
  EXPECT_EQ(why, "It is not a regular file.");
  WriteWhole(folder / "file", "0123456789");
  EXPECT_TRUE(ReadFileStart(folder / "file", 4, &bytes, &why));
  EXPECT_EQ(bytes, "0123");
  EXPECT_FALSE(ReadFileBounded(folder / "file", 4, &bytes, &why));
  EXPECT_EQ(why, "The file is too large (10 bytes).");
}
}  // namespace

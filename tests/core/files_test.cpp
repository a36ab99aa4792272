#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <set>

#include "core/io/file_text.h"
#include "core/io/files.h"
#include "support/test_paths.h"

namespace tarveno {
namespace {

namespace fs = std::filesystem;
using testing::readAll;
using testing::TempDir;
using testing::writeAll;

// Whether a save succeeded, and what it left in the folder: chart.kru's content and every name.
std::tuple<bool, std::string, std::set<std::string>> folderAfter(const Status& saved, const TempDir& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir.path())) names.insert(entry.path().filename().string());
  return {saved.ok(), readAll(dir / "chart.kru"), names};
}

// Reading and the refusals the batch tool shows (a missing file, a folder, a missing folder) are
// fixtures; here what they cannot set up.
TEST(Files, RefusesToReplaceAFolderOrAReadOnlyFileRootIncluded) {
  TempDir dir;
  EXPECT_FALSE(writeFileAtomically(dir.path(), "x").ok());
  writeAll(dir / "chart.kru", "old");
  fs::permissions(dir / "chart.kru", fs::perms::owner_read);
  EXPECT_EQ(folderAfter(writeFileAtomically(dir / "chart.kru", "new"), dir),
            std::tuple(false, "old", std::set<std::string>{"chart.kru"}));
}

TEST(Files, ReplacingKeepsModeOwnerAndGroupAndWritesThroughLinksEvenDanglingOnes) {
  TempDir dir;
  const fs::path chart = dir / "chart.kru";
  writeAll(chart, "old");
  ASSERT_EQ(::chmod(chart.c_str(), 0640), 0);
  ASSERT_TRUE(::geteuid() != 0 || ::chown(chart.c_str(), 4321, 8765) == 0);  // root saving a user's chart
  struct stat before {
  }, after{};
  ::stat(chart.c_str(), &before);
  fs::create_symlink("chart.kru", dir / "link.kru");
  fs::create_symlink("later.kru", dir / "dangling.kru");
  ASSERT_TRUE(writeFileAtomically(dir / "link.kru", "new").ok());
  ASSERT_TRUE(writeFileAtomically(dir / "dangling.kru", "made").ok());
  ::stat(chart.c_str(), &after);
  EXPECT_EQ(std::tuple(after.st_mode & 07777, after.st_uid, after.st_gid),
            std::tuple(0640u, before.st_uid, before.st_gid));
  EXPECT_EQ(std::tuple(fs::is_symlink(dir / "link.kru"), readAll(chart), readAll(dir / "later.kru")),
            std::tuple(true, "new", "made"));
}

// A named pipe (or a device) under the chart's name, or a link to one: replacing it with a
// regular file would take the node away from whoever reads it.
TEST(Files, RefusesATargetThatIsNoRegularFileEvenThroughALink) {
  TempDir dir;
  ASSERT_EQ(::mkfifo((dir / "pipe.kru").c_str(), 0644), 0);
  fs::create_symlink("pipe.kru", dir / "link.kru");
  for (const char* name : {"pipe.kru", "link.kru"}) {
    const Status saved = writeFileAtomically(dir / name, "new");
    ASSERT_FALSE(saved.ok()) << name;
    ASSERT_TRUE(saved.error().text.has_value()) << name;
    const Message& text = *saved.error().text;
    EXPECT_EQ(text.kind, TextKind(FileText::CannotSave)) << name;
    EXPECT_EQ(text.parts, (std::vector<Message>{Message{FileText::ReasonNotRegular, {}, {}}})) << name;
    EXPECT_TRUE(fs::is_fifo(dir / "pipe.kru")) << "replaced through " << name;
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2) << "a file left behind";
}

// A write stopped by a file size limit, a rename refused by an immutable file: the old file
// stays and no temporary file is left beside it.
TEST(Files, AFailedWriteOrRenameLeavesTheOldFileAlone) {
  TempDir dir;
  writeAll(dir / "chart.kru", "old");
  const std::tuple<bool, std::string, std::set<std::string>> untouched{false, "old", {"chart.kru"}};
  rlimit limit{};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  const rlimit small{1024, limit.rlim_max};
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &small);
  const Status written = writeFileAtomically(dir / "chart.kru", std::string(4096, 'x'));
  ::setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(folderAfter(written, dir), untouched);

  const int fd = ::open((dir / "chart.kru").c_str(), O_RDONLY);
  int flags = 0;
  const bool immutable = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 &&
                         (flags |= FS_IMMUTABLE_FL, ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0);
  const Status renamed = writeFileAtomically(dir / "chart.kru", "new");
  flags &= ~FS_IMMUTABLE_FL;
  if (immutable) ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
  ::close(fd);
  if (!immutable) GTEST_SKIP() << "the file system or the user cannot make a file immutable";
  EXPECT_EQ(folderAfter(renamed, dir), untouched);
}

}  // namespace
}  // namespace tarveno

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

#include "core/io/files.h"
#include "support/test_paths.h"

namespace tarveno {
namespace {

namespace fs = std::filesystem;
using testing::readAll;
using testing::TempDir;
using testing::writeAll;

std::set<std::string> namesIn(const TempDir& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir.path())) names.insert(entry.path().filename().string());
  return names;
}

std::string messageOf(const Status& status) {
  return status.ok() ? "written" : status.error().message;
}

TEST(Files, ReadsWhatIsThereAndRefusesFoldersMissingFoldersAndReadOnlyFiles) {
  TempDir dir;
  writeAll(dir / "a.bin", std::string("a\0b", 3));
  EXPECT_EQ(readFileBytes(dir / "a.bin").value(), std::string("a\0b", 3));
  auto missing = readFileBytes(dir / "none.kru");
  ASSERT_FALSE(missing.ok());
  EXPECT_NE(missing.error().message.find("none.kru"), std::string::npos);
  EXPECT_FALSE(readFileBytes(dir.path()).ok());

  EXPECT_FALSE(writeFileAtomically(dir / "gone" / "chart.kru", "x").ok());
  fs::create_directory(dir / "folder.kru");
  EXPECT_FALSE(writeFileAtomically(dir / "folder.kru", "x").ok());
  // Root too: the permission bits are the owner's way of saying "keep this one".
  writeAll(dir / "kept.kru", "old");
  fs::permissions(dir / "kept.kru", fs::perms::owner_read);
  EXPECT_NE(messageOf(writeFileAtomically(dir / "kept.kru", "new")).find("kept.kru"), std::string::npos);
  EXPECT_EQ(readAll(dir / "kept.kru"), "old");
  EXPECT_EQ(namesIn(dir), (std::set<std::string>{"a.bin", "folder.kru", "kept.kru"}));
}

TEST(Files, ReplacingKeepsModeOwnerAndGroupAndWritesThroughALinkEvenADanglingOne) {
  TempDir dir;
  const fs::path chart = dir / "chart.kru";
  writeAll(chart, "old");
  ASSERT_EQ(::chmod(chart.c_str(), 0640), 0);
  // Root saving a user's chart must leave it the user's.
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(chart.c_str(), 4321, 8765), 0);
  }
  struct stat before {};
  struct stat after {};
  ASSERT_EQ(::stat(chart.c_str(), &before), 0);
  ASSERT_EQ(messageOf(writeFileAtomically(chart, "new")), "written");
  ASSERT_EQ(::stat(chart.c_str(), &after), 0);
  EXPECT_EQ(std::tuple(after.st_mode & 07777, after.st_uid, after.st_gid),
            std::tuple(0640u, before.st_uid, before.st_gid));

  fs::create_symlink("chart.kru", dir / "link.kru");
  fs::create_symlink("later.kru", dir / "dangling.kru");
  ASSERT_EQ(messageOf(writeFileAtomically(dir / "link.kru", "via link")), "written");
  ASSERT_EQ(messageOf(writeFileAtomically(dir / "dangling.kru", "new file")), "written");
  EXPECT_EQ(std::tuple(fs::is_symlink(dir / "link.kru"), readAll(chart), fs::is_symlink(dir / "dangling.kru"),
                       readAll(dir / "later.kru")),
            std::tuple(true, "via link", true, "new file"));
}

// Both failures keep the old file and leave no temporary file beside it.
TEST(Files, AFailedWriteOrRenameLeavesTheOldFileAlone) {
  TempDir dir;
  const fs::path chart = dir / "chart.kru";
  writeAll(chart, "old");
  // A file size limit stops the write halfway.
  rlimit limit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
  const rlimit small{1024, limit.rlim_max};
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const Status written = writeFileAtomically(chart, std::string(4096, 'x'));
  ::setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, previous);
  EXPECT_NE(messageOf(written), "written");
  EXPECT_EQ(std::pair(readAll(chart), namesIn(dir)), std::pair(std::string("old"), std::set<std::string>{"chart.kru"}));

  // An immutable file refuses the rename, root included.
  const int fd = ::open(chart.c_str(), O_RDONLY);
  int flags = 0;
  const bool immutable = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 &&
                         (flags |= FS_IMMUTABLE_FL, ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0);
  const Status renamed = immutable ? writeFileAtomically(chart, "new") : Status();
  flags &= ~FS_IMMUTABLE_FL;
  if (immutable) ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
  ::close(fd);
  if (!immutable) GTEST_SKIP() << "the file system or the user cannot make a file immutable";
  EXPECT_NE(messageOf(renamed), "written");
  EXPECT_EQ(std::pair(readAll(chart), namesIn(dir)), std::pair(std::string("old"), std::set<std::string>{"chart.kru"}));
}

}  // namespace
}  // namespace tarveno

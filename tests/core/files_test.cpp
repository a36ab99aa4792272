#include <gtest/gtest.h>

#include <filesystem>

#include "core/io/files.h"
#include "support/test_paths.h"

namespace tarveno {
namespace {

namespace fs = std::filesystem;
using testing::readAll;
using testing::TempDir;
using testing::writeAll;

TEST(Files, ReadsWhatIsThereAndWritesAtomicallyThroughLinksKeepingReadOnlyFiles) {
  TempDir dir;
  writeAll(dir / "a.bin", std::string("a\0b", 3));
  EXPECT_EQ(readFileBytes(dir / "a.bin").value(), std::string("a\0b", 3));
  auto missing = readFileBytes(dir / "none.kru");
  ASSERT_FALSE(missing.ok());
  EXPECT_NE(missing.error().message.find("none.kru"), std::string::npos);
  EXPECT_FALSE(readFileBytes(dir.path()).ok());

  writeAll(dir / "real.mc", "old");
  fs::create_symlink("real.mc", dir / "link.mc");
  ASSERT_TRUE(writeFileAtomically(dir / "link.mc", "new").ok());
  EXPECT_TRUE(fs::is_symlink(dir / "link.mc") && readAll(dir / "real.mc") == "new");

  EXPECT_FALSE(writeFileAtomically(dir / "gone" / "chart.kru", "x").ok());
  fs::create_directory(dir / "folder.kru");
  EXPECT_FALSE(writeFileAtomically(dir / "folder.kru", "x").ok());
  EXPECT_TRUE(fs::is_directory(dir / "folder.kru"));
  writeAll(dir / "kept.kru", "old");
  fs::permissions(dir / "kept.kru", fs::perms::owner_read);
  Status written = writeFileAtomically(dir / "kept.kru", "new");
  ASSERT_FALSE(written.ok());
  EXPECT_NE(written.error().message.find("kept.kru"), std::string::npos);
  EXPECT_EQ(readAll(dir / "kept.kru"), "old");
  // No temporary files are left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 5);
}

}  // namespace
}  // namespace tarveno

#include <gtest/gtest.h>

#include <filesystem>

#include "core/io/files.h"
#include "support/test_paths.h"

namespace tarveno {
namespace {

using testing::readAll;
using testing::TempDir;
using testing::writeAll;

TEST(Files, ReadsBytesIncludingZeros) {
  TempDir dir;
  writeAll(dir / "a.bin", std::string("a\0b", 3));
  auto bytes = readFileBytes(dir / "a.bin");
  ASSERT_TRUE(bytes.ok());
  EXPECT_EQ(*bytes, std::string("a\0b", 3));
}

TEST(Files, UnreadableTargetsAreErrorsNamingTheFile) {
  TempDir dir;
  auto missing = readFileBytes(dir / "none.kru");
  ASSERT_FALSE(missing.ok());
  EXPECT_NE(missing.error().message.find("none.kru"), std::string::npos);
  EXPECT_FALSE(readFileBytes(dir.path()).ok());
}

TEST(Files, AtomicWriteReplacesOnlyOnSuccess) {
  TempDir dir;
  writeAll(dir / "chart.kru", "old");
  ASSERT_TRUE(writeFileAtomically(dir / "chart.kru", "new").ok());
  EXPECT_EQ(readAll(dir / "chart.kru"), "new");

  EXPECT_FALSE(writeFileAtomically(dir / "gone" / "chart.kru", "x").ok());
  std::filesystem::create_directory(dir / "folder.kru");
  EXPECT_FALSE(writeFileAtomically(dir / "folder.kru", "x").ok());
  EXPECT_TRUE(std::filesystem::is_directory(dir / "folder.kru"));

  // No temporary files are left behind.
  int entries = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
    (void)e;
    ++entries;
  }
  EXPECT_EQ(entries, 2);
}

TEST(Files, SavingThroughALinkReplacesItsTargetAndKeepsTheLink) {
  TempDir dir;
  writeAll(dir / "real.mc", "old");
  std::filesystem::create_symlink("real.mc", dir / "link.mc");
  ASSERT_TRUE(writeFileAtomically(dir / "link.mc", "new").ok());
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.mc"));
  EXPECT_EQ(readAll(dir / "real.mc"), "new");
}

TEST(Files, AReadOnlyFileIsRefusedAndKept) {
  TempDir dir;
  writeAll(dir / "kept.kru", "old");
  std::filesystem::permissions(dir / "kept.kru", std::filesystem::perms::owner_read);
  Status written = writeFileAtomically(dir / "kept.kru", "new");
  ASSERT_FALSE(written.ok());
  EXPECT_NE(written.error().message.find("kept.kru"), std::string::npos);
  EXPECT_EQ(readAll(dir / "kept.kru"), "old");
}

}  // namespace
}  // namespace tarveno

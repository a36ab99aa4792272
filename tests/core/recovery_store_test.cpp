#include <gtest/gtest.h>

#include "core/io/recovery_store.h"
#include "support/test_paths.h"

namespace tarveno {
namespace {

namespace fs = std::filesystem;

// Runs are stores in one folder: a store alive is a running editor; a store gone with its copy
// still there is an editor that was killed. All of them have this test's process id, so the id
// alone would call every one of them alive.
TEST(RecoveryStore, OffersOnlyCopiesOfRunsThatAreGoneAndEachToOneRunOnly) {
  testing::TempDir dir;
  const fs::path folder = dir / "recovery";
  RecoveryStore living(folder);
  living.keep("living");
  ASSERT_TRUE(living.flush().ok());
  {
    RecoveryStore killed(folder);
    killed.keep("older");
    killed.keep("killed");  // only the newest bytes matter
    ASSERT_TRUE(killed.flush().ok());
  }
  {
    RecoveryStore saved(folder);
    saved.keep("saved");
    saved.discard();
    ASSERT_TRUE(saved.flush().ok());
  }
  RecoveryStore next(folder);
  std::vector<LeftCopy> left = next.leftCopies();
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0].read().value(), "killed");
  EXPECT_EQ(RecoveryStore(folder).leftCopies().size(), 0u) << "a copy being offered is taken by a second start";

  left[0].remove();
  size_t files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++files;
  EXPECT_EQ(files, 3u) << "the living run's lock and copy, and the next run's lock";
}

}  // namespace
}  // namespace tarveno

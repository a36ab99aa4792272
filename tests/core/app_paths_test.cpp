#include <gtest/gtest.h>

#include "core/io/app_paths.h"
#include "support/test_paths.h"

namespace tarveno {
namespace {

namespace fs = std::filesystem;

// The two layouts the programs run from: the build folder (data beside the program) and an
// installation (bin/ and share/tarveno/ under one prefix).
TEST(AppPaths, DataBesideTheProgramOrInTheShareFolderAndFilesFromTheLaunchFolder) {
  testing::TempDir root;
  const fs::path config = root / "config";
  fs::create_directories(root / "build" / "bin");
  testing::writeAll(root / "build" / "bin" / "kruid.dat", "");
  const AppPaths build = resolveAppPaths(root / "build" / "bin", config);
  EXPECT_EQ(build.catalogueFile(), root / "build" / "bin" / "kruid.dat");
  EXPECT_EQ(build.viewSettingsFile, root / "build" / "bin" / "view.dat");

  fs::create_directories(root / "usr" / "bin");
  fs::create_directories(root / "usr" / "share" / "tarveno");
  testing::writeAll(root / "usr" / "share" / "tarveno" / "kruid.dat", "");
  const AppPaths installed = resolveAppPaths(root / "usr" / "bin", config);
  EXPECT_EQ(installed.dataFolder, root / "usr" / "share" / "tarveno");
  EXPECT_EQ(installed.viewSettingsFile, config / "view.dat") << "never written into bin/";

  // A build folder the user may not write keeps its settings in the configuration folder.
  fs::permissions(root / "build" / "bin", fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(resolveAppPaths(root / "build" / "bin", config).viewSettingsFile, config / "view.dat");
  fs::permissions(root / "build" / "bin", fs::perms::owner_all);

  EXPECT_EQ(std::tuple(commandLineFile("song.kru", "/home/u"), commandLineFile("/abs/song.kru", "/home/u"),
                       commandLineFile("", "/home/u")),
            std::tuple(fs::path("/home/u/song.kru"), fs::path("/abs/song.kru"), fs::path()));
}

}  // namespace
}  // namespace tarveno

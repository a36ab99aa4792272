#include <gtest/gtest.h>

#include "core/songs/catalogue.h"
#include "core/text/cp932.h"
#include "support/test_paths.h"

namespace tarveno::testing {
namespace {

// The shipped catalogue opens without a warning, hides no song behind a code-0 record, and
// every song that asks for a meter file has one that loads.
TEST(CliBundledData, CatalogueAndMeterFilesLoadCleanly) {
  EXPECT_EQ(cp932ToUtf8(readAll(dataDir() / "kruid.dat")).find("\xEF\xBF\xBD"), std::string::npos);
  auto load = LoadSongList(dataDir() / "kruid.dat");
  ASSERT_TRUE(load.ok()) << load.error().message;
  EXPECT_TRUE(load->warnings.empty());
  const Catalogue& catalogue = load->catalogue;
  EXPECT_TRUE(catalogue.SongList[static_cast<size_t>(catalogue.validCount())].Title.empty());
  for (int i = 0; i < catalogue.validCount(); ++i) {
    MeterSegs segs{};
    EXPECT_TRUE(catalogue.song(i)->MeterFlag == 0 || LoadMeterSegs(catalogue, i, segs).ok()) << catalogue.song(i)->Code;
  }
}

}  // namespace
}  // namespace tarveno::testing

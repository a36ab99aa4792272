#include <gtest/gtest.h>

#include "core/chart/measure_numbers.h"
#include "core/text/cp932.h"
#include "support/test_catalogue.h"
#include "support/test_paths.h"

namespace tarveno {
namespace {

TEST(MeasureNumbers, RowsWalkTheMeterSegmentsOrFourBeatsAMeasure) {
  Catalogue catalogue = testing::oneSongCatalogue(120);
  catalogue.SongList[1] = SongRecord{"Odd Steps", 2, 120, 60, 1, 1, 1};
  auto at = [&](int row, int song, const MeterSegs& segs) {
    const MeasurePos m = RowToMeasure(row, catalogue, song, segs);
    return std::pair{m.Measure, m.Beat};
  };
  const MeterSegs none{};
  EXPECT_EQ(at(3, 0, none), std::pair(1, 3));
  EXPECT_EQ(at(25, 0, none), std::pair(7, 1));
  EXPECT_EQ(at(25, 700, none).first, 7);  // no song at all

  // Rows 0..7 are measures 1 and 2, rows 8..13 measures 3 and 4, from row 14 on measures 5, 6, ...
  const MeterSegs segs{{{1, 4}, {3, 3}, {5, 2}, {kMeterListEnd, 0}}};
  // A row on a boundary starts the next segment.
  for (auto [row, measure, beat] : {std::tuple{0, 1, 0}, {7, 2, 3}, {8, 3, 0}, {13, 4, 2}, {14, 5, 0}, {17, 6, 1}}) {
    EXPECT_EQ(at(row, 1, segs), std::pair(measure, beat)) << row;
  }
  EXPECT_EQ(at(17, 0, segs).first, 5);  // the list is ignored for a song without the flag

  // Damaged lists fall back to four beats a measure.
  const MeterSegs zeroBeats{{{1, 0}, {kMeterListEnd, 0}}};
  EXPECT_EQ(at(9, 1, zeroBeats).first, 3);
  MeterSegs noEnd{};
  for (auto& s : noEnd) s = {1, 4};  // no end marker, no growth: never contains the row
  EXPECT_EQ(at(9, 1, noEnd).first, 3);

  EXPECT_EQ(std::tuple(measureCaption(7), measureCaption(123), measureCaption(1234)), std::tuple("007", "123", "234"));
}

// The shipped catalogue opens without a warning or a broken character and hides no song behind
// a code-0 record; every meter song's file loads and numbers its measures like every other
// song: the first measure of the chart is measure 1, the fifth row starts measure 2.
TEST(BundledData, CatalogueAndMeterFilesLoadCleanlyAndMeterSongsStartAtMeasureOne) {
  EXPECT_EQ(cp932ToUtf8(testing::readAll(testing::dataDir() / "kruid.dat")).find("\xEF\xBF\xBD"), std::string::npos);
  auto loaded = LoadSongList(testing::dataDir() / "kruid.dat");
  ASSERT_TRUE(loaded.ok()) << loaded.error().message;
  EXPECT_TRUE(loaded->warnings.empty());
  const Catalogue& catalogue = loaded->catalogue;
  EXPECT_TRUE(catalogue.SongList[static_cast<size_t>(catalogue.validCount())].Title.empty());
  int meterSongs = 0;
  for (int i = 0; i < catalogue.validCount(); ++i) {
    if (catalogue.SongList[static_cast<size_t>(i)].MeterFlag == 0) continue;
    ++meterSongs;
    MeterSegs segs{};
    ASSERT_TRUE(LoadMeterSegs(catalogue, i, segs).ok()) << i;
    for (int row : {0, 4, 7}) {
      const MeasurePos plain = RowToMeasure(row, catalogue, 0, segs);
      const MeasurePos meter = RowToMeasure(row, catalogue, i, segs);
      EXPECT_EQ(std::pair(meter.Measure, meter.Beat), std::pair(plain.Measure, plain.Beat)) << i << " row " << row;
    }
  }
  EXPECT_GT(meterSongs, 0);
}

}  // namespace
}  // namespace tarveno

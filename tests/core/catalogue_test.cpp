#include <gtest/gtest.h>

#include <tuple>

#include "core/songs/catalogue.h"
#include "core/text/cp932.h"
#include "support/test_paths.h"

namespace tarveno {
namespace {

using testing::TempDir;
using testing::writeAll;

auto fields(const SongRecord& s) {
  return std::tuple(s.Code, s.Title, s.Bpm, s.Measures, s.AcMask, s.CsMask, s.MeterFlag);
}

// Code 0 ends the valid run: the records behind it are read but never listed. Blank lines at the
// end make no record.
TEST(Catalogue, ReadsCp932RecordsUpToCodeZeroWithQuotedCommasBlanksAndFieldsAcrossLines) {
  auto load =
      parseSongList(utf8ToCp932("1,\"Alpha, the first\",120,64,3,4,0\r\n"
                                "  2 ,  \"ﾃｽﾄ曲～\" , -1 ,200, 2048 ,128,1\r\n"
                                "3,Gamma plain,90,1,0,0,0\r\n"
                                "5\n\"T\"\n100\n10\n1\n2\n0\n"
                                "0,\"Hidden\",1,1,0,0,0\r\n7,\"C\",1,1,0,0,0\r\n\r\n  \n"));
  const Catalogue& c = load.catalogue;
  EXPECT_TRUE(load.warnings.empty());
  EXPECT_EQ(fields(c.SongList[0]), std::tuple(1, "Alpha, the first", 120, 64, 3, 4, 0));
  EXPECT_EQ(fields(c.SongList[1]), std::tuple(2, "ﾃｽﾄ曲～", -1, 200, 2048, 128, 1));
  EXPECT_EQ(fields(c.SongList[2]), std::tuple(3, "Gamma plain", 90, 1, 0, 0, 0));
  EXPECT_EQ(fields(c.SongList[3]), std::tuple(5, "T", 100, 10, 1, 2, 0));
  EXPECT_EQ(std::tuple(c.validCount(), c.isValidIndex(3), c.isValidIndex(5), c.SongList[5].Title, c.SongList[6].Code),
            std::tuple(4, true, false, "C", 0));
  EXPECT_EQ(std::tuple(c.measures(0), c.measures(-1), c.measures(501), c.song(501)), std::tuple(64, 0, 0, nullptr));
}

// A record cut short and a catalogue that cannot be read are fixtures of the batch tool.
TEST(Catalogue, RecordsPastTheTableAreOneWarningAndAFolderIsNoCatalogue) {
  std::string text;
  for (int i = 1; i <= 503; ++i) text += std::to_string(i) + ",\"S\",1,1,0,0,0\r\n";
  auto many = parseSongList(text);
  EXPECT_EQ(many.catalogue.validCount(), 501);
  ASSERT_EQ(many.warnings.size(), 1u);
  EXPECT_EQ(many.warnings[0], (Message{SongText::TooManySongs, {"501", "2"}, {}}));

  TempDir dir;
  EXPECT_FALSE(LoadSongList(dir.path()).ok());
}

TEST(MeterFiles, PairsEndWith999AndBrokenFilesLeaveTheSegmentsAsTheyWere) {
  EXPECT_EQ(std::tuple(meterFileName(26), meterFileName(255), meterFileName(1)),
            std::tuple("1As.dat", "FFs.dat", "1s.dat"));
  MeterSegs segs{};
  for (auto& s : segs) s = MeterSeg{77, 7};
  ASSERT_TRUE(parseMeterSegs("0,4\r\n17,3\r\n25,4\r\n", segs).ok());
  std::vector<std::pair<int, int>> got;
  for (size_t i = 0; i < 5; ++i) got.emplace_back(segs[i].FirstMeasure, segs[i].BeatsPerMeasure);
  EXPECT_EQ(got, (std::vector<std::pair<int, int>>{{0, 4}, {17, 3}, {25, 4}, {kMeterListEnd, 7}, {77, 7}}));

  const MeterSegs before = segs;
  std::string many;
  for (int i = 0; i < 21; ++i) many += std::to_string(i) + ",4\r\n";
  // A pair cut short, a measure of no beats (it cannot be numbered), one pair too many.
  for (const std::string& text : {std::string("0,4\r\n5\r\n"), std::string("0,0\r\n"), many}) {
    EXPECT_FALSE(parseMeterSegs(text, segs).ok()) << text;
  }
  for (size_t i = 0; i < segs.size(); ++i) {
    EXPECT_EQ(std::pair(segs[i].FirstMeasure, segs[i].BeatsPerMeasure),
              std::pair(before[i].FirstMeasure, before[i].BeatsPerMeasure))
        << i;
  }
}

TEST(MeterFiles, LoadFollowsTheMeterFlag) {
  TempDir dir;
  Catalogue c;
  c.folder = dir.path();
  std::tie(c.SongList[0], c.SongList[1], c.SongList[2]) =
      std::tuple(SongRecord{"Plain", 5, 120, 10, 0, 0, 0}, SongRecord{"Meter", 26, 120, 10, 0, 0, 1},
                 SongRecord{"Missing", 27, 120, 10, 0, 0, 1});
  writeAll(dir / "1As.dat", "0,4\r\n3,3\r\n");
  writeAll(dir / "5s.dat", "0,2\r\n");  // ignored: flag 0

  MeterSegs segs{};
  segs[0] = MeterSeg{9, 9};
  EXPECT_TRUE(LoadMeterSegs(c, 0, segs).ok());
  EXPECT_EQ(segs[0].FirstMeasure, 9) << "flag 0 leaves the list alone";
  ASSERT_TRUE(LoadMeterSegs(c, 1, segs).ok());
  EXPECT_EQ(std::tuple(segs[1].FirstMeasure, segs[2].FirstMeasure), std::tuple(3, kMeterListEnd));
  EXPECT_FALSE(LoadMeterSegs(c, 2, segs).ok());
  EXPECT_EQ(segs[1].FirstMeasure, 3) << "a missing file changes nothing";
}

}  // namespace
}  // namespace tarveno

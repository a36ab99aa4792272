#include <gtest/gtest.h>

#include "core/songs/catalogue.h"
#include "core/text/cp932.h"
#include "support/test_paths.h"

namespace tarveno {
namespace {

using testing::TempDir;
using testing::writeAll;

TEST(Catalogue, ParsesQuotedTitlesWithCommasAndBlanks) {
  auto load = parseSongList(
      "1,\"Alpha, the first\",120,64,3,4,0\r\n"
      "  2 ,  \"Beta\" , -1 ,200, 2048 ,128,1\r\n"
      "3,Gamma plain,90,1,0,0,0\r\n");
  EXPECT_TRUE(load.warnings.empty());
  const auto& s = load.catalogue.SongList;
  EXPECT_EQ(load.catalogue.validCount(), 3);
  EXPECT_EQ(s[0].Title, "Alpha, the first");
  EXPECT_EQ(s[0].Measures, 64);
  EXPECT_EQ(s[1].Code, 2);
  EXPECT_EQ(s[1].Title, "Beta");
  EXPECT_EQ(s[1].Bpm, -1);
  EXPECT_EQ(s[1].AcMask, 2048);
  EXPECT_EQ(s[1].MeterFlag, 1);
  EXPECT_EQ(s[2].Title, "Gamma plain");
}

TEST(Catalogue, FieldsMaySpanLinesAndBlankLinesAtTheEndMakeNoRecord) {
  auto load = parseSongList("5\n\"T\"\n100\n10\n1\n2\n0\n\n\r\n  \n");
  EXPECT_TRUE(load.warnings.empty());
  EXPECT_EQ(load.catalogue.validCount(), 1);
  EXPECT_EQ(load.catalogue.SongList[0].CsMask, 2);
  EXPECT_EQ(load.catalogue.SongList[1].Code, 0);
}

TEST(Catalogue, CodeZeroEndsTheValidRun) {
  auto load = parseSongList("1,\"A\",1,1,0,0,0\n0,\"Hidden\",1,1,0,0,0\n3,\"C\",1,1,0,0,0\n");
  EXPECT_EQ(load.catalogue.validCount(), 1);
  EXPECT_TRUE(load.catalogue.isValidIndex(0));
  EXPECT_FALSE(load.catalogue.isValidIndex(2));
  EXPECT_EQ(load.catalogue.SongList[2].Title, "C") << "read, but never listed";
}

TEST(Catalogue, BrokenLastRecordIsReportedAndDropped) {
  auto load = parseSongList("1,\"A\",1,1,0,0,0\n2,\"B\",1\n");
  EXPECT_EQ(load.catalogue.validCount(), 1);
  ASSERT_EQ(load.warnings.size(), 1u);
  EXPECT_NE(load.warnings[0].find("2 件目"), std::string::npos);
  EXPECT_EQ(load.catalogue.SongList[1].Code, 0);
}

TEST(Catalogue, MoreThan501RecordsKeepsTheFirst501) {
  std::string text;
  for (int i = 1; i <= 503; ++i) text += std::to_string(i) + ",\"S\",1,1,0,0,0\r\n";
  auto load = parseSongList(text);
  EXPECT_EQ(load.catalogue.validCount(), 501);
  ASSERT_EQ(load.warnings.size(), 1u);
  EXPECT_NE(load.warnings[0].find("2 件"), std::string::npos);
}

TEST(Catalogue, TitlesAreDecodedFromCp932) {
  auto load = parseSongList(utf8ToCp932("1,\"ﾃｽﾄ曲～\",1,1,0,0,0\r\n"));
  EXPECT_EQ(load.catalogue.SongList[0].Title, "ﾃｽﾄ曲～");
}

TEST(Catalogue, MissingFileIsAnErrorValue) {
  TempDir dir;
  auto result = LoadSongList(dir / "kruid.dat");
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.error().code, ErrorCode::FileOpen);
  EXPECT_NE(result.error().message.find("kruid.dat"), std::string::npos);
  EXPECT_FALSE(LoadSongList(dir.path()).ok()) << "a folder is not a catalogue";
}

TEST(Catalogue, SongLookupOutsideTheTable) {
  Catalogue c;
  c.SongList[0].Measures = 12;
  EXPECT_EQ(c.measures(0), 12);
  EXPECT_EQ(c.measures(-1), 0);
  EXPECT_EQ(c.measures(501), 0);
  EXPECT_EQ(c.song(501), nullptr);
}

TEST(MeterFiles, NamesAreUpperCaseHexWithoutLeadingZeros) {
  EXPECT_EQ(meterFileName(26), "1As.dat");
  EXPECT_EQ(meterFileName(255), "FFs.dat");
  EXPECT_EQ(meterFileName(1), "1s.dat");
}

TEST(MeterFiles, ThreePairsEndWith999AndLaterEntriesKeepTheirContent) {
  MeterSegs segs{};
  for (auto& s : segs) s = MeterSeg{77, 7};
  ASSERT_TRUE(parseMeterSegs("0,4\r\n17,3\r\n25,4\r\n", segs).ok());
  EXPECT_EQ(segs[0].FirstMeasure, 0);
  EXPECT_EQ(segs[1].FirstMeasure, 17);
  EXPECT_EQ(segs[1].BeatsPerMeasure, 3);
  EXPECT_EQ(segs[2].BeatsPerMeasure, 4);
  EXPECT_EQ(segs[3].FirstMeasure, kMeterListEnd);
  EXPECT_EQ(segs[3].BeatsPerMeasure, 7);
  EXPECT_EQ(segs[4].FirstMeasure, 77);
}

TEST(MeterFiles, BrokenFilesLeaveTheSegmentsAsTheyWere) {
  MeterSegs segs{};
  segs[0] = MeterSeg{0, 4};
  segs[1] = MeterSeg{kMeterListEnd, 0};
  const MeterSegs before = segs;
  EXPECT_FALSE(parseMeterSegs("0,4\r\n5\r\n", segs).ok());
  EXPECT_FALSE(parseMeterSegs("0,0\r\n", segs).ok()) << "a measure of no beats cannot be numbered";
  std::string many;
  for (int i = 0; i < 21; ++i) many += std::to_string(i) + ",4\r\n";
  EXPECT_FALSE(parseMeterSegs(many, segs).ok());
  for (size_t i = 0; i < segs.size(); ++i) EXPECT_EQ(segs[i].FirstMeasure, before[i].FirstMeasure);
}

TEST(MeterFiles, LoadFollowsTheMeterFlag) {
  TempDir dir;
  Catalogue c;
  c.folder = dir.path();
  c.SongList[0] = SongRecord{"Plain", 5, 120, 10, 0, 0, 0};
  c.SongList[1] = SongRecord{"Meter", 26, 120, 10, 0, 0, 1};
  c.SongList[2] = SongRecord{"Missing", 27, 120, 10, 0, 0, 1};
  writeAll(dir / "1As.dat", "0,4\r\n3,3\r\n");
  writeAll(dir / "5s.dat", "0,2\r\n");  // ignored: flag 0

  MeterSegs segs{};
  segs[0] = MeterSeg{9, 9};
  EXPECT_TRUE(LoadMeterSegs(c, 0, segs).ok());
  EXPECT_EQ(segs[0].FirstMeasure, 9) << "flag 0 leaves the list alone";

  ASSERT_TRUE(LoadMeterSegs(c, 1, segs).ok());
  EXPECT_EQ(segs[1].FirstMeasure, 3);
  EXPECT_EQ(segs[2].FirstMeasure, kMeterListEnd);

  auto missing = LoadMeterSegs(c, 2, segs);
  EXPECT_FALSE(missing.ok());
  EXPECT_EQ(segs[1].FirstMeasure, 3) << "a missing file changes nothing";
}

}  // namespace
}  // namespace tarveno

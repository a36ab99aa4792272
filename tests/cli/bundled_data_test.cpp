#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/songs/catalogue.h"
#include "core/text/cp932.h"
#include "support/test_paths.h"

namespace tarveno::testing {
namespace {

const Catalogue& bundled() {
  static const CatalogueLoad load = [] {
    auto r = LoadSongList(dataDir() / "kruid.dat");
    EXPECT_TRUE(r.ok()) << r.error().message;
    return r.ok() ? *r : CatalogueLoad{};
  }();
  return load.catalogue;
}

std::vector<const SongRecord*> validSongs() {
  std::vector<const SongRecord*> songs;
  for (int i = 0; i < bundled().validCount(); ++i) songs.push_back(bundled().song(i));
  return songs;
}

TEST(CliBundledCatalogue, EveryRecordParsesWithoutWarnings) {
  auto load = LoadSongList(dataDir() / "kruid.dat");
  ASSERT_TRUE(load.ok());
  EXPECT_TRUE(load->warnings.empty());
  const std::string bytes = readAll(dataDir() / "kruid.dat");
  const auto lines = std::count(bytes.begin(), bytes.end(), '\n');
  EXPECT_EQ(load->catalogue.validCount(), lines) << "a record with code 0 would hide the ones after it";
  EXPECT_GE(lines, 35);
  EXPECT_LE(lines, 45);
}

TEST(CliBundledCatalogue, IsCp932WithCrLfLineEnds) {
  const std::string bytes = readAll(dataDir() / "kruid.dat");
  ASSERT_FALSE(bytes.empty());
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "lone LF at " << i;
    }
    if (bytes[i] == '\r') {
      EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "lone CR at " << i;
    }
  }
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  // Valid CP932 throughout (a broken byte would come back as U+FFFD, then "?").
  EXPECT_EQ(utf8ToCp932(cp932ToUtf8(bytes)), bytes);
  EXPECT_EQ(cp932ToUtf8(bytes).find("\xEF\xBF\xBD"), std::string::npos);
}

TEST(CliBundledCatalogue, TitlesAreVariedAndCodesUnique) {
  std::set<int> codes;
  int japanese = 0;
  int withComma = 0;
  for (const SongRecord* s : validSongs()) {
    EXPECT_FALSE(s->Title.empty());
    EXPECT_TRUE(codes.insert(s->Code).second) << "duplicate code " << s->Code;
    if (std::any_of(s->Title.begin(), s->Title.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) {
      ++japanese;
    }
    if (s->Title.find(',') != std::string::npos) ++withComma;
  }
  EXPECT_GE(japanese, 3);
  EXPECT_EQ(withComma, 1);
}

TEST(CliBundledCatalogue, FirstRecordIsAnOrdinaryDefaultSong) {
  const SongRecord& first = *bundled().song(0);
  EXPECT_EQ(first.Code, 1);
  EXPECT_GE(first.Measures, 60);
  EXPECT_LE(first.Measures, 70);
  EXPECT_GT(first.Bpm, 0);
  EXPECT_EQ(first.MeterFlag, 0);
}

TEST(CliBundledCatalogue, CoversEveryCodeBoundaryOfTheCardTables) {
  std::set<int> codes;
  for (const SongRecord* s : validSongs()) codes.insert(s->Code);
  for (int code : {1,   101, 102, 135, 136, 153, 154, 217, 218, 230, 231, 232,
                   296, 297, 298, 305, 306, 336, 337, 413, 414, 430, 431}) {
    EXPECT_TRUE(codes.count(code)) << "missing code " << code;
  }
}

TEST(CliBundledCatalogue, LengthsAndTempi) {
  std::multiset<int> lengths;
  int ordinary = 0;
  int unknownTempo = 0;
  for (const SongRecord* s : validSongs()) {
    lengths.insert(s->Measures);
    if (s->Measures >= 60 && s->Measures <= 140) ++ordinary;
    if (s->Bpm == -1) ++unknownTempo;
    EXPECT_GE(s->Measures, 1);
    EXPECT_LE(s->Measures, 471) << "longer than the step table";
    EXPECT_TRUE(s->Bpm == -1 || (s->Bpm >= 60 && s->Bpm <= 300)) << s->Bpm;
  }
  for (int length : {1, 200, 201, 471}) EXPECT_TRUE(lengths.count(length)) << length;
  EXPECT_GE(ordinary * 10, static_cast<int>(lengths.size()) * 8);
  EXPECT_EQ(unknownTempo, 1);
}

TEST(CliBundledCatalogue, EveryEditionBitAndFilterIsUsed) {
  unsigned ac = 0;
  unsigned cs = 0;
  for (const SongRecord* s : validSongs()) {
    ac |= s->AcMask;
    cs |= s->CsMask;
  }
  EXPECT_EQ(ac, 0xFFFu);
  EXPECT_EQ(cs, 0x7FFu);

  // The arcade filters of the properties dialog, with the masks of older editions.
  const std::pair<unsigned, unsigned> arcade[] = {{2048, 2047}, {3, 0},     {12, 3},    {48, 15},
                                                  {192, 63},    {256, 255}, {512, 511}, {1024, 1023}};
  for (auto [select, older] : arcade) {
    int listed = 0;
    int newOnly = 0;
    for (const SongRecord* s : validSongs()) {
      if ((s->AcMask & select) == 0) continue;
      ++listed;
      if ((s->AcMask & older) == 0) ++newOnly;
    }
    EXPECT_GE(listed, 3) << select;
    EXPECT_GE(newOnly, 1) << select;
    if (older != 0) {
      EXPECT_LT(newOnly, listed) << "new-songs-only changes nothing for " << select;
    }
  }
  const auto songs = validSongs();
  for (unsigned select : {12u, 32u, 128u}) {
    EXPECT_GE(std::count_if(songs.begin(), songs.end(), [&](const SongRecord* s) { return (s->CsMask & select) != 0; }),
              3)
        << select;
  }
}

TEST(CliBundledMeters, EveryMeteredSongHasAReadableFile) {
  int metered = 0;
  bool threeBeats = false;
  for (int i = 0; i < bundled().validCount(); ++i) {
    const SongRecord& s = *bundled().song(i);
    if (s.MeterFlag == 0) continue;
    ++metered;
    MeterSegs segs{};
    Status loaded = LoadMeterSegs(bundled(), i, segs);
    ASSERT_TRUE(loaded.ok()) << s.Code << ": " << loaded.error().message;
    EXPECT_EQ(segs[0].FirstMeasure, 0) << s.Code;
    size_t n = 0;
    while (segs[n].FirstMeasure != kMeterListEnd) {
      EXPECT_GE(segs[n].BeatsPerMeasure, 1);
      EXPECT_LE(segs[n].BeatsPerMeasure, 8);
      if (segs[n].BeatsPerMeasure == 3) threeBeats = true;
      if (n > 0) {
        EXPECT_GT(segs[n].FirstMeasure, segs[n - 1].FirstMeasure) << s.Code;
      }
      EXPECT_LT(segs[n].FirstMeasure, s.Measures) << s.Code;
      ++n;
    }
    EXPECT_GE(n, 2u) << "a meter file for a song that never changes its meter";
  }
  EXPECT_GE(metered, 2);
  EXPECT_TRUE(threeBeats);
}

TEST(CliBundledMeters, WaltzSongHasItsThreeBeatSection) {
  MeterSegs segs{};
  ASSERT_TRUE(parseMeterSegs(readAll(dataDir() / "1As.dat"), segs).ok());
  EXPECT_EQ(segs[0].FirstMeasure, 0);
  EXPECT_EQ(segs[0].BeatsPerMeasure, 4);
  EXPECT_EQ(segs[1].FirstMeasure, 17);
  EXPECT_EQ(segs[1].BeatsPerMeasure, 3);
  EXPECT_EQ(segs[2].FirstMeasure, 25);
  EXPECT_EQ(segs[2].BeatsPerMeasure, 4);
  EXPECT_EQ(segs[3].FirstMeasure, kMeterListEnd);
}

TEST(CliBundledMeters, NoStrayMeterFiles) {
  std::set<std::string> expected;
  for (const SongRecord* s : validSongs()) {
    if (s->MeterFlag != 0) expected.insert(meterFileName(s->Code));
  }
  std::set<std::string> present;
  for (const auto& entry : std::filesystem::directory_iterator(dataDir())) {
    const std::string name = entry.path().filename().string();
    if (name.size() > 5 && name.substr(name.size() - 5) == "s.dat") present.insert(name);
  }
  EXPECT_EQ(present, expected);
}

}  // namespace
}  // namespace tarveno::testing

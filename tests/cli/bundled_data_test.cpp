#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <tuple>

#include "core/songs/catalogue.h"
#include "core/text/cp932.h"
#include "support/test_paths.h"

namespace tarveno::testing {
namespace {

const Catalogue& bundled() {
  static const CatalogueLoad load = [] {
    auto r = LoadSongList(dataDir() / "kruid.dat");
    EXPECT_TRUE(r.ok()) << r.error().message;
    EXPECT_TRUE(r.ok() && r->warnings.empty());
    return r.ok() ? *r : CatalogueLoad{};
  }();
  return load.catalogue;
}

std::vector<const SongRecord*> validSongs() {
  std::vector<const SongRecord*> songs;
  for (int i = 0; i < bundled().validCount(); ++i) songs.push_back(bundled().song(i));
  return songs;
}

TEST(CliBundledCatalogue, IsCp932WithCrLfLinesThatAllParse) {
  const std::string bytes = readAll(dataDir() / "kruid.dat");
  ASSERT_TRUE(bytes.ends_with("\r\n"));
  const auto lines = std::count(bytes.begin(), bytes.end(), '\n');
  // Every CR and every LF belongs to a CR LF pair.
  EXPECT_EQ(std::regex_replace(bytes, std::regex("\r\n"), "").find_first_of("\r\n"), std::string::npos);
  // Valid CP932 throughout (a broken byte would come back as U+FFFD, then "?").
  EXPECT_EQ(utf8ToCp932(cp932ToUtf8(bytes)), bytes);
  EXPECT_EQ(cp932ToUtf8(bytes).find("\xEF\xBF\xBD"), std::string::npos);
  EXPECT_EQ(bundled().validCount(), lines) << "a record with code 0 would hide the ones after it";
  EXPECT_TRUE(lines >= 35 && lines <= 45) << lines;
}

TEST(CliBundledCatalogue, CodesTitlesLengthsAndTempiCoverWhatTheProgramNeeds) {
  const SongRecord& first = *bundled().song(0);  // the song of a new chart: ordinary, 4/4
  EXPECT_EQ(std::tie(first.Code, first.MeterFlag), std::tuple(1, 0));
  EXPECT_TRUE(first.Measures >= 60 && first.Measures <= 70 && first.Bpm > 0) << first.Measures << " " << first.Bpm;

  std::set<int> codes;
  std::multiset<int> lengths;
  int japanese = 0, withComma = 0, ordinary = 0, unknownTempo = 0;
  for (const SongRecord* s : validSongs()) {
    EXPECT_FALSE(s->Title.empty());
    EXPECT_TRUE(codes.insert(s->Code).second) << "duplicate code " << s->Code;
    japanese += std::any_of(s->Title.begin(), s->Title.end(), [](char c) { return (c & 0x80) != 0; });
    withComma += s->Title.find(',') != std::string::npos;
    lengths.insert(s->Measures);
    ordinary += s->Measures >= 60 && s->Measures <= 140;
    unknownTempo += s->Bpm == -1;
    EXPECT_TRUE(s->Measures >= 1 && s->Measures <= 471) << s->Measures << ": none or longer than the step table";
    EXPECT_TRUE(s->Bpm == -1 || (s->Bpm >= 60 && s->Bpm <= 300)) << s->Bpm;
  }
  EXPECT_GE(japanese, 3);
  EXPECT_EQ(withComma, 1);
  EXPECT_GE(ordinary * 10, static_cast<int>(lengths.size()) * 8);
  EXPECT_EQ(unknownTempo, 1);
  for (int length : {1, 200, 201, 471}) EXPECT_TRUE(lengths.count(length)) << length;
  // Every boundary of the memory-card tables.
  for (int code : {1,   101, 102, 135, 136, 153, 154, 217, 218, 230, 231, 232,
                   296, 297, 298, 305, 306, 336, 337, 413, 414, 430, 431}) {
    EXPECT_TRUE(codes.count(code)) << "missing code " << code;
  }
}

TEST(CliBundledCatalogue, EveryEditionBitAndFilterIsUsed) {
  const auto songs = validSongs();
  unsigned ac = 0, cs = 0;
  for (const SongRecord* s : songs) ac |= s->AcMask, cs |= s->CsMask;
  EXPECT_EQ(ac, 0xFFFu);
  EXPECT_EQ(cs, 0x7FFu);
  auto listing = [&](uint16_t SongRecord::*mask, unsigned select) {
    return std::count_if(songs.begin(), songs.end(), [&](const SongRecord* s) { return (s->*mask & select) != 0; });
  };
  // The arcade filters of the properties dialog, with the masks of older editions.
  const std::pair<unsigned, unsigned> arcade[] = {{2048, 2047}, {3, 0},     {12, 3},    {48, 15},
                                                  {192, 63},    {256, 255}, {512, 511}, {1024, 1023}};
  for (auto [select, older] : arcade) {
    const auto newOnly = std::count_if(songs.begin(), songs.end(), [&](const SongRecord* s) {
      return (s->AcMask & select) != 0 && (s->AcMask & older) == 0;
    });
    EXPECT_GE(newOnly, 1) << select;
    const auto listed = listing(&SongRecord::AcMask, select);
    EXPECT_GE(listed, 3) << select;
    EXPECT_TRUE(older == 0 || newOnly < listed) << "new-songs-only changes nothing for " << select;
  }
  for (unsigned select : {12u, 32u, 128u}) EXPECT_GE(listing(&SongRecord::CsMask, select), 3) << select;
}

TEST(CliBundledMeters, EveryMeteredSongAndNoOtherHasAReadableFile) {
  std::set<std::string> expected;
  for (int i = 0; i < bundled().validCount(); ++i) {
    const SongRecord& s = *bundled().song(i);
    if (s.MeterFlag == 0) continue;
    expected.insert(meterFileName(s.Code));
    MeterSegs segs{};
    Status loaded = LoadMeterSegs(bundled(), i, segs);
    ASSERT_TRUE(loaded.ok()) << s.Code << ": " << loaded.error().message;
    EXPECT_EQ(segs[0].FirstMeasure, 1) << s.Code;
    size_t n = 0;
    for (; segs[n].FirstMeasure != kMeterListEnd; ++n) {
      EXPECT_TRUE(segs[n].BeatsPerMeasure >= 1 && segs[n].BeatsPerMeasure <= 8) << s.Code;
      EXPECT_GT(segs[n].FirstMeasure, n > 0 ? segs[n - 1].FirstMeasure : -1) << s.Code;
      EXPECT_LT(segs[n].FirstMeasure, s.Measures) << s.Code;
    }
    EXPECT_GE(n, 2u) << "a meter file for a song that never changes its meter";
  }
  EXPECT_GE(expected.size(), 2u);  // one of them the waltz below
  std::set<std::string> present;
  for (const auto& entry : std::filesystem::directory_iterator(dataDir())) {
    const std::string name = entry.path().filename().string();
    if (name.size() > 5 && name.ends_with("s.dat")) present.insert(name);
  }
  EXPECT_EQ(present, expected);
}

}  // namespace
}  // namespace tarveno::testing

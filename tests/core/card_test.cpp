#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/chart/card.h"
#include "core/chart/card_edition.h"
#include "core/chart/card_name.h"
#include "core/chart/chart_text.h"
#include "support/test_catalogue.h"
#include "support/test_paths.h"

namespace tarveno {
namespace {

// The card's bytes are exercised through the batch tool by the fixtures; what they cannot see
// is the reader working over an open chart, as the editor opens files, and what the state left
// behind by errors 102 and 103 is.
// Reads the card over an open chart and meter list; gives the notices' codes, the header, whether
// the freeze table is empty, the second meter segment's first measure and the one step byte written.
auto readOverOpenChart(const std::string& bytes, const Catalogue& catalogue) {
  Chart c;
  testing::header(c) = std::tuple(PlayStyle::Double, 0x35, 0, "OLD", "Lanterns", 3, 4, "kept");
  c.FreezeData[2][3] = 0x11;
  MeterSegs segs;
  segs.fill(MeterSeg{123, 7});
  std::vector<NoticeKind> kinds;
  const auto read = ReadCardSave(bytes, c, catalogue, segs);
  for (size_t i = 0; read.ok() && i < read->size(); ++i) kinds.push_back((*read)[i].kind);
  return std::make_tuple(kinds, c.EditName, c.SongIndex, c.PlayStyle, c.Difficulty, c.KrunTitle, c.KrunWidth,
                         c.KrunHeight, c.KrunComment, c.FreezeData == FreezeTable{}, segs[1].FirstMeasure,
                         c.StepData[1][0]);
}

TEST(CardRead, ReadsOverTheOpenChartAndStopsAtAnUnknownSongOrABadStyle) {
  const Catalogue catalogue = LoadSongList(testing::dataDir() / "kruid.dat").value().catalogue;
  Chart written;  // song code 26, which has a meter file
  std::tie(written.PlayStyle, written.Difficulty, written.SongIndex, written.EditName) =
      std::make_tuple(PlayStyle::Couple, 0x23, 3, "NEW");
  written.StepData[1][0] = 0x11;
  const std::string card = WriteCardSave(written, catalogue).value();

  using Kinds = std::vector<NoticeKind>;
  EXPECT_EQ(readOverOpenChart(card, catalogue),
            std::make_tuple(Kinds{}, "NEW     ", 3, PlayStyle::Couple, 0x23, "Lanterns", 3, 4, "kept", true, 17, 0x11));
  // An unknown song takes only the name and erases the freeze table; a bad style also takes the
  // song and its meters; neither takes the steps.
  std::string unknownSong = card, badStyle = card;
  std::tie(unknownSong[708], badStyle[710]) = std::tuple(99, 3);
  EXPECT_EQ(readOverOpenChart(unknownSong, catalogue),
            std::make_tuple(Kinds{NoticeKind::CardUnknownSong}, "NEW     ", 0, PlayStyle::Double, 0x35, "Lanterns", 3,
                            4, "kept", true, 123, 0));
  EXPECT_EQ(readOverOpenChart(badStyle, catalogue),
            std::make_tuple(Kinds{NoticeKind::CardBadPlayStyle}, "NEW     ", 3, PlayStyle::Double, 0x35, "Lanterns", 3,
                            4, "kept", true, 17, 0));

  // A file too short for the header is refused before anything changes.
  Chart untouched;
  untouched.EditName = "OLD";
  MeterSegs segs{};
  EXPECT_FALSE(ReadCardSave(card.substr(0, 783), untouched, catalogue, segs).ok());
  EXPECT_EQ(untouched.EditName, "OLD");
}

TEST(CardWrite, RefusesWhatItCannotStoreAndNeverSplitsACharacter) {
  const Catalogue catalogue = testing::oneSongCatalogue(3, 26);
  Chart chart;
  for (int16_t index : {-1, 1, 501}) {  // no song, the end record, past the table
    chart.SongIndex = index;
    EXPECT_FALSE(WriteCardSave(chart, catalogue).ok()) << index;
  }
  std::tie(chart.SongIndex, chart.PlayStyle) = std::tuple(0, static_cast<PlayStyle>(3));
  EXPECT_FALSE(WriteCardSave(chart, catalogue).ok());

  // Four arrows on the beat of a single chart would be stored as a triplet marker: refused,
  // naming the beat. Off the beat the same byte is four arrows, and is written.
  chart.PlayStyle = PlayStyle::Single;
  chart.StepData[2][5] = 15;
  EXPECT_TRUE(WriteCardSave(chart, catalogue).ok());
  chart.StepData[2][4] = 15;
  const auto refused = WriteCardSave(chart, catalogue);
  ASSERT_FALSE(refused.ok());
  EXPECT_EQ(refused.error().text, chartText(ChartText::CardArrowsLikeMarker, {"2", "2"}));

  // The name field is cut to 8 bytes and never ends in half a double-byte character.
  EXPECT_EQ(cardEditNameBytes("ABCDEFGHIJ"), "ABCDEFGH");
  EXPECT_EQ(cardEditNameBytes("ABCDEFGあ"), "ABCDEFG ");
  EXPECT_EQ(cardEditNameBytes("Aあいうえ"), "A\x82\xA0\x82\xA2\x82\xA4 ");
  // Whatever the name, the save title is 32 double-byte characters.
  for (std::string_view name : {"", "ｱｲｳｴｵｶｷｸ", "あいうえ", "\x01\x7f"}) {
    const std::string title = cardSaveTitle(cardTitleLabel(7), cardEditNameBytes(name));
    ASSERT_EQ(title.size(), 64u) << name;
    for (size_t i = 0; i < title.size(); i += 2) {
      const auto lead = static_cast<unsigned char>(title[i]);
      EXPECT_TRUE((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC)) << name << " at " << i;
    }
  }
}

}  // namespace
}  // namespace tarveno

#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <string>
#include <tuple>

#include "core/chart/simfile.h"
#include "support/test_catalogue.h"

namespace tarveno {
namespace {

// Songs shorter and longer than the freeze table, one as long as the step table.
Catalogue roundTripSongs() {
  Catalogue c;
  c.SongList[0] = {"Harbor Lights", 3, 150, 12, 1, 1, 0};
  c.SongList[1] = {"Paper Kite: Part #2", 9, -1, 230, 1, 1, 0};
  c.SongList[2] = {"Long Road", 27, 96, kStepMeasures, 1, 1, 0};
  return c;
}

// One pad: nothing, one arrow or a jump, never all four panels.
uint8_t padArrows(std::mt19937& rng) {
  static constexpr uint8_t kPad[] = {0, 0, 1, 2, 4, 8, 3, 5, 6, 9, 10, 12};
  return kPad[rng() % std::size(kPad)];
}

// Steps the editor can place: beats empty, plain, sixteenth-level or triplets (first note or
// not), never in measure 0, never more than two arrows at once for the one player of a double.
void randomSteps(Chart& chart, int measures, std::mt19937& rng) {
  const auto arrows = [&] {
    const auto first = padArrows(rng);
    const auto both = static_cast<uint8_t>(first | (hasSecondPad(chart.PlayStyle) ? padArrows(rng) : 0) << 4);
    return chart.PlayStyle == PlayStyle::Double && std::popcount(both) > 2 ? first : both;
  };
  for (size_t m = 1; m < static_cast<size_t>(measures); ++m) {
    for (size_t on = 0; on < 16; on += 4) {
      const unsigned kind = rng() % 6;
      auto& bytes = chart.StepData[m];
      if (kind == 1) bytes[on] = arrows();
      for (size_t k = 0; k < 4 && kind == 2; ++k) bytes[on + k] = rng() % 2 ? arrows() : 0;
      if (kind == 3) {
        bytes[on] = kTripletMark;
        for (size_t k = rng() % 2 + 1; k < 4; ++k) bytes[on + k] = arrows();
      }
    }
  }
}

// Freeze arrows from some of the arrows, each run ending at the song's end, at the freeze
// table's end, or at least one slot before the next arrow of its panel.
void randomFreezes(Chart& chart, int measures, std::mt19937& rng) {
  const int end = 16 * std::min(measures, kFreezeMeasures);
  const auto arrowAt = [&](int g, int panel) {
    const uint8_t b = chart.StepData[static_cast<size_t>(g / 16)][static_cast<size_t>(g % 16)];
    return g % 4 != 0 || b != kTripletMark ? (b >> panel) & 1 : 0;
  };
  for (int g = 0; g < end; ++g) {
    for (int panel = 0; panel < 8; ++panel) {
      if (!arrowAt(g, panel) || arrowAt(g + 1, panel) || rng() % 3 != 0) continue;
      int last = g;
      for (int length = static_cast<int>(rng() % 40); length > 0 && last + 1 < end; --length) {
        if (last + 2 < end && arrowAt(last + 2, panel)) break;
        if (arrowAt(last + 1, panel)) break;
        ++last;
      }
      for (int i = g; i <= last; ++i)
        chart.FreezeData[static_cast<size_t>(i / 16)][static_cast<size_t>(i % 16)] |= 1 << panel;
    }
  }
}

Chart randomChart(PlayStyle style, int16_t song, const Catalogue& catalogue, std::mt19937& rng) {
  Chart chart;
  chart.PlayStyle = style;
  chart.SongIndex = song;
  chart.Difficulty = static_cast<uint8_t>((rng() % 4) << 4 | rng() % 16);
  chart.EditName = std::string("A:;#//\\Z").substr(rng() % 3, rng() % 6);
  if (chart.EditName.ends_with(' ')) chart.EditName.pop_back();
  const int measures = catalogue.measures(song);
  randomSteps(chart, measures, rng);
  recalcAllBeatTypes(chart, catalogue);  // one-note triplets become plain before heads are chosen
  randomFreezes(chart, measures, rng);
  recalcAllBeatTypes(chart, catalogue);  // as the editor holds it
  return chart;
}

// Chart -> .sm -> chart gives the chart back, header and song included, and nothing is reported.
TEST(SimfileRoundTrip, EveryFieldTheMappingCarriesComesBack) {
  const Catalogue catalogue = roundTripSongs();
  std::mt19937 rng(20240517);
  for (const PlayStyle style : testing::kPlayStyles) {
    for (int16_t song = 0; song < 3; ++song) {
      for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(::testing::Message()
                     << "style " << static_cast<int>(style) << " song " << song << " round " << round);
        const Chart chart = randomChart(style, song, catalogue, rng);
        const auto written = WriteSimfile(chart, catalogue, std::nullopt);
        ASSERT_TRUE(written.ok());
        EXPECT_EQ(written->report.lines().size(), song == 1 ? 1u : 0u)
            << ::testing::PrintToString(written->report.lines());

        const auto file = readSimfile(written->bytes);
        ASSERT_TRUE(file.ok()) << file.error().message;
        Chart back;
        std::tie(back.PlayStyle, back.Difficulty, back.SongIndex, back.EditName) =
            std::tuple(PlayStyle::Double, uint8_t{0xFF}, static_cast<int16_t>(2 - song), std::string("OLD"));
        const auto read = importSimfileChart(*file, 0, {}, catalogue, back);
        ASSERT_TRUE(read.ok()) << read.error().message;
        EXPECT_FALSE(read->changedAnything()) << ::testing::PrintToString(read->lines());
        EXPECT_EQ(testing::header(back), testing::header(chart));
        for (size_t m = 0; m < kStepMeasures; ++m) {
          ASSERT_EQ(std::tie(back.StepData[m], back.BeatType[m]), std::tie(chart.StepData[m], chart.BeatType[m]))
              << "measure " << m;
        }
        for (size_t m = 0; m < kFreezeMeasures; ++m) ASSERT_EQ(back.FreezeData[m], chart.FreezeData[m]) << m;
      }
    }
  }
}

}  // namespace
}  // namespace tarveno

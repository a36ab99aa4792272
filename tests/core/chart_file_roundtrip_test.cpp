#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>

#include "core/chart/card.h"
#include "core/chart/krun.h"
#include "support/test_catalogue.h"

namespace tarveno {
namespace {

// Both pads: none, one arrow or a jump each. Never all four panels of a pad, so that no byte
// poses as a triplet marker (a single-style card stores the pad twice, and 15 * 17 is 255).
uint8_t arrows(std::mt19937& rng) {
  static constexpr uint8_t kPad[] = {0, 0, 0, 1, 2, 4, 8, 3, 5, 6, 9, 10, 12};
  return static_cast<uint8_t>(kPad[rng() % std::size(kPad)] | kPad[rng() % std::size(kPad)] << 4);
}

// Every beat of the first `measures` measures empty, plain, sixteenth-level or a triplet (with
// or without its first note), second pad included whatever the style; freeze bits only where a
// card has room for them: within the freeze table and the rows the step block leaves after the song.
Chart randomChart(PlayStyle style, int measures, bool freeze, std::mt19937& rng) {
  Chart chart;
  chart.PlayStyle = style;
  for (size_t m = 0; m < static_cast<size_t>(measures); ++m) {
    auto& bytes = chart.StepData[m];
    for (size_t on = 0; on < 16; on += 4) {
      const unsigned kind = rng() % 5;
      if (kind == 1) bytes[on] = arrows(rng);
      for (size_t k = 0; k < 4 && kind == 2; ++k) bytes[on + k] = rng() % 2 ? arrows(rng) : 0;
      if (kind >= 3) {
        bytes[on] = kTripletMark;
        for (size_t k = 1; k < 4; ++k) bytes[on + k] = arrows(rng);
        if (rng() % 2) bytes[on + 1] = 0;
      }
    }
    if (freeze && m < kFreezeMeasures && measures + 1 + m < kStepMeasures && rng() % 4 == 0) {
      chart.FreezeData[m][rng() % 16] = static_cast<uint8_t>(arrows(rng) | 1);
    }
  }
  return chart;
}

// What the files keep of a chart: a single chart only its first pad, triplet markers kept.
Chart firstPadIfSingle(Chart chart) {
  for (auto& bytes : chart.StepData) {
    for (size_t s = 0; s < bytes.size() && chart.PlayStyle == PlayStyle::Single; ++s) {
      if (s % 4 != 0 || bytes[s] != kTripletMark) bytes[s] &= 0x0F;
    }
  }
  for (auto& bytes : chart.FreezeData)
    for (auto& b : bytes) b &= stylePanels(chart.PlayStyle);
  return chart;
}

TEST(ChartFileRoundTrip, KrunKeepsEveryArrowOfTheStyle) {
  const Catalogue catalogue = testing::oneSongCatalogue(kStepMeasures);
  constexpr Date kDate{2004, 2, 29};
  for (const PlayStyle style : testing::kPlayStyles) {
    for (unsigned seed = 1; seed <= 4; ++seed) {
      SCOPED_TRACE("style " + std::to_string(static_cast<int>(style)) + " seed " + std::to_string(seed));
      std::mt19937 rng(10 * static_cast<unsigned>(style) + seed);
      Chart chart = randomChart(style, kStepMeasures, false, rng);
      recalcAllBeatTypes(chart, catalogue);  // as the editor holds it
      Chart expected = firstPadIfSingle(chart);
      recalcAllBeatTypes(expected, catalogue);

      const std::string text = WriteKrunChart(chart, catalogue, kDate);
      Chart back;
      ReadKrunChart(text, back);
      recalcAllBeatTypes(back, catalogue);  // as opening does
      EXPECT_EQ(back.PlayStyle, style);
      for (size_t m = 0; m < kStepMeasures; ++m) {
        ASSERT_EQ(back.StepData[m], expected.StepData[m]) << "measure " << m;
        ASSERT_EQ(back.BeatType[m], expected.BeatType[m]) << "measure " << m;
      }
      EXPECT_EQ(WriteKrunChart(back, catalogue, kDate), text);
    }
  }
}

TEST(ChartFileRoundTrip, CardKeepsHeaderStepsAndFreeze) {
  // Songs of one measure, around the freeze table's end (201) and long enough for the freeze
  // rows to run past the step block.
  const int16_t lengths[] = {1, 37, 201, 269};
  Catalogue catalogue;
  for (size_t i = 0; i < std::size(lengths); ++i) {
    catalogue.SongList[i] = SongRecord{"Lantern Walk", static_cast<int16_t>(12 + 111 * i), 120, lengths[i], 1, 1, 0};
  }
  std::mt19937 rng(20240611);
  for (const PlayStyle style : testing::kPlayStyles) {
    for (int16_t song = 0; song < static_cast<int16_t>(std::size(lengths)); ++song) {
      for (bool freeze : {false, true}) {
        SCOPED_TRACE("style " + std::to_string(static_cast<int>(style)) + " song " + std::to_string(song));
        Chart chart = randomChart(style, lengths[song], freeze, rng);
        chart.SongIndex = song;
        chart.Difficulty = static_cast<uint8_t>(rng() & 0xFF);
        chart.EditName = std::string("KITE 07").substr(0, rng() % 8);
        const std::string file = WriteCardSave(chart, catalogue).value();

        Chart back;
        back.SongIndex = 3 - song;
        MeterSegs segs{};
        ASSERT_TRUE(ReadCardSave(file, back, catalogue, segs).value().empty());
        const Chart expected = firstPadIfSingle(chart);
        EXPECT_EQ(std::tie(back.SongIndex, back.PlayStyle, back.Difficulty, back.HasFreeze),
                  std::make_tuple(song, style, chart.Difficulty, chart.FreezeData == FreezeTable{} ? 0 : 1));
        EXPECT_EQ(back.EditName, (chart.EditName + "        ").substr(0, 8));
        for (size_t m = 0; m < kStepMeasures; ++m) ASSERT_EQ(back.StepData[m], expected.StepData[m]) << m;
        for (size_t m = 0; m < kFreezeMeasures; ++m) ASSERT_EQ(back.FreezeData[m], expected.FreezeData[m]) << m;
        EXPECT_EQ(WriteCardSave(back, catalogue).value(), file);
      }
    }
  }
}

}  // namespace
}  // namespace tarveno

#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "core/chart/card.h"

namespace tarveno {
namespace {

Catalogue lengths() {
  Catalogue c;
  const int16_t measures[] = {1, 37, 120, 201, 235, 269};
  const int16_t codes[] = {12, 140, 220, 297, 350, 431};
  for (size_t i = 0; i < std::size(measures); ++i) {
    c.SongList[i] = SongRecord{"Song " + std::to_string(i), codes[i], 120, measures[i], 1, 1, 0};
  }
  return c;
}

// A chart the card format can hold: arrows only within the song, freeze only within the song,
// within the freeze table and within the rows the block has left for it.
Chart randomChart(std::mt19937& rng, uint8_t style, int16_t songIndex, int measures, bool withFreeze) {
  Chart chart;
  chart.PlayStyle = style;
  chart.SongIndex = songIndex;
  chart.Difficulty = static_cast<uint8_t>(rng() & 0xFF);
  const char letters[] = "ABCXYZ09-_ ";
  const size_t nameLength = rng() % 9;
  for (size_t i = 0; i < nameLength; ++i) chart.EditName.push_back(letters[rng() % (sizeof letters - 1)]);
  const uint8_t mask = style == 0 ? 0x0F : 0xFF;
  for (int m = 0; m < measures; ++m) {
    for (int b = 0; b < 4; ++b) {
      auto& bytes = chart.StepData[static_cast<size_t>(m)];
      const bool triplet = rng() % 5 == 0;
      for (int k = 0; k < 4; ++k) {
        uint8_t v = rng() % 3 == 0 ? static_cast<uint8_t>(rng() & mask) : 0;
        // In the single style a full pad on the beat would be written as a marker.
        if (style == 0 && k == 0 && v == 0x0F) v = 0x05;
        bytes[static_cast<size_t>(4 * b + k)] = v;
      }
      if (triplet) bytes[static_cast<size_t>(4 * b)] = kTripletMark;
    }
    if (withFreeze && m < kFreezeMeasures && measures + 1 + m < kStepMeasures && rng() % 4 == 0) {
      chart.FreezeData[static_cast<size_t>(m)][rng() % 16] = static_cast<uint8_t>((rng() & mask) | 1);
    }
  }
  return chart;
}

TEST(CardRoundTrip, RandomChartsOfEveryStyleComeBackExactly) {
  std::mt19937 rng(20240611);
  const Catalogue catalogue = lengths();
  for (uint8_t style = 0; style <= 2; ++style) {
    for (int16_t song = 0; song < 6; ++song) {
      for (bool withFreeze : {false, true}) {
        const int measures = catalogue.SongList[static_cast<size_t>(song)].Measures;
        const Chart original = randomChart(rng, style, song, measures, withFreeze);
        auto file = WriteCardSave(original, catalogue);
        ASSERT_TRUE(file.ok());
        ASSERT_EQ(file->size(), kCardFileSize);

        Chart back;
        back.SongIndex = 5;
        MeterSegs segs{};
        auto read = ReadCardSave(*file, back, catalogue, segs);
        ASSERT_TRUE(read.ok());
        EXPECT_TRUE(read->empty());
        SCOPED_TRACE("style " + std::to_string(style) + " song " + std::to_string(song));
        EXPECT_EQ(std::tie(back.SongIndex, back.PlayStyle, back.Difficulty),
                  std::tie(original.SongIndex, original.PlayStyle, original.Difficulty));
        EXPECT_EQ(back.EditName, (original.EditName + "        ").substr(0, 8));
        EXPECT_EQ(back.HasFreeze, original.FreezeData == FreezeTable{} ? 0 : 1);
        EXPECT_TRUE(back.StepData == original.StepData);
        EXPECT_TRUE(back.FreezeData == original.FreezeData);

        // Reading and writing again gives the same bytes.
        EXPECT_TRUE(WriteCardSave(back, catalogue).value() == *file);
      }
    }
  }
}

}  // namespace
}  // namespace tarveno

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/chart/chart.h"
#include "core/chart/krun.h"

namespace tarveno {
namespace {

constexpr Date kDate{2004, 2, 29};

Catalogue songOf(int measures) {
  Catalogue catalogue;
  catalogue.SongList[0].Title = "Round Trip Tune";
  catalogue.SongList[0].Code = 1;
  catalogue.SongList[0].Measures = static_cast<int16_t>(measures);
  return catalogue;
}

// One pad's panels at one position: empty, a single arrow or a jump, so that a byte never
// reaches 255 and poses as a triplet marker.
uint8_t padArrows(std::mt19937& rng) {
  static constexpr uint8_t kChoices[] = {0, 0, 0, 1, 2, 4, 8, 3, 5, 6, 9, 10, 12};
  return kChoices[rng() % std::size(kChoices)];
}

uint8_t slotArrows(std::mt19937& rng) {
  const uint8_t low = padArrows(rng);
  return static_cast<uint8_t>(low | padArrows(rng) << 4);
}

// Every beat is empty, plain, sixteenth-level or triplet (with or without a first note).
// The single style also gets stray high-nibble arrows, which the format cannot carry.
Chart randomChart(uint8_t style, int measures, std::mt19937& rng) {
  Chart chart;
  chart.PlayStyle = style;
  for (int m = 0; m < measures; ++m) {
    auto& bytes = chart.StepData[static_cast<size_t>(m)];
    for (size_t b = 0; b < 4; ++b) {
      const size_t on = 4 * b;
      switch (rng() % 5) {
        case 0:
          break;
        case 1:
          bytes[on] = slotArrows(rng);
          break;
        case 2:
          for (size_t k = 0; k < 4; ++k) bytes[on + k] = rng() % 2 ? slotArrows(rng) : 0;
          break;
        case 3:
        case 4:
          bytes[on] = kTripletMark;
          for (size_t k = 1; k < 4; ++k) bytes[on + k] = slotArrows(rng);
          if (rng() % 2) bytes[on + 1] = 0;
          break;
      }
    }
  }
  return chart;
}

// What a chart should read back as: the same after the opening recompute, except that the
// single style keeps only the first pad.
Chart expectedAfterReading(Chart chart, const Catalogue& catalogue) {
  if (chart.PlayStyle == 0) {
    for (auto& bytes : chart.StepData) {
      for (size_t s = 0; s < bytes.size(); ++s) {
        if (s % 4 == 0 && bytes[s] == kTripletMark) continue;
        bytes[s] &= 0x0F;
      }
    }
  }
  RecalcAllBeatTypes(chart, catalogue);
  return chart;
}

void expectRoundTrip(uint8_t style, int measures, unsigned seed) {
  std::mt19937 rng(seed);
  const Catalogue catalogue = songOf(measures);
  Chart chart = randomChart(style, measures, rng);
  RecalcAllBeatTypes(chart, catalogue);
  const Chart expected = expectedAfterReading(chart, catalogue);

  const std::string text = WriteKrunChart(chart, catalogue, kDate);
  Chart back;
  ReadKrunChart(text, back);
  RecalcAllBeatTypes(back, catalogue);
  EXPECT_EQ(back.PlayStyle, style);
  for (int m = 0; m < kStepMeasures; ++m) {
    const auto i = static_cast<size_t>(m);
    ASSERT_EQ(back.StepData[i], expected.StepData[i]) << "style " << int{style} << " seed " << seed << " measure " << m;
    ASSERT_EQ(back.BeatType[i], expected.BeatType[i]) << "style " << int{style} << " seed " << seed << " measure " << m;
  }
  // What was read back writes the very same file.
  EXPECT_EQ(WriteKrunChart(back, catalogue, kDate), text);
}

TEST(KrunRoundTrip, RandomChartsOfEveryStyle) {
  // The single style keeps only the first pad; couple and double charts come back exactly.
  for (uint8_t style = 0; style <= 2; ++style) {
    for (unsigned seed = 1; seed <= 4; ++seed) expectRoundTrip(style, kStepMeasures, 10 * style + seed);
  }
}

TEST(KrunRoundTrip, FirstTripletNoteOnAllEightPanelsSurvives) {
  // On the beat the two pads together make 255, which must not be taken for a triplet marker:
  // the second pad's row has to turn the beat into a triplet beat before it adds its own
  // on-beat value.
  Chart chart;
  chart.PlayStyle = 2;
  chart.StepData[0] = {255, 0xFF, 0x10, 0x20};
  const std::string text = WriteKrunChart(chart, songOf(1), kDate);
  EXPECT_EQ(text.substr(text.find("#001:")), "#001:F000\r\n$001:F01020000000000000000000\r\n");
  Chart back;
  ReadKrunChart(text, back);
  EXPECT_EQ(back.StepData[0], chart.StepData[0]);
}

TEST(KrunRoundTrip, HeaderComesBackWithoutTheFootLevel) {
  Chart chart;
  chart.KrunTitle = "譜面テスト ～夜明け～";
  chart.KrunWidth = 640;
  chart.KrunHeight = -480;
  chart.KrunComment = "コメント 1";
  chart.PlayStyle = 2;
  chart.Difficulty = 0x25;
  Chart back;
  ReadKrunChart(WriteKrunChart(chart, songOf(1), kDate), back);
  EXPECT_EQ(back.KrunTitle, chart.KrunTitle);
  EXPECT_EQ(back.KrunWidth, 640);
  EXPECT_EQ(back.KrunHeight, -480);
  EXPECT_EQ(back.KrunComment, chart.KrunComment);
  EXPECT_EQ(back.PlayStyle, 2);
  EXPECT_EQ(back.Difficulty, 0x20);
}

}  // namespace
}  // namespace tarveno

#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "core/chart/document_state.h"

namespace tarveno {
namespace {

std::string randomText(std::mt19937& random) {
  std::string text(random() % 40, '\0');
  for (char& c : text) c = static_cast<char>(random());  // any bytes: the copy must not care
  return text;
}

// A document as no editor would make it: every byte of every table and field drawn at random
// within what the program can hold.
Document randomDocument(std::mt19937& random) {
  Document d;
  Chart& c = d.chart;
  auto fill = [&](auto& table, unsigned values) {
    for (auto& row : table)
      for (auto& cell : row) cell = static_cast<uint8_t>(random() % values);
  };
  fill(c.StepData, 256);
  fill(c.FreezeData, 256);
  fill(c.BeatType, 3);
  c.PlayStyle = static_cast<PlayStyle>(random() % 3);
  c.Difficulty = static_cast<uint8_t>(random());
  c.SongIndex = static_cast<int16_t>(random());
  c.EditName = randomText(random);
  c.KrunTitle = randomText(random);
  c.KrunWidth = static_cast<int16_t>(random());
  c.KrunHeight = static_cast<int16_t>(random());
  c.KrunComment = randomText(random);
  c.HasFreeze = static_cast<uint8_t>(random());
  for (MeterSeg& seg : d.meterSegs) seg = {static_cast<int16_t>(random()), static_cast<uint8_t>(random())};
  const unsigned kind = random() % 4;
  if (kind > 0) d.origin.kind = static_cast<ChartFileKind>(kind - 1);
  d.origin.simfileChart = static_cast<int>(random() % 9) - 1;
  d.origin.path = randomText(random);
  return d;
}

TEST(DocumentState, EveryFieldComesBackAndADamagedCopyIsRefused) {
  std::mt19937 random(20261207);
  for (int round = 0; round < 40; ++round) {
    const Document d = randomDocument(random);
    const std::string bytes = encodeDocumentState(d);
    const auto back = decodeDocumentState(bytes);
    ASSERT_TRUE(back.ok()) << back.error().message;
    EXPECT_EQ(back->chart, d.chart);
    EXPECT_EQ(back->meterSegs, d.meterSegs);
    EXPECT_EQ(back->origin, d.origin);
    EXPECT_TRUE(back->Modified) << "what came back is in no file";

    // Cut anywhere, or one bit changed anywhere: refused, never half a chart.
    const size_t at = random() % bytes.size();
    EXPECT_FALSE(decodeDocumentState(bytes.substr(0, at)).ok()) << "cut at " << at;
    std::string flipped = bytes;
    flipped[at] = static_cast<char>(flipped[at] ^ (1 << (random() % 8)));
    EXPECT_FALSE(decodeDocumentState(flipped).ok()) << "bit changed at " << at;
  }
}

}  // namespace
}  // namespace tarveno

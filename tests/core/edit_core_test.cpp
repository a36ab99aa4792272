#include <gtest/gtest.h>

#include <random>

#include "core/edit/clipboard.h"
#include "core/edit/edit_words.h"
#include "core/edit/measures.h"
#include "core/edit/transforms.h"

namespace tarveno {

TEST(EditClipboard, PastedBeatsShiftAcrossMeasuresAndAreRecomputed) {
  Chart chart;
  chart.StepData[1] = {1, 0, 0, 0, 2, 0, 4, 0, kTripletMark, 1, 2, 0, kTripletMark, 4};
  chart.FreezeData[1][5] = 8;
  Clipboard clip;
  copyBeats(chart, 4, 8, clip);
  pasteBeats(chart, 22, clip);  // from the third beat of measure 5 on
  EXPECT_EQ(chart.StepData[5], (MeasureBytes{0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 2, 0, 4, 0}));
  // The second triplet beat had one note and became a plain beat.
  EXPECT_EQ(std::tuple(chart.StepData[6], chart.BeatType[6][0]), std::tuple(MeasureBytes{kTripletMark, 1, 2, 0, 4}, 2));
  EXPECT_EQ(std::tuple(chart.FreezeData[5][13], chart.BeatType[5]), std::tuple(8, BeatTable::value_type{0, 0, 0, 1}));
  cutBeats(chart, 22, 26, clip);  // the same beats, taken out again
  EXPECT_EQ(std::tuple(chart.StepData[6], chart.BeatType[6][0]), std::tuple(MeasureBytes{}, 0));
  pasteBeats(chart, 4 * 200 + 2, clip);  // freeze bits end with measure 200
  EXPECT_EQ(std::tuple(chart.FreezeData[200][13], chart.StepData[201][0]), std::tuple(8, kTripletMark));
  pasteBeats(chart, 4 * 470 + 3, clip);  // only the first beat fits
  EXPECT_EQ(chart.StepData[470][12], 1);
}

// The editor shows one row past the step table, so a selection may end beyond beat 1883; copy and
// cut take the beats the table holds. Across beat 803 the freeze table ends and the steps go on.
TEST(EditClipboard, CopyAndCutTakeThePartOfTheSelectionThatTheTablesHold) {
  Chart original;
  original.StepData[470] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
  original.StepData[201].fill(0x22);
  original.FreezeData[200].fill(0x44);
  for (int selEnd : {1884, 1885, 1886, 9999}) {
    Chart chart = original;
    Clipboard copied, cut;
    copyBeats(chart, 1880, selEnd, copied);
    cutBeats(chart, 1880, selEnd, cut);
    EXPECT_EQ(std::tuple(copied.ClipBeats, copied.ClipSteps[0], cut.ClipBeats, chart.StepData[470]),
              std::tuple(4, original.StepData[470], 4, MeasureBytes{}))
        << selEnd;
  }
  Chart chart = original;
  Clipboard clip;
  cutBeats(chart, 1884, 1885, clip);  // only the row past the table
  EXPECT_EQ(std::pair(clip.ClipBeats, chart == original), std::pair(0, true));

  clip.ClipFreeze[1].fill(0x99);  // stale bytes the copy must replace
  cutBeats(chart, 800, 808, clip);
  EXPECT_EQ(std::tuple(clip.ClipBeats, clip.ClipFreeze[0], clip.ClipFreeze[1], clip.ClipSteps[1]),
            std::tuple(8, original.FreezeData[200], MeasureBytes{}, original.StepData[201]));
  EXPECT_EQ(std::pair(chart.FreezeData[200], chart.StepData[201]), std::pair(MeasureBytes{}, MeasureBytes{}));
}

// Player 1 left and player 2 down (0x21) in both tables, turned by each Transform in order;
// in double play the two mirrors across the eight-panel row also swap the pads.
TEST(EditTransforms, WorkedBytesAndAlgebraOverRandomCharts) {
  const uint8_t want[2][5] = {{0x48, 0x28, 0x41, 0x82, 0x14}, {0x84, 0x82, 0x41}};
  std::mt19937 rng(7);
  for (const PlayStyle style : {PlayStyle::Couple, PlayStyle::Double}) {
    Chart original;
    original.PlayStyle = style;
    for (auto& row : original.StepData) std::generate(row.begin(), row.end(), rng);
    for (auto& row : original.FreezeData) std::generate(row.begin(), row.end(), rng);
    for (int t = 0; t < 5 && transformAllowed(Transform(t), style); ++t) {
      Chart chart = original;
      chart.StepData[3][6] = chart.FreezeData[3][6] = 0x21;
      transformBeats(chart, 13, 14, Transform(t));
      const uint8_t w = want[static_cast<size_t>(style) - 1][t];
      EXPECT_EQ(std::tuple(chart.StepData[3][6], chart.FreezeData[3][6], chart.StepData[4] == original.StepData[4]),
                std::tuple(w, w, true))
          << t;
    }
    const auto apply = [&](std::initializer_list<Transform> steps) {
      Chart c = original;
      for (Transform t : steps) transformBeats(c, 5, 1884, t);
      return std::pair{c.StepData, c.FreezeData};
    };
    using enum Transform;
    for (Transform t : {Mirror, MirrorH, MirrorV}) EXPECT_EQ(apply({t, t}), apply({}));
    EXPECT_EQ(apply({MirrorH, MirrorV}), apply({Mirror}));
    if (style == PlayStyle::Double) continue;
    EXPECT_EQ(apply({TurnLeft, TurnLeft, TurnLeft, TurnLeft}), apply({}));
    EXPECT_EQ(apply({TurnLeft, TurnRight}), apply({}));
  }
}

// Row r of a full table holds its own number (and, up to row 200, freeze bits) in beat r mod 4.
// After the edit, row r must hold the original row rows[r], or nothing when that is -1.
static void expectRows(const char* word, const std::vector<int>& rows) {
  Chart original, empty, got;
  for (int r = 0; r < kStepMeasures; ++r) {
    original.StepData[r][4 * (r % 4) + 1] = uint8_t(r % 256);
    original.StepData[r][4 * (r % 4) + 2] = uint8_t(r / 256 + 1);
    if (r < kFreezeMeasures) original.FreezeData[r][4 * (r % 4) + 3] = uint8_t(r + 1);
    RecalcBeatType(original, r % 4, r);
  }
  Clipboard clip;
  ASSERT_TRUE(applyEditOperation(got = original, clip, *parseEditOperation(word)).ok());
  for (int r = 0; r < kStepMeasures; ++r) {
    const Chart& from = rows[r] < 0 ? empty : original;
    const int s = std::max(rows[r], 0);
    const MeasureBytes noFreeze{};
    const MeasureBytes& wantFreeze = s <= 200 ? from.FreezeData[s] : noFreeze;
    const MeasureBytes& gotFreeze = r <= 200 ? got.FreezeData[r] : wantFreeze;  // no freeze storage above 200
    ASSERT_EQ(std::tie(got.StepData[r], got.BeatType[r], gotFreeze),
              std::tie(from.StepData[s], from.BeatType[s], wantFreeze))
        << word << " row " << r;
  }
}

TEST(EditMeasures, NothingInTheMiddleIsLostAndNothingRepeats) {
  std::vector<int> inserted(kStepMeasures);
  for (int r = 0; r < kStepMeasures; ++r) inserted[r] = r;
  std::vector<int> closed = inserted, open = inserted;
  inserted.insert(inserted.begin() + 198, 5, -1);  // freeze bits move up to row 200 and drop beyond
  inserted.resize(kStepMeasures);
  expectRows("insert=199:5", inserted);
  closed.erase(closed.begin() + 149, closed.begin() + 250);  // rows above 200 come down without freeze bits
  closed.resize(kStepMeasures, -1);
  expectRows("delete-close=150:250", closed);
  std::fill(open.begin() + 2, open.begin() + 4, -1);
  expectRows("delete=3:4", open);
}

TEST(EditOperation, MalformedAndRefusedWords) {
  // clang-format off
  const std::vector<std::string> refused = {"turn-left=1:2", "paste=0", "insert=0:1", "insert=3:0", "insert=1:471", "insert=-3:4",
      "delete=4:3", "delete-close=1:472", "insert=4294967301:1", "delete=99999999999999999999:1"};
  const std::vector<std::string> malformed = {"paste=1884", "paste=-1", "paste=1:2", "copy=4:4", "copy=-1:3",
      "cut=0:1885", "copy=1", "copy=1:2:3", "copy=+1:2", "copy=1.0:2", "copy= 1:2", "insert=5", "mirrorh=1:2", ""};
  using enum Transform;
  const std::pair<const char*, Transform> names[] = {{"mirror=4:9", Mirror}, {"mirror-h=4:9", MirrorH},
      {"mirror-v=4:9", MirrorV}, {"turn-left=4:9", TurnLeft}, {"turn-right=4:9", TurnRight}};
  // clang-format on
  Chart original;
  original.PlayStyle = PlayStyle::Double;  // no quarter turns
  original.StepData[1].fill(0x13);
  for (const std::string& word : refused) {
    Chart chart = original;
    Clipboard clip;
    const Status status = applyEditOperation(chart, clip, parseEditOperation(word).value());
    EXPECT_EQ(std::pair(status.ok(), chart.StepData == original.StepData), std::pair(false, true)) << word;
  }
  for (const std::string& word : malformed) EXPECT_FALSE(parseEditOperation(word)) << word;
  for (auto [word, t] : names) EXPECT_EQ(parseEditOperation(word), (EditOperation{EditVerb::Transform, t, 4, 9}));
}

}  // namespace tarveno

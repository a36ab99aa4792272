#include <gtest/gtest.h>

#include <random>

#include "core/edit/transforms.h"

namespace tarveno {
namespace {

constexpr Transform kAll[] = {Transform::Mirror, Transform::MirrorH, Transform::MirrorV, Transform::TurnLeft,
                              Transform::TurnRight};

// Player 1 left (0x01) and player 2 down (0x20), in both tables, turned by each command.
TEST(EditTransforms, PanelsAndFreezeBitsMoveAsThePadTurns) {
  const uint8_t inPlace[] = {0x48, 0x28, 0x41, 0x82, 0x14};
  const uint8_t doublePlay[] = {0x84, 0x82, 0x41, 0x82, 0x14};  // the mirrors also swap the pads
  for (uint8_t style : {0, 1, 2}) {
    for (size_t t = 0; t < 5; ++t) {
      if (!transformAllowed(kAll[t], style)) continue;
      Chart chart;
      chart.PlayStyle = style;
      chart.StepData[3][6] = chart.FreezeData[3][6] = 0x21;
      chart.StepData[3][8] = chart.FreezeData[3][8] = 0x21;  // outside the selection
      TransformBeats(chart, 13, 14, kAll[t]);
      const uint8_t want = style == 2 ? doublePlay[t] : inPlace[t];
      EXPECT_EQ(chart.StepData[3][6], want) << int(style) << " " << t;
      EXPECT_EQ(chart.FreezeData[3][6], want) << int(style) << " " << t;
      EXPECT_EQ(chart.StepData[3][8], 0x21);
    }
  }
  EXPECT_FALSE(transformAllowed(Transform::TurnLeft, 2));
  EXPECT_FALSE(transformAllowed(Transform::TurnRight, 2));
}

TEST(EditTransforms, AlgebraOverRandomCharts) {
  std::mt19937 rng(7);
  for (uint8_t style : {0, 1, 2}) {
    Chart original;
    original.PlayStyle = style;
    for (auto& row : original.StepData)
      for (auto& b : row) b = uint8_t(rng());
    for (auto& row : original.FreezeData)
      for (auto& b : row) b = uint8_t(rng());
    const int start = int(rng() % 1000);
    const int end = style == 0 ? 1884 : start + 1 + int(rng() % 884);
    const auto apply = [&](std::initializer_list<Transform> steps) {
      Chart c = original;
      for (Transform t : steps) TransformBeats(c, start, end, t);
      return std::pair{c.StepData, c.FreezeData};
    };
    const auto same = std::pair{original.StepData, original.FreezeData};
    for (Transform t : {Transform::Mirror, Transform::MirrorH, Transform::MirrorV}) EXPECT_EQ(apply({t, t}), same);
    EXPECT_EQ(apply({Transform::MirrorH, Transform::MirrorV}), apply({Transform::Mirror}));
    EXPECT_NE(apply({Transform::Mirror}), same);
    if (style == 2) continue;
    const Transform left = Transform::TurnLeft, right = Transform::TurnRight;
    EXPECT_EQ(apply({left, left, left, left}), same);
    EXPECT_EQ(apply({left, right}), same);
    EXPECT_EQ(apply({left, left}), apply({Transform::Mirror}));
  }
}

}  // namespace
}  // namespace tarveno

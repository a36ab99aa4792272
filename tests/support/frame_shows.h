#pragma once

#include <gtest/gtest.h>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

namespace tarveno::testing {

// Succeeds when every non-mask pixel of picture placed at `at` that falls inside clip (the
// whole frame when null) stands in frame, colours compared opaque; says where they differ.
inline ::testing::AssertionResult frameShows(const QImage& frame, const QImage& picture, QRgb mask, QPoint at,
                                             QRect clip = {}) {
  const QRect area = clip.isNull() ? frame.rect() : clip;
  int compared = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QPoint p = at + QPoint(x, y);
      const QRgb want = picture.pixel(x, y) | 0xFF000000u;
      if (want == (mask | 0xFF000000u) || !area.contains(p)) continue;
      if ((frame.pixel(p) | 0xFF000000u) != want)
        return ::testing::AssertionFailure() << "differs at " << p.x() << "," << p.y();
      ++compared;
    }
  }
  if (compared == 0) return ::testing::AssertionFailure() << "nothing to compare";
  return ::testing::AssertionSuccess();
}

}  // namespace tarveno::testing

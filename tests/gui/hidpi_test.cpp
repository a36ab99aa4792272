#include <gtest/gtest.h>
#include <QRect>

#include "gui/editor/canvas_renderer.h"
#include "gui/gui_test_helpers.h"
#include "render/arrow_images.h"

namespace tarveno::testing {
namespace {

// On a screen of twice the density the canvas is the same picture, each of its pixels drawn as
// 2 x 2 device pixels, except that the arrows come from pictures drawn at the finer grid.
TEST(HiDpi, TheCanvasAtTwiceTheDensityIsTheSamePictureWithSharperArrows) {
  const Catalogue catalogue = testCatalogue();
  Chart chart;
  chart.PlayStyle = PlayStyle::Couple;
  setSteps(chart, 1, 0, 1);  // one arrow: row 4, column 0
  setSteps(chart, 2, 2, 0);  // a sixteenth-level row without arrows: its tint
  makeTriplet(chart, 2, 2, 0, 0, 0);
  chart.BeatType[2][3] = 2;  // a triplet tint
  EditorState st;
  std::tie(st.canvasLeft, st.canvasTop, st.currentDivide, st.selStart, st.selEnd) = std::tuple(50, 10, 12, 6, 9);
  const MeterSegs segs{};
  const CanvasScene scene{chart, catalogue, segs, st};

  QImage one(400, 520, QImage::Format_RGB32);
  QImage two(800, 1040, QImage::Format_RGB32);
  CanvasOutput outOne, outTwo;
  renderCanvas(one, scene, ArrowImages(1), outOne);
  renderCanvas(two, scene, ArrowImages(2), outTwo);

  const QRect arrowCell(st.canvasLeft, st.canvasTop + 32, 32, 32);
  int finer = 0;
  for (int y = 0; y < one.height(); ++y) {
    for (int x = 0; x < one.width(); ++x) {
      const QRgb block[4] = {two.pixel(2 * x, 2 * y), two.pixel(2 * x + 1, 2 * y), two.pixel(2 * x, 2 * y + 1),
                             two.pixel(2 * x + 1, 2 * y + 1)};
      if (arrowCell.contains(x, y)) {
        finer += block[0] != block[3] || block[1] != block[2];
        continue;
      }
      for (QRgb device : block) ASSERT_EQ(device, one.pixel(x, y)) << x << "," << y;
    }
  }
  EXPECT_GT(finer, 20) << "the arrow's edges fall between the pixels of the plain picture";
  for (size_t i = 0; i < outOne.labels.size(); ++i) EXPECT_EQ(outOne.labels[i].pos, outTwo.labels[i].pos);
}

}  // namespace
}  // namespace tarveno::testing

#include <gtest/gtest.h>
#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>
#include <tuple>

#include "gui/app/main_window.h"
#include "gui/gui_test_helpers.h"

namespace tarveno::testing {
namespace {

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kRed = 0xFFFF0000u;
constexpr QRgb kCyan = 0xFF00FFFFu;

class EditorCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override { h.start(); }

  EditorState& st() { return h.window().editorState(); }
  // Frame pixel at canvas point (x, y).
  QRgb px(int x, int y) { return h.frame().pixel(h.canvasPoint(x, y)) | 0xFF000000u; }
  // Expects each canvas point (x, y) to have its colour.
  void expectPixels(std::initializer_list<std::tuple<int, int, QRgb>> expected) {
    for (auto [x, y, color] : expected) EXPECT_EQ(px(x, y), color) << "at " << x << "," << y;
  }
  // Canvas y of the top line of a row.
  int rowY(int row) { return 32 * (row - st().topRow); }
  QLabel* label(const QString& name) { return h.window().findChild<QLabel*>(name); }
  bool shows(int index, int column, int y) {
    return frameShows(h.frame(), h.window().arrowImages().image(index), kArrowMaskColor, h.canvasPoint(32 * column, y));
  }
  void scrollTo(int row) { h.window().findChild<QScrollBar*>(QStringLiteral("VScroll1"))->setValue(row); }

  MainWindowHarness h;
};

TEST_F(EditorCanvasTest, RowsAreTintedByTheirBeatType) {
  setSteps(h.chart(), 1, 1, 8);           // row 4: a sixteenth-level beat
  makeTriplet(h.chart(), 2, 0, 1, 2, 0);  // row 8: a triplet beat
  h.window().redrawCanvas();
  // Tinted dark blue and dark green, 128 pixels wide in single play.
  expectPixels({{100, rowY(4) + 1, 0xFF000040u},
                {100, rowY(4) + 31, 0xFF000040u},
                {127, rowY(4) + 20, 0xFF000040u},
                {128, rowY(4) + 20, kBlack},
                {100, rowY(8) + 20, 0xFF004000u},
                {100, rowY(5) + 20, kBlack}});
}

TEST_F(EditorCanvasTest, MeasureLinesAreRedAndNumberedByTheirBeats) {
  expectPixels({{5, rowY(4), kRed}, {5, rowY(5), kWhite}});
  const char* captions[] = {"002", "003", "004", "005"};
  for (int i = 0; i < 4; ++i) {
    QLabel* lbl = label(QStringLiteral("LblNum%1").arg(i));
    EXPECT_TRUE(lbl->isVisible()) << i;
    EXPECT_EQ(lbl->text(), QString::fromLatin1(captions[i]));
    EXPECT_EQ(lbl->pos(), h.canvasPoint(-40, rowY(4 + 4 * i) - 6));
  }
  EXPECT_FALSE(label("LblNum4")->isVisible());

  scrollTo(4);  // measure starts at offsets 0, 4, 8, 12
  EXPECT_EQ(label("LblNum0")->pos(), h.canvasPoint(-40, -6));
  scrollTo(5);  // offsets 3, 7, 11
  EXPECT_EQ(label("LblNum0")->text(), QStringLiteral("003"));
  EXPECT_EQ(label("LblNum0")->pos(), h.canvasPoint(-40, 96 - 6));
  EXPECT_TRUE(label("LblNum2")->isVisible());
  EXPECT_FALSE(label("LblNum3")->isVisible());

  // A meter table: rows 0..3 are measure 1; from row 4 on every measure has three beats.
  scrollTo(3);
  h.chart().SongIndex = 1;
  h.document.meterSegs[0] = {1, 4};
  h.document.meterSegs[1] = {2, 3};
  h.document.meterSegs[2] = {kMeterListEnd, 0};
  h.window().layoutEditor();
  h.window().redrawCanvas();
  expectPixels({{5, rowY(4), kRed}, {5, rowY(7), kRed}, {5, rowY(8), kWhite}});
  EXPECT_EQ(label("LblNum0")->text(), QStringLiteral("002"));
  EXPECT_EQ(label("LblNum4")->text(), QStringLiteral("006"));
  EXPECT_TRUE(label("LblNum4")->isVisible());
}

TEST_F(EditorCanvasTest, GridLinesFollowTheDivisionFromMenuOrToolbar) {
  const int y = rowY(5);
  h.button("Divide16")->click();
  expectPixels({{0, y + 8, kWhite}, {1, y + 8, kWhite}, {2, y + 8, kBlack} /* dotted */, {0, y + 16, kWhite}});
  h.button("Divide12")->click();  // 10.67 and 21.33 to the nearest pixel
  expectPixels({{0, y + 11, kWhite}, {0, y + 21, kWhite}, {0, y + 8, kBlack}});
  h.button("Divide8")->click();
  expectPixels({{0, y + 16, kWhite}, {0, y + 11, kBlack}});
  // A menu choice shows at the next redraw, a toolbar click at once.
  h.action("M_Divide16")->trigger();
  EXPECT_EQ(px(0, y + 8), kBlack);
  h.moveTo(h.canvasPoint(100, 100));
  EXPECT_EQ(px(0, y + 8), kWhite);
  h.button("Divide4")->click();
  EXPECT_EQ(px(0, y + 8), kBlack);
}

TEST_F(EditorCanvasTest, ArrowsTakeTheGroupOfTheirSlot) {
  h.chart().StepData[1] = {1, 2, 4, 8};  // one arrow in each slot of row 4, each its own column
  RecalcBeatType(h.chart(), 0, 1);
  makeTriplet(h.chart(), 2, 0, 1, 2, 4);
  h.window().redrawCanvas();
  EXPECT_TRUE(shows(arrowImageIndex(0, 0), 0, rowY(4)));
  EXPECT_TRUE(shows(arrowImageIndex(2, 1), 1, rowY(4) + 8));
  EXPECT_TRUE(shows(arrowImageIndex(1, 2), 2, rowY(4) + 16));
  EXPECT_TRUE(shows(arrowImageIndex(2, 3), 3, rowY(4) + 24));
  EXPECT_TRUE(shows(arrowImageIndex(0, 0), 0, rowY(8)));
  EXPECT_TRUE(shows(arrowImageIndex(3, 1), 1, rowY(8) + 11));
  EXPECT_TRUE(shows(arrowImageIndex(3, 2), 2, rowY(8) + 22));
}

TEST_F(EditorCanvasTest, FreezeHeadCoversItsBodyAndBodiesRunToTheTail) {
  h.chart().StepData[1][4] = 2;
  for (int s = 4; s <= 10; ++s) h.chart().FreezeData[1][s] = 2;
  RecalcBeatType(h.chart(), 1, 1);
  RecalcBeatType(h.chart(), 2, 1);
  h.window().redrawCanvas();
  const int head = 8 * (20 - 12);
  EXPECT_TRUE(shows(freezeHeadIndex(1), 1, head));
  EXPECT_TRUE(shows(freezeBodyIndex(1), 1, 8 * (26 - 12)));
  EXPECT_FALSE(shows(arrowImageIndex(2, 1), 1, head));
}

TEST_F(EditorCanvasTest, PadDividerOnlyWithTwoPads) {
  EXPECT_EQ(px(128, 100), kBlack);
  h.chart().PlayStyle = 1;
  h.window().layoutEditor();
  h.window().redrawCanvas();
  expectPixels({{128, 100, kWhite}, {128, 450, kWhite}, {128, 452, kBlack}, {200, rowY(4), kRed} /* both pads */});
}

TEST_F(EditorCanvasTest, GhostCursorOnlyWhereAnArrowMayStand) {
  h.moveTo(h.canvasPoint(32 + 5, rowY(3) + 3));  // measure 0
  EXPECT_FALSE(shows(ghostImageIndex(0, 1), 1, rowY(3)));
  EXPECT_EQ(px(48, rowY(3) + 16), kBlack);
  h.moveTo(h.canvasPoint(32 + 5, rowY(4) + 3));
  EXPECT_TRUE(shows(ghostImageIndex(0, 1), 1, rowY(4)));
  h.button("Divide8")->click();  // a toolbar click hides the cursor
  EXPECT_FALSE(st().cursorValid);
  EXPECT_FALSE(shows(ghostImageIndex(0, 1), 1, rowY(4)));
  h.chart().StepData[1][0] = 1 | 4;  // two arrows on the side already
  h.moveTo(h.canvasPoint(32 + 5, rowY(4) + 3));
  EXPECT_FALSE(shows(ghostImageIndex(0, 1), 1, rowY(4)));

  h.chart().StepData[1][0] = 0;  // the triplet cursor stands on the thirds of the beat
  h.button("Divide12")->click();
  h.moveTo(h.canvasPoint(5, rowY(4) + 14));  // second note
  EXPECT_TRUE(shows(ghostImageIndex(3, 0), 0, rowY(4) + 11));
  h.moveTo(h.canvasPoint(5, rowY(4) + 25));  // third note: 21.33 to the nearest pixel
  EXPECT_TRUE(shows(ghostImageIndex(3, 0), 0, rowY(4) + 21));
}

TEST_F(EditorCanvasTest, StatusPanelsNameTheCellUnderTheCursor) {
  QLabel* posX = label(QStringLiteral("pnlPosX"));
  QLabel* posY = label(QStringLiteral("pnlPosY"));
  scrollTo(24);
  h.action("M_Divide8")->trigger();
  // Measure index 6 (shown 007), beat 1, its second eighth.
  h.moveTo(h.canvasPoint(64 + 3, rowY(25) + 20));
  EXPECT_EQ(posX->text(), QStringLiteral("1P Front"));
  EXPECT_EQ(posY->text(), QStringLiteral("007:4/8"));
  h.moveTo(h.canvasPoint(-3, rowY(25)));
  EXPECT_TRUE(posX->text().isEmpty());
  EXPECT_TRUE(posY->text().isEmpty());
  EXPECT_FALSE(st().cursorValid);
}

TEST_F(EditorCanvasTest, SelectionShowsMarkersAndAnInvertedBandClippedToTheView) {
  auto marker = [&](int i) { return label(QStringLiteral("ImgSel%1").arg(i)); };
  auto shown = [&] {  // the visible markers' numbers
    QString numbers;
    for (int i = 0; i < 4; ++i) numbers += marker(i)->isVisible() ? QString::number(i) : QString();
    return numbers;
  };
  auto line = [&](int row) { return h.canvasPoint(-10, rowY(row) + 2); };
  h.moveTo(line(4));
  EXPECT_EQ(shown(), QStringLiteral("2"));
  EXPECT_EQ(marker(2)->pos(), h.canvasPoint(-20, rowY(4) - 8));
  h.click(line(4));
  h.moveTo(line(6));
  EXPECT_EQ(shown(), QStringLiteral("03"));
  EXPECT_EQ(marker(3)->pos(), h.canvasPoint(-20, rowY(6) - 8));
  h.click(line(8));
  EXPECT_EQ(shown(), QStringLiteral("01"));
  EXPECT_EQ(marker(1)->pos(), h.canvasPoint(-20, rowY(8) - 8));
  expectPixels({{5, rowY(4), kCyan} /* the red measure line, inverted */,
                {50, rowY(5) + 10, kWhite},
                {127, rowY(8) - 1, kWhite},
                {50, rowY(8) + 10, kBlack},
                {128, rowY(6), kBlack},
                {5, rowY(8), kRed}});

  // The band is clipped to the view.
  st().selStart = 5;
  st().selEnd = 400;
  h.window().redrawCanvas();
  const int bottom = h.frame().height() - 1 - st().canvasTop;
  expectPixels({{50, bottom, kWhite}, {50, rowY(5) - 1, kBlack}});
  scrollTo(20);  // start above the view: inverted from the canvas top, not above it
  expectPixels({{50, 3, kWhite}, {50, -3, kBlack}});
  st().selStart = 4;
  st().selEnd = 8;
  h.window().redrawCanvas();  // wholly above the view: nothing
  EXPECT_EQ(px(50, 3), kBlack);
}

}  // namespace
}  // namespace tarveno::testing

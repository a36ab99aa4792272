#include <gtest/gtest.h>
#include <tuple>
#include <vector>

#include "gui/editor/canvas_renderer.h"
#include "gui/editor/editor_geometry.h"
#include "gui/gui_test_helpers.h"

// The editor canvas and its mouse. The placement, erase and freeze rules are the core's; here
// it is which cell a point means, which button edits what under which division, and what the
// canvas shows for it.
namespace tarveno::testing {
namespace {

using V = std::vector<int>;
constexpr QRgb kBlack = 0xFF000000u, kWhite = 0xFFFFFFFFu, kRed = 0xFFFF0000u;

TEST(EditorLayoutTest, CanvasIsCentredLeftOfTheScrollBarWhichStopsAtTheTables) {
  const EditorLayout single = computeEditorLayout(400, 520, 30, 20, 16, PlayStyle::Single, 120);
  EXPECT_EQ(std::tuple(single.canvasTop, single.canvasLeft, single.scrollBar),
            std::tuple(14, 128, QRect(384, 30, 16, 470)));
  EXPECT_EQ(computeEditorLayout(401, 520, 30, 20, 16, PlayStyle::Couple, 120).canvasLeft,
            64);  // 64.5 rounds to the even 64
  EXPECT_EQ(computeEditorLayout(403, 520, 30, 20, 16, PlayStyle::Double, 120).canvasLeft,
            66);  // 65.5 rounds to the even 66
  // Never below row 3, never past the 471 table measures.
  for (auto [measures, maximum] : {std::pair{0, 3}, {4, 3}, {5, 7}, {120, 467}, {471, 1871}, {30000, 1871}}) {
    EXPECT_EQ(computeEditorLayout(400, 520, 30, 20, 16, PlayStyle::Single, measures).scrollMaximum, maximum)
        << measures;
  }
}

TEST(EditorLayoutTest, StatusTextsNameTheColumnAndTheGridLineWithinTheMeasure) {
  const Catalogue catalogue = testCatalogue();
  const Chart chart;
  const MeterSegs segs{};
  EditorState st;
  // Division and position, then the text: measure 7 starts at position 96.
  // clang-format off
  for (auto [divide, pos, text] : {std::tuple{8, 96 + 6, "007:4/8"}, {16, 96 + 15, "007:16/16"},
                                   {12, 96 + 4 + 3, "007:6/12"}, {12, 96 + 1, "007:1/12"}}) {
    // clang-format on
    st.currentDivide = divide;
    st.cursor.pos = pos;
    EXPECT_EQ(positionText({chart, catalogue, segs, st}), QString::fromLatin1(text));
  }
}

class EditorTest : public ::testing::Test {
 protected:
  void SetUp() override { h.start(); }

  V steps(int measure, int from, int to) {
    return V(&h.chart().StepData[measure][from], &h.chart().StepData[measure][to] + 1);
  }
  V freezes(int measure, int from, int to) {
    return V(&h.chart().FreezeData[measure][from], &h.chart().FreezeData[measure][to] + 1);
  }
  // Client point of column k at canvas pixel row y (0 = top of row 3; measure 1 starts at y 32).
  QPoint at(int column, int y) { return h.canvasPoint(32 * column + 16, y); }
  void menu(const char* name) { h.action(name)->trigger(); }
  // Presses a button at the first point, moves through the others and releases at the last.
  void drag(Qt::MouseButton button, std::initializer_list<QPoint> path) {
    h.moveTo(*path.begin());
    h.press(button);
    for (auto it = path.begin() + 1; it != path.end(); ++it) h.moveTo(*it);
    h.release(button);
  }
  template <size_t n>
  void expectPixels(const std::tuple<int, int, QRgb> (&expected)[n]) {
    for (auto [x, y, color] : expected) EXPECT_EQ(h.pixel(x, y), color) << "at " << x << "," << y;
  }
  QLabel* label(const QString& name) { return h.window().findChild<QLabel*>(name); }
  bool shows(int index, int column, int y) {
    return frameShows(h.frame(), h.window().arrowImages().image(index), kArrowMaskColor, h.canvasPoint(32 * column, y));
  }

  MainWindowHarness h;
  EditorState& st = h.state();
};

TEST_F(EditorTest, SnapsToTheGridOfEachDivision) {
  // Row 4 (measure 1, beat 0) spans y 32..63: sixteenth positions 16..19.
  const std::tuple<const char*, int, int> cases[] = {
      {"M_Divide4", 59, 16},  {"M_Divide8", 47, 16},  {"M_Divide8", 52, 18},  {"M_Divide16", 52, 18},
      {"M_Divide16", 59, 19}, {"M_Divide12", 40, 17}, {"M_Divide12", 52, 18}, {"M_Divide12", 59, 19}};
  for (const auto& [division, y, pos] : cases) {
    menu(division);
    h.moveTo(at(2, y));
    EXPECT_EQ(std::tuple(st.cursor.valid, st.cursor.column, st.cursor.pos), std::tuple(true, 2, pos)) << division << y;
    h.moveTo(h.canvasPoint(-5, 0));  // leave, so the next case is a new cell
  }
}

TEST_F(EditorTest, LeftPlacesRightErasesOnEveryNewCellButNotWithBothButtons) {
  h.click(at(1, 32 + 3));
  EXPECT_EQ(std::tuple(steps(1, 0, 0), h.document.Modified, st.cursorLook), std::tuple(V{2}, true, kLookSolid));
  h.click(at(1, 32 + 3), Qt::RightButton);
  EXPECT_EQ(std::tuple(steps(1, 0, 0), st.cursorLook), std::tuple(V{0}, kLookHidden));

  h.button("Divide16")->click();
  drag(Qt::LeftButton, {at(0, 32 + 2), at(0, 32 + 10), at(0, 32 + 18), at(1, 32 + 18)});
  EXPECT_EQ(steps(1, 0, 2), (V{1, 1, 3}));
  drag(Qt::RightButton, {at(0, 32 + 2), at(0, 32 + 10)});
  EXPECT_EQ(steps(1, 0, 2), (V{0, 0, 3}));
  h.moveTo(at(0, 64 + 2));
  h.press(Qt::LeftButton);
  h.press(Qt::RightButton);
  h.moveTo(at(0, 64 + 10));
  h.moveTo(at(0, 64 + 18));
  EXPECT_EQ(std::pair(steps(1, 4, 6), st.cursor.pos), std::pair(V{1, 0, 0}, 22));  // moved, but only pressed once
  h.release(Qt::RightButton);
  h.release(Qt::LeftButton);
  EXPECT_EQ(st.mouseButton, 0);

  menu("M_Divide12");  // the grid in force reaches the edit: a second note makes a triplet beat
  h.click(at(3, 160 + 14));
  EXPECT_EQ(steps(2, 0, 2), (V{kTripletMark, 0, 8}));
}

TEST_F(EditorTest, DivisionFollowsTheBeatUnderTheMouseAndTheUsersChoiceComesBack) {
  makeTriplet(h.chart(), 2, 0, 1, 2, 0);                                      // row 8, y 160..191
  setSteps(h.chart(), 3, 1, 1);                                               // row 12, y 288..319: sixteenths
  h.moveTo(at(1, 160 + 20));                                                  // the quarter grid never switches,
  EXPECT_EQ(std::tuple(st.currentDivide, st.cursor.pos), std::tuple(4, 33));  // it takes the first note

  menu("M_Divide16");
  menu("M_FAmode");
  h.moveTo(at(0, 160 + 20));  // on the triplet grid, the second of the three bands
  EXPECT_EQ(std::tuple(st.currentDivide, st.freezeMode, st.userDivide, st.userFreezeMode, st.cursor.pos),
            std::tuple(12, 0, 16, 1, 34));
  h.moveTo(at(0, 192 + 5));  // a plain beat
  EXPECT_EQ(std::tuple(st.currentDivide, st.freezeMode), std::tuple(16, 1));

  menu("M_Divide12");
  h.moveTo(at(0, 288 + 5));  // a sixteenth-level beat cannot be edited on the triplet grid
  EXPECT_EQ(std::tuple(st.currentDivide, st.userDivide), std::tuple(16, 12));
  h.moveTo(at(0, 256 + 5));
  EXPECT_EQ(st.currentDivide, 12);
}

TEST_F(EditorTest, FreezeDragsLayHoldsFromPressToReleaseInOneColumn) {
  h.button("Divide16")->click();
  h.button("FAmode")->click();
  auto y = [](int pos) { return 8 * (pos - 12) + 2; };
  drag(Qt::LeftButton, {at(0, y(20)), at(1, y(26))});  // released in another column: nothing
  EXPECT_EQ(steps(1, 4, 4), V{0});
  drag(Qt::LeftButton, {at(0, y(20)), at(0, y(20))});  // released on the press cell: a plain arrow
  EXPECT_EQ(std::pair(steps(1, 4, 4), freezes(1, 4, 4)), std::pair(V{1}, V{0}));

  for (bool upward : {false, true}) {  // either way, the same hold
    h.chart().eraseSteps();
    h.chart().eraseFreeze();
    h.moveTo(at(0, y(upward ? 26 : 20)));
    h.press(Qt::LeftButton);
    h.moveTo(at(0, y(upward ? 20 : 26)));
    EXPECT_EQ(steps(1, 4, 10), V(7, 0));  // nothing yet while dragging; downward the preview ends at the mouse
    EXPECT_TRUE(upward || shows(freezePreviewIndex(0), 0, 8 * (26 - 12)));
    h.release(Qt::LeftButton);
    EXPECT_EQ(std::tuple(steps(1, 4, 10), freezes(1, 3, 11), st.freeze.active()),
              std::tuple(V{1, 0, 0, 0, 0, 0, 0}, V{0, 1, 1, 1, 1, 1, 1, 1, 0}, false))
        << upward;
  }
}

TEST_F(EditorTest, MarginHoverAndClicksSelectBeatsInEitherOrder) {
  h.moveTo(h.canvasPoint(-10, 64 + 3));
  EXPECT_EQ(st.hoverRow, 5);
  h.moveTo(h.canvasPoint(200, 64 + 3));  // right of the canvas: kept
  EXPECT_EQ(st.hoverRow, 5);
  h.moveTo(at(0, 64 + 3));
  EXPECT_EQ(st.hoverRow, kUnset);
  // Each click on a line, then the selection: a third click starts over, the same line twice
  // changes nothing, the right button clears.
  const std::tuple<int, Qt::MouseButton, int, int> clicks[] = {
      {8, Qt::LeftButton, 8, kUnset}, {4, Qt::LeftButton, 4, 8},   {6, Qt::LeftButton, 6, kUnset},
      {6, Qt::LeftButton, 6, kUnset}, {10, Qt::LeftButton, 6, 10}, {7, Qt::RightButton, kUnset, kUnset}};
  for (const auto& [row, button, start, end] : clicks) {
    h.click(h.marginPoint(row), button);
    EXPECT_EQ(std::pair(st.selStart, st.selEnd), std::pair(start, end)) << row;
  }
}

TEST_F(EditorTest, WheelScrollsOneBeatANotchWithinTheEndsCarryingTheCursor) {
  h.moveTo(at(0, 32 + 3));
  h.wheel(-120);
  EXPECT_EQ(std::tuple(st.topRow, st.cursor.pos, st.cursor.slot(), st.cursor.valid), std::tuple(4, 20, 4, true));
  // Notches are rounded half to even one by one: 0.25 and 0.5 to 0, 1.5 to 2; none scrolls above the top.
  for (auto [rotation, top] : {std::pair{120, 3}, {120, 3}, {-120, 4}, {30, 4}, {-30, 4}, {-60, 4}, {-180, 6}}) {
    h.wheel(rotation);
    EXPECT_EQ(st.topRow, top) << rotation;
  }
  h.wheel(-120);  // a whole notch starts the count afresh; a touchpad's parts add up to whole notches
  for (int i = 1; i <= 10; ++i) {
    h.wheel(-24);
    EXPECT_EQ(st.topRow, 7 + i / 5) << i;
  }
  const int last = h.window().findChild<QScrollBar*>(QStringLiteral("VScroll1"))->maximum();
  h.scrollTo(last - 1);
  h.wheel(-240);  // would pass the end: no partial scroll
  EXPECT_EQ(st.topRow, last - 1);
  h.wheel(-120);
  EXPECT_EQ(st.topRow, last);
}

TEST_F(EditorTest, RowsGridArrowsAndHolds) {
  setSteps(h.chart(), 1, 1, 8);           // row 4: a sixteenth-level beat
  makeTriplet(h.chart(), 2, 0, 1, 2, 4);  // row 8: a triplet beat
  h.chart().StepData[3] = {1, 2, 4, 8};   // row 12: one arrow in each slot, each its own column
  h.chart().StepData[3][4] = 1;           // a hold in column 0 from row 13, slot 0, to slot 6
  for (int s = 4; s <= 10; ++s) h.chart().FreezeData[3][s] = 1;
  recalcAllBeatTypes(h.chart(), h.catalogue);
  h.window().redrawCanvas();
  const int y4 = h.rowY(4), y5 = h.rowY(5), y8 = h.rowY(8), y12 = h.rowY(12), y13 = h.rowY(13);
  // clang-format off
  const std::tuple<int, int, QRgb> rows[] = {  // tinted below the beat line, 128 pixels wide; measure lines red
      {100, y4 + 1, 0xFF000040u}, {60, y4 + 31, 0xFF000040u}, {128, y4 + 20, kBlack}, {100, y8 + 20, 0xFF004000u},
      {100, y5 + 20, kBlack}, {5, y4, kRed}, {5, y5, kWhite}, {128, 100, kBlack}};
  // clang-format on
  expectPixels(rows);
  // Arrow colours follow the slot, triplet notes stand a third of a beat apart, a hold's head
  // covers its body.
  const std::tuple<int, int, int> drawn[] = {
      {arrowImageIndex(0, 0), 0, y12},      {arrowImageIndex(2, 1), 1, y12 + 8}, {arrowImageIndex(1, 2), 2, y12 + 16},
      {arrowImageIndex(2, 3), 3, y12 + 24}, {arrowImageIndex(0, 0), 0, y8},      {arrowImageIndex(3, 1), 1, y8 + 11},
      {arrowImageIndex(3, 2), 2, y8 + 22},  {freezeHeadIndex(0), 0, y13},        {freezeBodyIndex(0), 0, y13 + 48}};
  for (const auto& [index, column, y] : drawn) EXPECT_TRUE(shows(index, column, y)) << index << " at " << y;
  EXPECT_FALSE(shows(arrowImageIndex(0, 0), 0, y13));

  h.button("Divide16")->click();  // a toolbar click redraws at once: dotted lines between
  const std::tuple<int, int, QRgb> sixteenths[] = {
      {0, y5 + 8, kWhite}, {1, y5 + 8, kWhite}, {2, y5 + 8, kBlack}, {0, y5 + 16, kWhite}};
  expectPixels(sixteenths);
  h.button("Divide12")->click();  // 10.67 and 21.33 to the nearest pixel
  const std::tuple<int, int, QRgb> triplets[] = {{0, y5 + 11, kWhite}, {0, y5 + 21, kWhite}, {0, y5 + 8, kBlack}};
  expectPixels(triplets);
  menu("M_Divide16");  // the menu leaves the old grid to the next redraw
  EXPECT_EQ(h.pixel(0, y5 + 8), kBlack);
  h.moveTo(h.canvasPoint(100, 100));
  EXPECT_EQ(h.pixel(0, y5 + 8), kWhite);

  h.chart().PlayStyle = PlayStyle::Couple;
  h.window().layoutEditor();
  h.window().redrawCanvas();
  const std::tuple<int, int, QRgb> pads[] = {
      {128, 100, kWhite}, {128, 450, kWhite}, {128, 452, kBlack}, {200, y4, kRed}};
  expectPixels(pads);
}

TEST_F(EditorTest, MeasureNumbersStandAtTheMeasureLines) {
  auto caption = [&](int i) {
    QLabel* l = label(QStringLiteral("LblNum%1").arg(i));
    return l->isVisible() ? l->text() : QString();
  };
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(caption(i), QStringLiteral("00%1").arg(i + 2));
    EXPECT_EQ(label(QStringLiteral("LblNum%1").arg(i))->pos(), h.canvasPoint(-40, h.rowY(4 + 4 * i) - 6));
  }
  EXPECT_EQ(caption(4), QString());
  h.scrollTo(5);  // measure starts at offsets 3, 7, 11
  EXPECT_EQ(std::tuple(caption(0), caption(2), caption(3)),
            std::tuple(QStringLiteral("003"), QStringLiteral("005"), QString()));
  EXPECT_EQ(label(QStringLiteral("LblNum0"))->pos(), h.canvasPoint(-40, 96 - 6));

  // A meter table: rows 0..3 are measure 1; from row 4 on every measure has three beats.
  h.scrollTo(3);
  h.chart().SongIndex = 1;
  h.document.meterSegs = {{{1, 4}, {2, 3}, {kMeterListEnd, 0}}};
  h.window().redrawCanvas();
  expectPixels({{5, h.rowY(4), kRed}, {5, h.rowY(7), kRed}, {5, h.rowY(8), kWhite}});
  EXPECT_EQ(std::tuple(caption(0), caption(4)), std::tuple(QStringLiteral("002"), QStringLiteral("006")));
}

// The ghost cursor stands only where an arrow may, the status panels name its cell until the
// mouse leaves.
TEST_F(EditorTest, GhostCursorAndStatusPanelsFollowTheCellUnderTheMouse) {
  auto panels = [&] {
    return std::pair(label(QStringLiteral("pnlPosX"))->text(), label(QStringLiteral("pnlPosY"))->text());
  };
  const int y4 = h.rowY(4);
  h.moveTo(h.canvasPoint(32 + 5, y4 - 29));  // measure 0
  EXPECT_EQ(h.pixel(48, y4 - 16), kBlack);
  h.moveTo(h.canvasPoint(64 + 3, h.rowY(5) + 20));
  EXPECT_EQ(panels(), std::pair(QStringLiteral("1P Front"), QStringLiteral("002:2/4")));
  h.moveTo(h.canvasPoint(32 + 5, y4 + 3));
  EXPECT_TRUE(shows(ghostImageIndex(0, 1), 1, y4));
  h.button("Divide8")->click();  // a toolbar click takes the cursor away
  EXPECT_EQ(std::pair(st.cursor.valid, shows(ghostImageIndex(0, 1), 1, y4)), std::pair(false, false));
  // The triplet cursor stands on the thirds of the beat.
  h.button("Divide12")->click();
  h.moveTo(h.canvasPoint(5, y4 + 14));
  EXPECT_TRUE(shows(ghostImageIndex(3, 0), 0, y4 + 11));
  h.moveTo(h.canvasPoint(5, y4 + 25));  // 21.33 to the nearest pixel
  EXPECT_TRUE(shows(ghostImageIndex(3, 0), 0, y4 + 21));
  h.moveTo(h.canvasPoint(-3, h.rowY(5)));
  EXPECT_EQ(panels(), std::pair(QString(), QString()));
}

TEST_F(EditorTest, SelectionShowsMarkersAndAnInvertedBandClippedToTheView) {
  auto markers = [&] {  // the visible markers, each with the row whose top line it is centred on
    QString shown;
    for (int i = 0; i < 4; ++i) {
      QLabel* m = label(QStringLiteral("ImgSel%1").arg(i));
      const QPoint p = m->pos() - h.canvasPoint(-20, -8);
      if (m->isVisible())
        shown += QStringLiteral(" %1@%2").arg(i).arg(p.x() || p.y() % 32 ? -1 : p.y() / 32 + st.topRow);
    }
    return shown.trimmed();
  };
  h.moveTo(h.marginPoint(4));
  EXPECT_EQ(markers(), "2@4");
  h.click(h.marginPoint(4));
  h.moveTo(h.marginPoint(6));
  EXPECT_EQ(markers(), "0@4 3@6");
  h.click(h.marginPoint(8));
  EXPECT_EQ(markers(), "0@4 1@8");
  // clang-format off
  const std::tuple<int, int, QRgb> band[] = {  // the red measure line inverted; nothing beside or below
      {5, h.rowY(4), 0xFF00FFFFu}, {50, h.rowY(5) + 10, kWhite}, {127, h.rowY(8) - 1, kWhite},
      {50, h.rowY(8) + 10, kBlack}, {128, h.rowY(6), kBlack}, {5, h.rowY(8), kRed}};
  // clang-format on
  expectPixels(band);

  std::tie(st.selStart, st.selEnd) = std::pair(5, 400);  // ends below the view: inverted to the client's bottom
  h.window().redrawCanvas();
  EXPECT_EQ(std::pair(h.pixel(50, h.frame().height() - 1 - st.canvasTop), h.pixel(50, h.rowY(5) - 1)),
            std::pair(kWhite, kBlack));
  h.scrollTo(20);  // starts above the view: inverted from the canvas top, not above it
  EXPECT_EQ(std::pair(h.pixel(50, 3), h.pixel(50, -3)), std::pair(kWhite, kBlack));
  std::tie(st.selStart, st.selEnd) = std::pair(4, 8);
  h.window().redrawCanvas();  // wholly above the view: nothing
  EXPECT_EQ(h.pixel(50, 3), kBlack);
}

}  // namespace
}  // namespace tarveno::testing

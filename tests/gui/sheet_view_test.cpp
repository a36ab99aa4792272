#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QScopeGuard>
#include <QSlider>
#include <QTest>

#include "gui/app/app_context.h"
#include "gui/gui_test_helpers.h"
#include "gui/sheet/scroll_layout.h"
#include "gui/sheet/sheet_view.h"
#include "gui/sheet/view_setting_dialog.h"
#include "support/scripted_prompts.h"
#include "support/test_catalogue.h"
#include "support/test_paths.h"

namespace tarveno {
namespace {

using namespace testing;

class SheetViewTest : public ::testing::Test, public AppParts {
 protected:
  SheetViewTest() : AppParts(oneSongCatalogue(40)) { context.viewSettingsFile = viewDat; }

  TempDir dir;
  std::filesystem::path viewDat = dir / "view.dat";
};

TEST_F(SheetViewTest, SettingsDialogRefusesBlocksBelowOneAndCancelDiscardsEverything) {
  {
    ViewSettingDialog d(context, nullptr);
    prompts.answerColor(QColor(1, 2, 3));
    click(d, "picColor2");
    type(d, "txtBlocks", "0.9");
    click(d, "cmdOK");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(std::pair(prompts.shown[0].title, prompts.shown[0].text),
              std::pair(QStringLiteral("TARVENO"), QStringLiteral("１行の小節数は1以上にしてください。")));
    EXPECT_EQ(d.result(), QDialog::Accepted);  // closes as accepted, with nothing stored
  }
  {
    ViewSettingDialog d(context, nullptr);
    prompts.answerColor(QColor(1, 2, 3));
    prompts.answerFont(QFont(QStringLiteral("IPAGothic"), 20));
    click(d, "picColor0");
    click(d, "cmdHeaderFont0");
    EXPECT_EQ(child<QLabel>(d, "lblSample0")->font().pointSize(), 20);
    click(d, "cmdCancel");
    EXPECT_EQ(d.result(), QDialog::Rejected);
  }
  EXPECT_EQ(viewSettings, ViewSettings{});
  EXPECT_FALSE(std::filesystem::exists(viewDat));
  EXPECT_EQ(std::tuple(prompts.allAnswersUsed(), prompts.unexpected), std::tuple(true, 0));
}

TEST_F(SheetViewTest, SettingsDialogStoresRoundedValuesOnlyWhenTheFileIsWritten) {
  auto fill = [&](ViewSettingDialog& d) {
    type(d, "txtBlocks", "3.5");
    type(d, "txtMarginV", " 2.5cm");
    type(d, "txtHeaderMargin", "abc");
    child<QSlider>(d, "sldNumPos")->setValue(7);
    EXPECT_EQ(child<QLabel>(d, "lblNumPos")->text(), "7");
    QFont font(QStringLiteral("IPAGothic"), 20);
    font.setUnderline(true);
    prompts.answerFont(font);
    click(d, "cmdHeaderFont1");
    click(d, "cmdOK");
  };
  {
    // The folder does not exist: the failure is told and memory keeps the old viewSettings.
    writeAll(dir / "file", "");  // a folder that cannot be made
    context.viewSettingsFile = dir / "file" / "view.dat";
    ViewSettingDialog d(context, nullptr);
    fill(d);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_TRUE(prompts.shown[0].text.contains("view.dat")) << prompts.shown[0].text.toStdString();
    EXPECT_NE(d.result(), QDialog::Accepted);
    EXPECT_EQ(viewSettings, ViewSettings{});
  }
  context.viewSettingsFile = viewDat;
  ViewSettingDialog d(context, nullptr);
  fill(d);
  EXPECT_EQ(d.result(), QDialog::Accepted);
  ViewSettings expected;
  std::tie(expected.SheetBlocks, expected.SheetMarginV, expected.HeaderMargin, expected.NumPos) =
      std::make_tuple(4, 2, 0, 7);
  expected.NumberFont = FontSpec{"IPAGothic", 20, false, false, true, false};
  EXPECT_EQ(viewSettings, expected);
  expected.NumberFont.underline = false;  // the file keeps name, size, bold and italic only
  EXPECT_EQ(LoadViewSettings(viewDat), expected);
}

// Swatch n is given the colour (n + 1, 0, 0) and style list n the style n + 1: each writes the
// setting its label names.
TEST_F(SheetViewTest, EachSwatchAndLineStyleListWritesItsOwnSetting) {
  ViewSettingDialog d(context, nullptr);
  for (int n = 0; n < 9; ++n) {
    prompts.answerColor(QColor(n + 1, 0, 0));
    click(d, QStringLiteral("picColor%1").arg(n).toLatin1().constData());
  }
  for (int n = 0; n < 4; ++n) child<QComboBox>(d, QStringLiteral("cmbLineStyle%1").arg(n))->setCurrentIndex(n + 1);
  click(d, "cmdOK");
  const ViewSettings& s = viewSettings;
  // 背景色, 1,3拍目, 2,4拍目, 枠線, 小節区切り, 拍区切り, the header's 文字属性, 1P2P区切り and
  // the numbers' 文字属性.
  EXPECT_EQ(std::tuple(s.SheetBackColor, s.Beat13Color, s.Beat24Color, s.FrameColor, s.MeasureLineColor,
                       s.BeatLineColor, s.HeaderColor, s.PlayerLineColor, s.NumberColor),
            std::tuple(rgb(1, 0, 0), rgb(2, 0, 0), rgb(3, 0, 0), rgb(4, 0, 0), rgb(5, 0, 0), rgb(6, 0, 0), rgb(7, 0, 0),
                       rgb(8, 0, 0), rgb(9, 0, 0)));
  EXPECT_EQ(std::tuple(s.FrameStyle, s.MeasureLineStyle, s.BeatLineStyle, s.PlayerLineStyle),
            std::tuple(LineStyle::Dash, LineStyle::Dot, LineStyle::DashDot, LineStyle::DashDotDot));
}

// One measure per column draws a 40-measure sheet but not a 471-measure one: refused with the
// reason, the dialog stays open and nothing is written.
TEST_F(SheetViewTest, SettingsDialogRefusesWhatTheOpenChartCannotDraw) {
  for (int measures : {471, 40}) {
    catalogue.SongList[0].Measures = static_cast<int16_t>(measures);
    ViewSettingDialog d(context, nullptr);
    d.show();
    type(d, "txtBlocks", "1");
    click(d, "cmdOK");
    EXPECT_EQ(std::tuple(d.isVisible(), std::filesystem::exists(viewDat)), std::tuple(measures == 471, measures == 40));
  }
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].title, QStringLiteral("設定に不備があります"));
  EXPECT_TRUE(prompts.shown[0].text.contains("471")) << prompts.shown[0].text.toStdString();
}

// Settings too large for the chart (stored earlier, or fine for a shorter chart) still open the
// window, with 設定 and the reason naming view.dat; put right there, the sheet is drawn.
TEST_F(SheetViewTest, AnUndrawableSheetStillOpensTheWindowToPutTheSettingsRight) {
  viewSettings.SheetBlocks = 600;
  withModal([&] { showSheetView(context, nullptr); },
            [&](QDialog& view) {
              const auto close = qScopeGuard([&] { view.reject(); });
              ASSERT_EQ(prompts.shown.size(), 1u);
              EXPECT_TRUE(prompts.shown[0].text.contains(QString::fromStdString(viewDat.string())))
                  << prompts.shown[0].text.toStdString();
              EXPECT_FALSE(child<QAction>(view, "M_ImageOut")->isEnabled());
              withModal([&] { child<QAction>(view, "M_Property")->trigger(); },
                        [](QDialog& d) {
                          type(d, "txtBlocks", "8");
                          click(d, "cmdOK");
                        });
              EXPECT_EQ(static_cast<SheetView&>(view).sheet().size(), QSize(401, 573));
            });
}

TEST_F(SheetViewTest, ExportTakesTheFormatFromTheChosenType) {
  SheetView view(context, nullptr);
  ASSERT_TRUE(view.renderSheet().ok());
  QAction* imageOut = child<QAction>(view, "M_ImageOut");

  // JPEG chosen, name ending in .png: JPEG data, progressive as asked.
  const QString named = QString::fromStdString((dir / "sheet.png").string());
  prompts.answerSave(Prompts::FileChoice{named, 2});
  withModal([&] { imageOut->trigger(); },
            [](QDialog& d) {
              EXPECT_EQ(std::pair(d.objectName(), child<QLabel>(d, "lblValue")->text()),
                        std::pair(QStringLiteral("frmSaveJPEG"), QStringLiteral("95")));
              click(d, "chkProgressive");
              click(d, "cmdOK");
            });
  ASSERT_EQ(prompts.fileDialogs.size(), 1u);
  EXPECT_EQ(prompts.fileDialogs[0].title, QStringLiteral("画像出力"));
  const std::string jpeg = readAll(dir / "sheet.png");
  EXPECT_EQ(std::tuple(jpeg.substr(0, 2), jpeg.find("\xFF\xC2") != std::string::npos),
            std::tuple(std::string("\xFF\xD8"), true));

  // PNG chosen, options dialog closed without OK: nothing written. The last choice is offered.
  const QString other = QString::fromStdString((dir / "other.png").string());
  prompts.answerSave(Prompts::FileChoice{other, 1});
  EXPECT_EQ(modalOf([&] { imageOut->trigger(); }), "frmSavePNG");
  EXPECT_EQ(std::pair(prompts.fileDialogs[1].initialPath, prompts.fileDialogs[1].initialFilterIndex),
            std::pair(named, 2));
  EXPECT_FALSE(std::filesystem::exists(dir / "other.png"));

  // A bitmap into a folder that is not there: told, naming the file.
  prompts.answerSave(Prompts::FileChoice{QString::fromStdString((dir / "gone" / "sheet.bmp").string()), 3});
  imageOut->trigger();
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_TRUE(prompts.shown[0].text.contains("sheet.bmp")) << prompts.shown[0].text.toStdString();
  EXPECT_EQ(prompts.unexpected, 0);
}

// 印刷 through a print dialog that prints to a PDF file, and PDFに出力 right below it, write
// paged PDFs; cancelling either says nothing, a failed write says so.
TEST_F(SheetViewTest, PrintAndPdfOutputWritePagedFiles) {
  SheetView view(context, nullptr);
  ASSERT_TRUE(view.renderSheet().ok());
  const QList<QAction*> items = child<QMenu>(view, "M_Output")->actions();
  ASSERT_EQ(items.size(), 3);
  EXPECT_EQ(std::tuple(items[1]->objectName(), items[1]->isVisible(), items[1]->isEnabled()),
            std::tuple(QStringLiteral("M_PrintOut"), true, true));
  EXPECT_EQ(items[2]->text(), QStringLiteral("PDFに出力(&D)..."));

  const std::filesystem::path printed = dir / "printed.pdf";
  prompts.answerPrint([&](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(printed.string()));
    return true;
  });
  prompts.answerPrint([](QPrinter&) { return false; });
  items[1]->trigger();
  items[1]->trigger();
  prompts.answerSave(Prompts::FileChoice{QString::fromStdString((dir / "saved.pdf").string()), 1});
  prompts.answerSave(std::nullopt);
  items[2]->trigger();
  items[2]->trigger();
  EXPECT_EQ(readAll(printed).substr(0, 5), "%PDF-");
  EXPECT_EQ(readAll(dir / "saved.pdf").substr(0, 5), "%PDF-");
  EXPECT_EQ(prompts.fileDialogs.at(1).initialPath, QString::fromStdString((dir / "saved.pdf").string()));
  EXPECT_TRUE(prompts.shown.empty());

  prompts.answerSave(Prompts::FileChoice{QString::fromStdString((dir / "gone" / "x.pdf").string()), 1});
  items[2]->trigger();
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_TRUE(prompts.shown[0].text.contains("x.pdf")) << prompts.shown[0].text.toStdString();
  EXPECT_EQ(std::tuple(prompts.allAnswersUsed(), prompts.unexpected), std::tuple(true, 0));
}

// One column of 40 measures is narrower than the menu bar: the window still shows 設定. Esc
// closes it, also once one of its menus has been dismissed with Esc, which leaves the focus with
// the menu bar.
TEST_F(SheetViewTest, ANarrowSheetShowsTheWholeMenuBarAndEscAlwaysCloses) {
  viewSettings.SheetBlocks = 40;
  SheetView view(context, nullptr);
  view.show();
  ASSERT_TRUE(view.renderSheet().ok());
  const QMenuBar* bar = view.findChild<QMenuBar*>();
  EXPECT_LE(bar->actionGeometry(child<QAction>(view, "M_Property")).right(), bar->width());
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  QTest::keyClick(&view, Qt::Key_O, Qt::AltModifier);
  ASSERT_NE(QApplication::activePopupWidget(), nullptr);
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
  ASSERT_NE(QApplication::focusWidget(), nullptr);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_FALSE(view.isVisible());
}

TEST(SheetScrollLayoutTest, BarsOnlyWhereTheSheetDoesNotFit) {
  EXPECT_EQ(layoutScrollBars({800, 600}, {300, 200}, 16, 16).client, QSize(300, 200));
  // Too wide and at most one bar taller than the client area: one bar, the window grows.
  const ScrollLayout wide = layoutScrollBars({800, 600}, {1000, 610}, 16, 16);
  EXPECT_EQ(std::make_tuple(wide.state, wide.hMax, wide.hPage, wide.client),
            std::make_tuple(1, 200, 800, QSize(800, 626)));
  const ScrollLayout both = layoutScrollBars({800, 600}, {1000, 900}, 16, 16);
  EXPECT_EQ(both.state, 3);
  EXPECT_EQ(both.hBar, QRect(0, 584, 784, 16));
  EXPECT_EQ(std::make_tuple(both.hMax, both.hPage, both.vMax, both.vPage), std::make_tuple(216, 784, 316, 584));
}

}  // namespace
}  // namespace tarveno

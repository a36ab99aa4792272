#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <functional>

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
  EXPECT_TRUE(viewSettings == ViewSettings{} && !std::filesystem::exists(viewDat));
  EXPECT_TRUE(prompts.allAnswersUsed() && prompts.unexpected == 0);
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
    prompts.answerColor(QColor(10, 20, 30));
    click(d, "cmdHeaderFont1");
    click(d, "picColor8");
    click(d, "cmdOK");
  };
  {
    // The folder does not exist: the failure is told and memory keeps the old viewSettings.
    writeAll(dir / "file", "");  // a folder that cannot be made
    context.viewSettingsFile = dir / "file" / "view.dat";
    ViewSettingDialog d(context, nullptr);
    fill(d);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_TRUE(prompts.shown[0].text.contains("view.dat") && d.result() != QDialog::Accepted);
    EXPECT_EQ(viewSettings, ViewSettings{});
  }
  context.viewSettingsFile = viewDat;
  ViewSettingDialog d(context, nullptr);
  fill(d);
  EXPECT_EQ(d.result(), QDialog::Accepted);
  ViewSettings expected;
  std::tie(expected.SheetBlocks, expected.SheetMarginV, expected.HeaderMargin, expected.NumPos) =
      std::make_tuple(4, 2, 0, 7);
  expected.NumberColor = rgb(10, 20, 30);
  expected.NumberFont = FontSpec{"IPAGothic", 20, false, false, true, false};
  EXPECT_EQ(viewSettings, expected);
  expected.NumberFont.underline = false;  // the file keeps name, size, bold and italic only
  EXPECT_EQ(LoadViewSettings(viewDat), expected);
}

TEST_F(SheetViewTest, PropertyRendersAgainAndExportTakesTheFormatFromTheChosenType) {
  SheetView view(context, nullptr);
  ASSERT_TRUE(view.renderSheet().ok());
  const int height = view.sheet().height();
  withModal([&] { child<QAction>(view, "M_Property")->trigger(); },
            [](QDialog& d) {
              type(d, "txtBlocks", "4");
              click(d, "cmdOK");
            });
  EXPECT_EQ(view.sheet().height(), height - 4 * 64);

  QAction* imageOut = child<QAction>(view, "M_ImageOut");
  EXPECT_FALSE(child<QAction>(view, "M_PrintOut")->isVisible());

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
  EXPECT_EQ(std::pair(prompts.fileDialogs[0].title, prompts.fileDialogs[0].filter),
            std::pair(QStringLiteral("画像出力"),
                      QStringLiteral("PNG(*.png)|*.png|JPEG(*.jpg; *.jpeg)|*.jpg;*.jpeg|ビットマップ(*.bmp)|*.bmp")));
  const std::string jpeg = readAll(dir / "sheet.png");
  EXPECT_TRUE(jpeg.starts_with("\xFF\xD8") && jpeg.find("\xFF\xC2") != std::string::npos);

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
  EXPECT_TRUE(prompts.shown[0].text.contains("sheet.bmp") && prompts.unexpected == 0);

  viewSettings.SheetBlocks = 0;  // as a damaged file could leave it: told instead of opening
  EXPECT_FALSE(showSheetView(context, nullptr));
  ASSERT_EQ(prompts.shown.size(), 2u);
  EXPECT_TRUE(prompts.shown[1].text.contains("１行の小節数"));
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

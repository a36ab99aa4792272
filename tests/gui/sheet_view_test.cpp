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
#include "gui/sheet/scroll_layout.h"
#include "gui/sheet/sheet_view.h"
#include "gui/sheet/view_setting_dialog.h"
#include "gui/gui_test_helpers.h"
#include "support/scripted_prompts.h"
#include "support/test_catalogue.h"
#include "support/test_paths.h"

namespace tarveno {
namespace {

using testing::readAll;
using testing::ScriptedPrompts;
using testing::TempDir;

// Runs `handle` on the next modal dialog once it is up (the code under test is inside exec()).
void onNextDialog(std::function<void(QDialog&)> handle) {
  QTimer::singleShot(0, [handle] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) handle(*dialog);
  });
}

template <class W>
W* child(QObject& parent, const QString& name) {
  W* w = parent.findChild<W*>(name);
  EXPECT_NE(w, nullptr) << name.toStdString();
  return w;
}

void click(QObject& parent, const char* name) {
  QTest::mouseClick(child<QWidget>(parent, QString::fromLatin1(name)), Qt::LeftButton);
}

class SheetViewTest : public ::testing::Test, public testing::AppParts {
 protected:
  SheetViewTest() : AppParts(testing::oneSongCatalogue(40)) {}

  void type(QDialog& d, const char* name, const char* text) {
    child<QLineEdit>(d, QString::fromLatin1(name))->setText(QString::fromUtf8(text));
  }

  TempDir dir;
  std::filesystem::path viewDat = dir / "view.dat";
};

TEST_F(SheetViewTest, SettingsDialogRefusesBlocksBelowOneAndCancelDiscardsEverything) {
  {
    ViewSettingDialog d(context, viewDat, nullptr);
    prompts.answerColor(QColor(1, 2, 3));
    click(d, "picColor2");
    type(d, "txtBlocks", "0.9");
    click(d, "cmdOK");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].title, "TARVENO");
    EXPECT_EQ(prompts.shown[0].text, "１行の小節数は1以上にしてください。");
    EXPECT_EQ(d.result(), QDialog::Accepted);  // closes as accepted, with nothing stored
  }
  {
    ViewSettingDialog d(context, viewDat, nullptr);
    prompts.answerColor(QColor(1, 2, 3));
    prompts.answerFont(QFont(QStringLiteral("IPAGothic"), 20));
    click(d, "picColor0");
    click(d, "cmdHeaderFont0");
    EXPECT_EQ(child<QLabel>(d, QStringLiteral("lblSample0"))->font().pointSize(), 20);
    click(d, "cmdCancel");
    EXPECT_EQ(d.result(), QDialog::Rejected);
  }
  EXPECT_EQ(viewSettings, ViewSettings{});
  EXPECT_FALSE(std::filesystem::exists(viewDat));
  EXPECT_TRUE(prompts.allAnswersUsed());
  EXPECT_EQ(prompts.unexpected, 0);
}

TEST_F(SheetViewTest, SettingsDialogStoresRoundedValuesOnlyWhenTheFileIsWritten) {
  auto fill = [&](ViewSettingDialog& d) {
    type(d, "txtBlocks", "3.5");
    type(d, "txtMarginV", " 2.5cm");
    type(d, "txtHeaderMargin", "abc");
    child<QSlider>(d, QStringLiteral("sldNumPos"))->setValue(7);
    EXPECT_EQ(child<QLabel>(d, QStringLiteral("lblNumPos"))->text(), "7");
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
    testing::writeAll(dir / "file", "");  // a folder that cannot be made
    ViewSettingDialog d(context, dir / "file" / "view.dat", nullptr);
    fill(d);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_NE(prompts.shown[0].text.indexOf(QStringLiteral("view.dat")), -1);
    EXPECT_NE(d.result(), QDialog::Accepted);
    EXPECT_EQ(viewSettings, ViewSettings{});
  }
  ViewSettingDialog d(context, viewDat, nullptr);
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

TEST_F(SheetViewTest, ExportTakesTheFormatFromTheChosenTypeAndReportsFailures) {
  SheetView view(context, viewDat, nullptr);
  ASSERT_TRUE(view.renderSheet().ok());
  QAction* imageOut = child<QAction>(view, QStringLiteral("M_ImageOut"));
  EXPECT_FALSE(child<QAction>(view, QStringLiteral("M_PrintOut"))->isVisible());

  // JPEG chosen, name ending in .png: JPEG data, progressive as asked.
  const QString named = QString::fromStdString((dir / "sheet.png").string());
  prompts.answerSave(Prompts::FileChoice{named, 2});
  onNextDialog([](QDialog& d) {
    EXPECT_EQ(d.objectName(), "frmSaveJPEG");
    EXPECT_EQ(child<QLabel>(d, QStringLiteral("lblValue"))->text(), "95");
    click(d, "chkProgressive");
    click(d, "cmdOK");
  });
  imageOut->trigger();
  ASSERT_EQ(prompts.fileDialogs.size(), 1u);
  EXPECT_EQ(prompts.fileDialogs[0].title, "画像出力");
  EXPECT_EQ(prompts.fileDialogs[0].filter,
            "PNG(*.png)|*.png|JPEG(*.jpg; *.jpeg)|*.jpg;*.jpeg|ビットマップ(*.bmp)|*.bmp");
  const std::string jpeg = readAll(dir / "sheet.png");
  EXPECT_EQ(jpeg.substr(0, 2), "\xFF\xD8");
  EXPECT_NE(jpeg.find("\xFF\xC2"), std::string::npos);

  // PNG chosen, options dialog closed without OK: nothing written. The last choice is offered.
  const QString other = QString::fromStdString((dir / "other.png").string());
  prompts.answerSave(Prompts::FileChoice{other, 1});
  onNextDialog([](QDialog& d) {
    EXPECT_EQ(d.objectName(), "frmSavePNG");
    d.close();
  });
  imageOut->trigger();
  EXPECT_EQ(prompts.fileDialogs[1].initialPath, named);
  EXPECT_EQ(prompts.fileDialogs[1].initialFilterIndex, 2);
  EXPECT_FALSE(std::filesystem::exists(dir / "other.png"));

  // A bitmap into a folder that is not there: told, naming the file.
  prompts.answerSave(Prompts::FileChoice{QString::fromStdString((dir / "gone" / "sheet.bmp").string()), 3});
  imageOut->trigger();
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_NE(prompts.shown[0].text.indexOf(QStringLiteral("sheet.bmp")), -1);
  EXPECT_EQ(prompts.unexpected, 0);
}

TEST_F(SheetViewTest, PropertyRendersAgainAndARefusedLayoutNeverOpensTheWindow) {
  SheetView view(context, viewDat, nullptr);
  ASSERT_TRUE(view.renderSheet().ok());
  const int height = view.sheet().height();
  onNextDialog([](QDialog& d) {
    d.findChild<QLineEdit*>(QStringLiteral("txtBlocks"))->setText(QStringLiteral("4"));
    click(d, "cmdOK");
  });
  child<QAction>(view, QStringLiteral("M_Property"))->trigger();
  EXPECT_EQ(view.sheet().height(), height - 4 * 64);

  viewSettings.SheetBlocks = 0;  // as a damaged file could leave it: told instead of opening
  EXPECT_FALSE(showSheetView(context, nullptr, viewDat));
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_NE(prompts.shown[0].text.indexOf(QStringLiteral("１行の小節数")), -1);
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

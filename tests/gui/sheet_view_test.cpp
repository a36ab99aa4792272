#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <functional>

#include "gui/app/app_context.h"
#include "gui/sheet/color_swatch.h"
#include "gui/sheet/scroll_layout.h"
#include "gui/sheet/sheet_export.h"
#include "gui/sheet/sheet_view.h"
#include "gui/sheet/view_setting_dialog.h"
#include "render/qt_color.h"
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

class SheetViewTest : public ::testing::Test {
 protected:
  SheetViewTest() : catalogue(testing::oneSongCatalogue(40)) {}

  void type(QDialog& d, const char* name, const char* text) {
    child<QLineEdit>(d, QString::fromLatin1(name))->setText(QString::fromUtf8(text));
  }
  void click(QDialog& d, const QString& name) { QTest::mouseClick(child<QWidget>(d, name), Qt::LeftButton); }

  TempDir dir;
  std::filesystem::path viewDat = dir / "view.dat";
  Catalogue catalogue;
  Document document;
  ViewSettings settings;
  ScriptedPrompts prompts;
  AppContext context{document, catalogue, settings, prompts};
};

TEST_F(SheetViewTest, SettingsDialogRefusesBlocksBelowOneAndCancelDiscardsEverything) {
  {
    ViewSettingDialog d(context, viewDat, nullptr);
    prompts.answerColor(QColor(1, 2, 3));
    click(d, QStringLiteral("picColor2"));
    type(d, "txtBlocks", "0.9");
    click(d, QStringLiteral("cmdOK"));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].title, "TARVENO");
    EXPECT_EQ(prompts.shown[0].text, "１行の小節数は1以上にしてください。");
    EXPECT_EQ(d.result(), QDialog::Accepted);  // closes as accepted, with nothing stored
  }
  {
    ViewSettingDialog d(context, viewDat, nullptr);
    prompts.answerColor(QColor(1, 2, 3));
    QFont font(QStringLiteral("IPAGothic"), 20);
    prompts.answerFont(font);
    click(d, QStringLiteral("picColor0"));
    click(d, QStringLiteral("cmdHeaderFont0"));
    EXPECT_EQ(child<QLabel>(d, QStringLiteral("lblSample0"))->font().pointSize(), 20);
    click(d, QStringLiteral("cmdCancel"));
    EXPECT_EQ(d.result(), QDialog::Rejected);
  }
  EXPECT_EQ(settings, ViewSettings{});
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
    click(d, QStringLiteral("cmdHeaderFont1"));
    click(d, QStringLiteral("picColor8"));
    click(d, QStringLiteral("cmdOK"));
  };
  {
    // The folder does not exist: the failure is told and memory keeps the old settings.
    ViewSettingDialog d(context, dir / "missing" / "view.dat", nullptr);
    fill(d);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_NE(prompts.shown[0].text.indexOf(QStringLiteral("view.dat")), -1);
    EXPECT_NE(d.result(), QDialog::Accepted);
    EXPECT_EQ(settings, ViewSettings{});
  }
  ViewSettingDialog d(context, viewDat, nullptr);
  fill(d);
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(settings.SheetBlocks, 4);
  EXPECT_EQ(settings.SheetMarginV, 2);
  EXPECT_EQ(settings.HeaderMargin, 0);
  EXPECT_EQ(settings.NumPos, 7);
  EXPECT_EQ(settings.NumberColor, rgb(10, 20, 30));
  EXPECT_TRUE(settings.NumberFont.underline);
  EXPECT_EQ(settings.NumberFont.size, 20);
  ViewSettings reread = LoadViewSettings(viewDat);
  EXPECT_FALSE(reread.NumberFont.underline);  // the file keeps name, size, bold and italic only
  reread.NumberFont.underline = true;
  EXPECT_EQ(reread, settings);
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
    QTest::mouseClick(child<QWidget>(d, QStringLiteral("chkProgressive")), Qt::LeftButton);
    QTest::mouseClick(child<QWidget>(d, QStringLiteral("cmdOK")), Qt::LeftButton);
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
    QTest::mouseClick(child<QWidget>(d, QStringLiteral("cmdOK")), Qt::LeftButton);
  });
  child<QAction>(view, QStringLiteral("M_Property"))->trigger();
  EXPECT_EQ(view.sheet().height(), height - 4 * 64);

  settings.SheetBlocks = 0;  // as a damaged file could leave it
  bool opened = false;
  onNextDialog([&opened](QDialog& d) {
    opened = true;
    d.reject();
  });
  EXPECT_FALSE(showSheetView(context, nullptr, viewDat));
  QApplication::processEvents();
  EXPECT_FALSE(opened);
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_NE(prompts.shown[0].text.indexOf(QStringLiteral("１行の小節数")), -1);
}

TEST(SheetScrollLayoutTest, FourStatesWithTheirMaximaAndPageSteps) {
  // Fits: the window takes the sheet's size.
  EXPECT_EQ(layoutScrollBars({800, 600}, {300, 200}, 16, 16).client, QSize(300, 200));
  // Too wide, and at most one bar taller than the client area: a horizontal bar, window grows.
  ScrollLayout wide = layoutScrollBars({800, 600}, {1000, 610}, 16, 16);
  EXPECT_EQ(wide.state, 1);
  EXPECT_EQ(wide.hBar, QRect(0, 584, 800, 16));
  EXPECT_EQ(std::make_pair(wide.hMax, wide.hPage), std::make_pair(200, 800));
  EXPECT_EQ(wide.client, QSize(800, 626));
  ScrollLayout tall = layoutScrollBars({800, 600}, {500, 900}, 16, 16);
  EXPECT_EQ(tall.state, 2);
  EXPECT_EQ(std::make_pair(tall.vMax, tall.vPage), std::make_pair(300, 600));
  EXPECT_EQ(tall.client, QSize(516, 600));
  ScrollLayout both = layoutScrollBars({800, 600}, {1000, 900}, 16, 16);
  EXPECT_EQ(both.state, 3);
  EXPECT_EQ(both.blind, QRect(784, 584, 16, 16));
  EXPECT_EQ(both.hBar, QRect(0, 584, 784, 16));
  EXPECT_EQ(both.vBar, QRect(784, 0, 16, 584));
  EXPECT_EQ(std::make_pair(both.hMax, both.hPage), std::make_pair(216, 784));
  EXPECT_EQ(std::make_pair(both.vMax, both.vPage), std::make_pair(316, 584));
  EXPECT_EQ(both.client, QSize(800, 600));
}

}  // namespace
}  // namespace tarveno

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include "core/sheet/view_settings.h"
#include "gui/app/app_context.h"
#include "gui/songs/options_dialog.h"
#include "support/scripted_prompts.h"
#include "support/test_paths.h"

namespace tarveno {
namespace {

using testing::ScriptedPrompts;
using testing::TempDir;

class OptionsDialogTest : public ::testing::Test {
 protected:
  OptionsDialogTest() {
    auto& s = catalogue.SongList;
    s[0] = {"Alpha Run", 10, 120, 60, 0b11, 0b100, 0};
    s[1] = {"Beta Step", 499, -1, 80, 0b100, 0b100000, 0};
    s[2] = {"Gamma Line", 32, 150, 100, 0b101, 0, 1};  // has a meter file
    s[3] = {"Delta Wave", 48, 140, 90, 2048 | 1, 128, 0};
    s[4] = {"Echo New", 64, 160, 70, 2048, 0, 0};
    catalogue.folder = folder.path();
  }

  template <class W>
  W* child(OptionsDialog& d, const char* name) {
    W* w = d.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QString selectedSongTitle(OptionsDialog& d) { return child<QComboBox>(d, "cmbTitle")->currentText(); }
  int selectedSong(OptionsDialog& d) { return child<QComboBox>(d, "cmbTitle")->currentData().toInt(); }
  void setText(OptionsDialog& d, const char* name, const QString& text) { child<QLineEdit>(d, name)->setText(text); }
  void clickOk(OptionsDialog& d) { child<QPushButton>(d, "cmdOK")->click(); }

  TempDir folder;
  Catalogue catalogue;
  Document document;
  ViewSettings view;
  ScriptedPrompts prompts;
  AppContext context{document, catalogue, view, prompts};
};

TEST_F(OptionsDialogTest, ControlsCarryTheirNamesAndCaptions) {
  OptionsDialog d(context, nullptr);
  EXPECT_EQ(d.objectName(), "frmOptions");
  EXPECT_EQ(d.windowTitle(), "設定");
  auto* tabs = child<QTabBar>(d, "tbsOptions");
  ASSERT_EQ(tabs->count(), 2);
  EXPECT_EQ(tabs->tabText(0), "mc");
  EXPECT_EQ(tabs->tabText(1), "KRUN");
  child<QWidget>(d, "picOptions0");
  child<QWidget>(d, "picOptions1");

  auto* ver = child<QComboBox>(d, "cmbVer");
  ASSERT_EQ(ver->count(), 12);
  EXPECT_EQ(ver->itemText(0), "ALL");
  EXPECT_EQ(child<QCheckBox>(d, "chkNewOnly")->text(), "新曲のみ");
  for (const char* name : {"cmbTitle", "cmbStyle", "cmbLevel"}) child<QComboBox>(d, name);
  for (const char* name : {"lblCode", "lblSize", "lblBpm"}) child<QLabel>(d, name);
  for (int i = 0; i < 12; ++i) EXPECT_NE(d.findChild<QLabel*>(QStringLiteral("lblInVerAC%1").arg(i)), nullptr) << i;
  for (int i = 0; i < 11; ++i) EXPECT_NE(d.findChild<QLabel*>(QStringLiteral("lblInVerPS%1").arg(i)), nullptr) << i;
  EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("lblInVerPS11")), nullptr);
  for (const char* name : {"txtName", "txtLevel", "txtKRUNTitle", "txtKRUNWidth", "txtKRUNHeight", "txtKRUNComment"}) {
    child<QLineEdit>(d, name);
  }
  EXPECT_EQ(child<QLineEdit>(d, "txtName")->maxLength(), 8);

  auto* style = child<QComboBox>(d, "cmbStyle");
  EXPECT_EQ(style->count(), 3);
  EXPECT_EQ(style->itemText(2), "2 - DOUBLE");
  auto* level = child<QComboBox>(d, "cmbLevel");
  EXPECT_EQ(level->count(), 4);
  EXPECT_EQ(level->itemText(0), "0 - None");
  EXPECT_EQ(level->itemText(3), "3 - MANIAC");

  EXPECT_EQ(child<QPushButton>(d, "cmdAutoTitle")->text(), "自動付加");
  auto* ok = child<QPushButton>(d, "cmdOK");
  EXPECT_EQ(ok->text(), "OK");
  EXPECT_TRUE(ok->isDefault());
  EXPECT_EQ(child<QPushButton>(d, "cmdCancel")->text(), "ｷｬﾝｾﾙ");

  // Captions that stand beside the controls.
  QStringList captions;
  for (QLabel* l : d.findChildren<QLabel*>()) captions << l->text();
  for (const char* text : {"曲選択", "ID:", "小節数:", "bpm:", "AC", "PS", "EDIT名", "プレイスタイル", "難易度",
                           "(0-15)", "譜面タイトル", "列数", "高さ", "コメント"}) {
    EXPECT_TRUE(captions.contains(QString::fromUtf8(text))) << text;
  }
}

TEST_F(OptionsDialogTest, LoadSettingsShowsTheHeader) {
  Chart& c = document.chart;
  c.SongIndex = 2;
  c.PlayStyle = 1;
  c.Difficulty = 0x27;
  c.EditName = "ABC";
  c.KrunTitle = "My title";
  c.KrunWidth = 0;
  c.KrunHeight = 12;
  c.KrunComment = "note";
  OptionsDialog d(context, nullptr);

  EXPECT_EQ(child<QComboBox>(d, "cmbVer")->currentIndex(), 0);
  EXPECT_EQ(child<QComboBox>(d, "cmbTitle")->count(), 5);
  EXPECT_EQ(selectedSong(d), 2);
  EXPECT_EQ(selectedSongTitle(d), "Gamma Line");
  EXPECT_EQ(child<QLabel>(d, "lblCode")->text(), "0020");
  EXPECT_EQ(child<QLabel>(d, "lblSize")->text(), "100");
  EXPECT_EQ(child<QLabel>(d, "lblBpm")->text(), "150");
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("lblInVerAC%1").arg(i))->isEnabled(), i == 0 || i == 2) << i;
  }
  for (int i = 0; i < 11; ++i) EXPECT_FALSE(d.findChild<QLabel*>(QStringLiteral("lblInVerPS%1").arg(i))->isEnabled());

  EXPECT_EQ(child<QComboBox>(d, "cmbStyle")->currentIndex(), 1);
  EXPECT_EQ(child<QComboBox>(d, "cmbLevel")->currentIndex(), 2);
  EXPECT_EQ(child<QLineEdit>(d, "txtLevel")->text(), "7");
  EXPECT_EQ(child<QLineEdit>(d, "txtName")->text(), "ABC");
  EXPECT_EQ(child<QLineEdit>(d, "txtKRUNTitle")->text(), "My title");
  EXPECT_EQ(child<QLineEdit>(d, "txtKRUNWidth")->text(), "");
  EXPECT_EQ(child<QLineEdit>(d, "txtKRUNHeight")->text(), "12");
  EXPECT_EQ(child<QLineEdit>(d, "txtKRUNComment")->text(), "note");

  EXPECT_EQ(child<QTabBar>(d, "tbsOptions")->currentIndex(), 0);
  EXPECT_FALSE(child<QWidget>(d, "picOptions0")->isHidden());
  EXPECT_TRUE(child<QWidget>(d, "picOptions1")->isHidden());

  auto* title = child<QComboBox>(d, "cmbTitle");
  title->setCurrentIndex(1);
  EXPECT_EQ(child<QLabel>(d, "lblCode")->text(), "01F3");
  EXPECT_EQ(child<QLabel>(d, "lblBpm")->text(), "???");
  EXPECT_TRUE(d.findChild<QLabel*>(QStringLiteral("lblInVerPS5"))->isEnabled());
}

TEST_F(OptionsDialogTest, EditionFiltersNewOnlyAndTheRememberedSelection) {
  document.chart.SongIndex = 2;
  OptionsDialog d(context, nullptr);
  auto* ver = child<QComboBox>(d, "cmbVer");
  auto* newOnly = child<QCheckBox>(d, "chkNewOnly");
  auto* title = child<QComboBox>(d, "cmbTitle");

  ver->setCurrentIndex(3);
  EXPECT_EQ(title->count(), 2);
  EXPECT_EQ(selectedSong(d), 2);  // Gamma Line is in the second edition too
  EXPECT_TRUE(newOnly->isEnabled());

  newOnly->click();
  ASSERT_EQ(title->count(), 1);
  EXPECT_EQ(selectedSongTitle(d), "Beta Step");  // Gamma Line is older, so the first entry
  EXPECT_EQ(child<QLabel>(d, "lblCode")->text(), "01F3");

  ver->setCurrentIndex(9);
  EXPECT_FALSE(newOnly->isEnabled());
  EXPECT_EQ(title->count(), 1);
  EXPECT_EQ(selectedSongTitle(d), "Alpha Run");
  ver->setCurrentIndex(0);
  EXPECT_FALSE(newOnly->isEnabled()) << "ALL leaves the check box as it was";
  EXPECT_EQ(title->count(), 5);
  EXPECT_EQ(selectedSong(d), 0);
  ver->setCurrentIndex(1);
  EXPECT_TRUE(newOnly->isEnabled());
  EXPECT_EQ(title->count(), 1);  // still ticked: only the song new in the newest edition
  EXPECT_EQ(selectedSongTitle(d), "Echo New");
}

TEST_F(OptionsDialogTest, CtrlTabCyclesThroughTheTabsFromAnyControl) {
  OptionsDialog d(context, nullptr);
  auto* tabs = child<QTabBar>(d, "tbsOptions");
  auto* panel0 = child<QWidget>(d, "picOptions0");
  auto* panel1 = child<QWidget>(d, "picOptions1");

  QTest::keyClick(child<QLineEdit>(d, "txtName"), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(tabs->currentIndex(), 1);
  EXPECT_TRUE(panel0->isHidden());
  EXPECT_FALSE(panel1->isHidden());
  QTest::keyClick(child<QLineEdit>(d, "txtKRUNComment"), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(tabs->currentIndex(), 0);
  EXPECT_FALSE(panel0->isHidden());
  QTest::keyClick(child<QComboBox>(d, "cmbTitle"), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(tabs->currentIndex(), 1);

  // Only Ctrl alone counts; plain Tab and Ctrl+Shift+Tab leave the tab alone.
  QTest::keyClick(child<QLineEdit>(d, "txtKRUNTitle"), Qt::Key_Tab);
  QTest::keyClick(child<QLineEdit>(d, "txtKRUNTitle"), Qt::Key_Tab, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(tabs->currentIndex(), 1);

  tabs->setCurrentIndex(0);  // a click on the tab strip switches the panels as well
  EXPECT_FALSE(panel0->isHidden());
  EXPECT_TRUE(panel1->isHidden());
}

TEST_F(OptionsDialogTest, AutoTitleJoinsSongAndEditName) {
  document.chart.SongIndex = 1;
  OptionsDialog d(context, nullptr);
  setText(d, "txtName", "XY");
  child<QPushButton>(d, "cmdAutoTitle")->click();
  EXPECT_EQ(child<QLineEdit>(d, "txtKRUNTitle")->text(), "Beta Step EDIT [XY]");
}

TEST_F(OptionsDialogTest, OkStoresTheHeaderWithTheFootLevelRounded) {
  OptionsDialog d(context, nullptr);
  child<QComboBox>(d, "cmbTitle")->setCurrentIndex(4);
  child<QComboBox>(d, "cmbStyle")->setCurrentIndex(2);
  child<QComboBox>(d, "cmbLevel")->setCurrentIndex(3);
  setText(d, "txtLevel", "14.6");
  setText(d, "txtName", "NEW}ONE");
  setText(d, "txtKRUNTitle", "Title");
  setText(d, "txtKRUNWidth", "7.5");
  setText(d, "txtKRUNHeight", "");
  setText(d, "txtKRUNComment", "comment");
  clickOk(d);

  EXPECT_TRUE(d.settingsAccepted());
  EXPECT_EQ(d.result(), QDialog::Accepted);
  const Chart& c = document.chart;
  EXPECT_EQ(c.SongIndex, 4);
  EXPECT_EQ(c.PlayStyle, 2);
  EXPECT_EQ(c.Difficulty, 3 * 16 + 15);
  EXPECT_EQ(c.EditName, "NEW}ONE");
  EXPECT_EQ(c.KrunTitle, "Title");
  EXPECT_EQ(c.KrunWidth, 8);
  EXPECT_EQ(c.KrunHeight, 0);
  EXPECT_EQ(c.KrunComment, "comment");
  EXPECT_TRUE(document.Modified);
  EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(OptionsDialogTest, LettersOrAnEmptyFootLevelCountAsZero) {
  for (const char* text : {"abc", ""}) {
    document.chart.Difficulty = 0x15;
    OptionsDialog d(context, nullptr);
    setText(d, "txtLevel", QString::fromUtf8(text));
    clickOk(d);
    EXPECT_TRUE(d.settingsAccepted()) << text;
    EXPECT_EQ(document.chart.Difficulty, 0x10) << text;
  }
}

TEST_F(OptionsDialogTest, RefusedInputStoresNothingButMarksTheChartModified) {
  struct Case {
    const char* level;
    const char* name;
    const char* width;
    const char* message;
  };
  const Case cases[] = {
      {"15.4", "OK", "", "難易度は0～15の整数で指定して下さい。"},
      {"-0.4", "OK", "", "難易度は0～15の整数で指定して下さい。"},
      {"3", "A~B", "", "EDIT名は半角英数字８文字以内にして下さい。"},
      {"3", "名前", "", "EDIT名は半角英数字８文字以内にして下さい。"},
      {"3", "OK", "40000", "列数は-32768～32767の範囲で指定して下さい。"},
  };
  for (const Case& k : cases) {
    document = Document{};
    document.chart.EditName = "OLD";
    prompts.shown.clear();
    OptionsDialog d(context, nullptr);
    setText(d, "txtLevel", QString::fromUtf8(k.level));
    setText(d, "txtName", QString::fromUtf8(k.name));
    setText(d, "txtKRUNWidth", QString::fromUtf8(k.width));
    child<QComboBox>(d, "cmbStyle")->setCurrentIndex(2);
    clickOk(d);

    EXPECT_FALSE(d.settingsAccepted()) << k.level << k.name;
    EXPECT_NE(d.result(), QDialog::Accepted);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].title, "Error");
    EXPECT_EQ(prompts.shown[0].text, QString::fromUtf8(k.message));
    EXPECT_EQ(prompts.shown[0].buttons, Prompts::Buttons::Ok);
    EXPECT_EQ(prompts.shown[0].icon, Prompts::Icon::Exclamation);
    EXPECT_EQ(document.chart.EditName, "OLD");
    EXPECT_EQ(document.chart.PlayStyle, 0);
    EXPECT_EQ(document.chart.Difficulty, 1);
    EXPECT_TRUE(document.Modified);
    // The input stays for the user to correct.
    EXPECT_EQ(child<QLineEdit>(d, "txtName")->text(), QString::fromUtf8(k.name));
  }
}

TEST_F(OptionsDialogTest, CancelEscapeAndTheWindowFrameStoreNothing) {
  for (int way = 0; way < 3; ++way) {
    document = Document{};
    document.chart.KrunWidth = 5;
    OptionsDialog d(context, nullptr);
    d.show();
    setText(d, "txtName", "CHANGED");
    setText(d, "txtKRUNWidth", "99");
    child<QComboBox>(d, "cmbTitle")->setCurrentIndex(3);
    if (way == 0) child<QPushButton>(d, "cmdCancel")->click();
    if (way == 1) QTest::keyClick(&d, Qt::Key_Escape);
    if (way == 2) d.close();
    EXPECT_EQ(d.result(), QDialog::Rejected) << way;
    EXPECT_FALSE(d.isVisible()) << way;
    EXPECT_EQ(document.chart.EditName, "") << way;
    EXPECT_EQ(document.chart.KrunWidth, 5) << way;
    EXPECT_EQ(document.chart.SongIndex, 0) << way;
    EXPECT_FALSE(document.Modified) << way;
  }
}

TEST_F(OptionsDialogTest, OkWithAnEmptySongListKeepsTheSong) {
  document.chart.SongIndex = 3;
  OptionsDialog d(context, nullptr);
  child<QComboBox>(d, "cmbVer")->setCurrentIndex(6);  // no song of that edition
  EXPECT_EQ(child<QComboBox>(d, "cmbTitle")->count(), 0);
  EXPECT_EQ(child<QLabel>(d, "lblCode")->text(), "");
  setText(d, "txtName", "KEEP");
  clickOk(d);
  EXPECT_TRUE(d.settingsAccepted());
  EXPECT_EQ(document.chart.SongIndex, 3);
  EXPECT_EQ(document.chart.EditName, "KEEP");
}

TEST_F(OptionsDialogTest, AWidthOfZeroStaysEmptyAndIsStoredAsZero) {
  document.chart.KrunWidth = 0;
  document.chart.KrunHeight = 0;
  OptionsDialog d(context, nullptr);
  EXPECT_EQ(child<QLineEdit>(d, "txtKRUNWidth")->text(), "");
  EXPECT_EQ(child<QLineEdit>(d, "txtKRUNHeight")->text(), "");
  clickOk(d);
  EXPECT_EQ(document.chart.KrunWidth, 0);
  EXPECT_EQ(document.chart.KrunHeight, 0);
}

TEST_F(OptionsDialogTest, OkLoadsTheMeterListOfTheStoredSong) {
  testing::writeAll(folder / "20s.dat", "0,4\r\n10,3\r\n");
  document.meterSegs[5].FirstMeasure = 77;
  {
    OptionsDialog d(context, nullptr);
    child<QComboBox>(d, "cmbTitle")->setCurrentIndex(2);  // Gamma Line, code 32, MeterFlag 1
    clickOk(d);
  }
  EXPECT_EQ(document.meterSegs[1].FirstMeasure, 10);
  EXPECT_EQ(document.meterSegs[1].BeatsPerMeasure, 3);
  EXPECT_EQ(document.meterSegs[2].FirstMeasure, 999);
  EXPECT_EQ(document.meterSegs[5].FirstMeasure, 77);

  // A song without a meter file leaves the list alone.
  const MeterSegs before = document.meterSegs;
  {
    OptionsDialog d(context, nullptr);
    child<QComboBox>(d, "cmbTitle")->setCurrentIndex(1);
    clickOk(d);
  }
  EXPECT_EQ(document.meterSegs[1].FirstMeasure, before[1].FirstMeasure);
  EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(OptionsDialogTest, AMissingMeterFileIsReportedAndTheHeaderStillStored) {
  OptionsDialog d(context, nullptr);
  child<QComboBox>(d, "cmbTitle")->setCurrentIndex(2);
  setText(d, "txtName", "METER");
  clickOk(d);
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].title, "Error");
  EXPECT_TRUE(prompts.shown[0].text.contains("20s.dat")) << prompts.shown[0].text.toStdString();
  EXPECT_TRUE(d.settingsAccepted());
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(document.chart.SongIndex, 2);
  EXPECT_EQ(document.chart.EditName, "METER");
}

TEST_F(OptionsDialogTest, AClassTheListDoesNotOfferIsKept) {
  document.chart.Difficulty = 0x52;  // class 5 from a file
  OptionsDialog d(context, nullptr);
  EXPECT_EQ(child<QComboBox>(d, "cmbLevel")->currentIndex(), -1);
  setText(d, "txtLevel", "9");
  clickOk(d);
  EXPECT_EQ(document.chart.Difficulty, 0x59);
}

}  // namespace
}  // namespace tarveno

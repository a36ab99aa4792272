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
#include "gui/gui_test_helpers.h"
#include "gui/songs/options_dialog.h"
#include "support/scripted_prompts.h"
#include "support/test_paths.h"

namespace tarveno {
namespace {

using testing::ScriptedPrompts;
using testing::TempDir;

class OptionsDialogTest : public ::testing::Test, public testing::AppParts {
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
  QComboBox* combo(OptionsDialog& d, const char* name) { return child<QComboBox>(d, name); }
  QString label(OptionsDialog& d, const char* name) { return child<QLabel>(d, name)->text(); }
  QString field(OptionsDialog& d, const char* name) { return child<QLineEdit>(d, name)->text(); }
  // The edition labels lblInVer<kind>0.. as "1" enabled, "0" disabled, "-" missing.
  QString editions(OptionsDialog& d, const char* kind, int count) {
    QString bits;
    for (int i = 0; i < count; ++i) {
      auto* l = d.findChild<QLabel*>(QStringLiteral("lblInVer%1%2").arg(QLatin1String(kind)).arg(i));
      bits += !l ? '-' : l->isEnabled() ? '1' : '0';
    }
    return bits;
  }
  int selectedSong(OptionsDialog& d) { return combo(d, "cmbTitle")->currentData().toInt(); }
  // Types (name, UTF-8 text) pairs into the line edits.
  void type(OptionsDialog& d, std::initializer_list<std::pair<const char*, const char*>> texts) {
    for (const auto& [name, text] : texts) child<QLineEdit>(d, name)->setText(QString::fromUtf8(text));
  }
  void clickOk(OptionsDialog& d) { child<QPushButton>(d, "cmdOK")->click(); }

  TempDir folder;
};

TEST_F(OptionsDialogTest, OpensWithNamedCaptionedControlsShowingTheHeader) {
  Chart& c = document.chart;
  std::tie(c.SongIndex, c.PlayStyle, c.Difficulty, c.EditName, c.KrunTitle, c.KrunWidth, c.KrunHeight, c.KrunComment) =
      std::make_tuple(2, 1, 0x27, "ABC", "My title", 0, 12, "note");
  OptionsDialog d(context, nullptr);
  EXPECT_EQ(d.objectName(), "frmOptions");
  EXPECT_EQ(d.windowTitle(), "設定");
  auto* tabs = child<QTabBar>(d, "tbsOptions");
  ASSERT_EQ(tabs->count(), 2);
  EXPECT_EQ(tabs->tabText(0), "mc");
  EXPECT_EQ(tabs->tabText(1), "KRUN");
  EXPECT_EQ(tabs->currentIndex(), 0);
  EXPECT_FALSE(child<QWidget>(d, "picOptions0")->isHidden());
  EXPECT_TRUE(child<QWidget>(d, "picOptions1")->isHidden());

  auto* ver = combo(d, "cmbVer");
  ASSERT_EQ(ver->count(), 12);
  EXPECT_EQ(ver->currentIndex(), 0);
  EXPECT_EQ(ver->itemText(0), "ALL");
  for (int i = 1; i < 12; ++i) EXPECT_TRUE(ver->itemText(i).startsWith(i <= 8 ? "AC " : "CS ")) << i;
  auto* style = combo(d, "cmbStyle");
  EXPECT_EQ(style->count(), 3);
  EXPECT_EQ(style->itemText(2), "2 - DOUBLE");
  auto* level = combo(d, "cmbLevel");
  EXPECT_EQ(level->count(), 4);
  EXPECT_EQ(level->itemText(0), "0 - None");
  EXPECT_EQ(level->itemText(3), "3 - MANIAC");
  EXPECT_EQ(child<QLineEdit>(d, "txtName")->maxLength(), 8);
  EXPECT_TRUE(child<QPushButton>(d, "cmdOK")->isDefault());
  const std::pair<const char*, const char*> buttons[] = {
      {"chkNewOnly", "新曲のみ"}, {"cmdAutoTitle", "自動付加"}, {"cmdOK", "OK"}, {"cmdCancel", "ｷｬﾝｾﾙ"}};
  for (const auto& [name, text] : buttons) EXPECT_EQ(child<QAbstractButton>(d, name)->text(), text) << name;
  QStringList captions;
  for (QLabel* l : d.findChildren<QLabel*>()) captions << l->text();
  for (const char* text : {"曲選択", "ID:", "小節数:", "bpm:", "AC", "PS", "EDIT名", "プレイスタイル", "難易度",
                           "(0-15)", "譜面タイトル", "列数", "高さ", "コメント"}) {
    EXPECT_TRUE(captions.contains(QString::fromUtf8(text))) << text;
  }

  // The loaded header.
  EXPECT_EQ(combo(d, "cmbTitle")->count(), 5);
  EXPECT_EQ(selectedSong(d), 2);
  EXPECT_EQ(combo(d, "cmbTitle")->currentText(), "Gamma Line");
  EXPECT_EQ(label(d, "lblCode"), "0020");
  EXPECT_EQ(label(d, "lblSize"), "100");
  EXPECT_EQ(label(d, "lblBpm"), "150");
  EXPECT_EQ(editions(d, "AC", 12), "101000000000");
  EXPECT_EQ(editions(d, "PS", 12), "00000000000-");
  EXPECT_EQ(style->currentIndex(), 1);
  EXPECT_EQ(level->currentIndex(), 2);
  const std::pair<const char*, const char*> fields[] = {
      {"txtLevel", "7"},    {"txtName", "ABC"},      {"txtKRUNTitle", "My title"},
      {"txtKRUNWidth", ""}, {"txtKRUNHeight", "12"}, {"txtKRUNComment", "note"}};
  for (const auto& [name, text] : fields) EXPECT_EQ(field(d, name), text) << name;

  combo(d, "cmbTitle")->setCurrentIndex(1);
  EXPECT_EQ(label(d, "lblCode"), "01F3");
  EXPECT_EQ(label(d, "lblBpm"), "???");
  EXPECT_EQ(editions(d, "AC", 12), "001000000000");
  EXPECT_EQ(editions(d, "PS", 11), "00000100000");
}

TEST_F(OptionsDialogTest, EditionFiltersNewOnlyAndTheRememberedSelection) {
  document.chart.SongIndex = 2;
  OptionsDialog d(context, nullptr);
  auto* ver = combo(d, "cmbVer");
  auto* newOnly = child<QCheckBox>(d, "chkNewOnly");
  auto* title = combo(d, "cmbTitle");

  ver->setCurrentIndex(3);
  EXPECT_EQ(title->count(), 2);
  EXPECT_EQ(selectedSong(d), 2);  // Gamma Line is in the second edition too
  EXPECT_TRUE(newOnly->isEnabled());

  newOnly->click();
  EXPECT_EQ(title->currentText(), "Beta Step");  // Gamma Line is older, so the first entry
  EXPECT_EQ(label(d, "lblCode"), "01F3");

  ver->setCurrentIndex(9);
  EXPECT_FALSE(newOnly->isEnabled());
  EXPECT_EQ(title->currentText(), "Alpha Run");
  ver->setCurrentIndex(0);
  EXPECT_FALSE(newOnly->isEnabled()) << "ALL leaves the check box as it was";
  EXPECT_EQ(title->count(), 5);
  EXPECT_EQ(selectedSong(d), 0);
  ver->setCurrentIndex(1);
  EXPECT_TRUE(newOnly->isEnabled());
  EXPECT_EQ(title->currentText(), "Echo New");  // still ticked: only the song new in the newest edition
}

TEST_F(OptionsDialogTest, CtrlTabCyclesThroughTheTabsFromAnyControl) {
  OptionsDialog d(context, nullptr);
  auto* tabs = child<QTabBar>(d, "tbsOptions");
  auto* panel0 = child<QWidget>(d, "picOptions0");
  auto* panel1 = child<QWidget>(d, "picOptions1");
  auto ctrlTab = [&](const char* name, Qt::KeyboardModifiers mods = Qt::ControlModifier) {
    QTest::keyClick(child<QWidget>(d, name), Qt::Key_Tab, mods);
  };

  ctrlTab("txtName");
  EXPECT_EQ(tabs->currentIndex(), 1);
  EXPECT_TRUE(panel0->isHidden());
  EXPECT_FALSE(panel1->isHidden());
  ctrlTab("txtKRUNComment");
  EXPECT_EQ(tabs->currentIndex(), 0);
  EXPECT_FALSE(panel0->isHidden());
  ctrlTab("cmbTitle");
  EXPECT_EQ(tabs->currentIndex(), 1);

  // Only Ctrl alone counts; plain Tab and Ctrl+Alt+Tab leave the tab alone.
  ctrlTab("txtKRUNTitle", Qt::NoModifier);
  ctrlTab("txtKRUNTitle", Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(tabs->currentIndex(), 1);
}

TEST_F(OptionsDialogTest, OkStoresTheHeaderWithTheFootLevelRounded) {
  OptionsDialog d(context, nullptr);
  combo(d, "cmbTitle")->setCurrentIndex(4);
  combo(d, "cmbStyle")->setCurrentIndex(2);
  combo(d, "cmbLevel")->setCurrentIndex(3);
  type(d, {{"txtLevel", "14.6"}, {"txtName", "NEW}ONE"}});
  child<QPushButton>(d, "cmdAutoTitle")->click();
  type(d, {{"txtKRUNWidth", "7.5"}, {"txtKRUNHeight", ""}, {"txtKRUNComment", "comment"}});
  clickOk(d);

  EXPECT_TRUE(d.settingsAccepted());
  EXPECT_EQ(d.result(), QDialog::Accepted);
  const Chart& c = document.chart;
  EXPECT_EQ(std::tie(c.SongIndex, c.PlayStyle, c.Difficulty, c.EditName, c.KrunTitle, c.KrunWidth, c.KrunHeight,
                     c.KrunComment),
            std::make_tuple(4, 2, 3 * 16 + 15, "NEW}ONE", "Echo New EDIT [NEW}ONE]", 8, 0, "comment"));
  EXPECT_TRUE(document.Modified);
  EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(OptionsDialogTest, RefusedInputStoresNothingButMarksTheChartModified) {
  struct Case {
    const char *level, *name, *width, *message;
  };
  const Case cases[] = {
      {"15.4", "OK", "", "難易度は0～15の整数で指定して下さい。"},
      {"3", "A~B", "", "EDIT名は半角英数字８文字以内にして下さい。"},
      {"3", "OK", "40000", "列数は-32768～32767の範囲で指定して下さい。"},
  };
  for (const Case& k : cases) {
    document = Document{};
    document.chart.EditName = "OLD";
    prompts.shown.clear();
    OptionsDialog d(context, nullptr);
    type(d, {{"txtLevel", k.level}, {"txtName", k.name}, {"txtKRUNWidth", k.width}});
    combo(d, "cmbStyle")->setCurrentIndex(2);
    clickOk(d);

    EXPECT_FALSE(d.settingsAccepted()) << k.level << k.name;
    EXPECT_NE(d.result(), QDialog::Accepted);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].title, "Error");
    EXPECT_EQ(prompts.shown[0].text, QString::fromUtf8(k.message));
    EXPECT_EQ(prompts.shown[0].buttons, Prompts::Buttons::Ok);
    EXPECT_EQ(prompts.shown[0].icon, Prompts::Icon::Exclamation);
    const Chart& c = document.chart;
    EXPECT_EQ(std::tie(c.EditName, c.PlayStyle, c.Difficulty, document.Modified), std::make_tuple("OLD", 0, 1, true));
    EXPECT_EQ(field(d, "txtName"), QString::fromUtf8(k.name)) << "the input stays for the user to correct";
  }
}

TEST_F(OptionsDialogTest, CancelEscapeAndTheWindowFrameStoreNothing) {
  for (int way = 0; way < 3; ++way) {
    document = Document{};
    document.chart.KrunWidth = 5;
    OptionsDialog d(context, nullptr);
    d.show();
    type(d, {{"txtName", "CHANGED"}, {"txtKRUNWidth", "99"}});
    combo(d, "cmbTitle")->setCurrentIndex(3);
    if (way == 0) child<QPushButton>(d, "cmdCancel")->click();
    if (way == 1) QTest::keyClick(&d, Qt::Key_Escape);
    if (way == 2) d.close();
    EXPECT_EQ(d.result(), QDialog::Rejected) << way;
    EXPECT_FALSE(d.isVisible()) << way;
    const Chart& c = document.chart;
    EXPECT_EQ(std::tie(c.EditName, c.KrunWidth, c.SongIndex, document.Modified), std::make_tuple("", 5, 0, false))
        << way;
  }
}

TEST_F(OptionsDialogTest, OkKeepsTheSongAndClassWhenTheListsOfferNone) {
  document.chart.SongIndex = 3;
  document.chart.Difficulty = 0x52;  // class 5 from a file
  OptionsDialog d(context, nullptr);
  EXPECT_EQ(combo(d, "cmbLevel")->currentIndex(), -1);
  EXPECT_EQ(field(d, "txtKRUNHeight"), "") << "a height of zero shows as empty";
  combo(d, "cmbVer")->setCurrentIndex(6);  // no song of that edition
  EXPECT_EQ(combo(d, "cmbTitle")->count(), 0);
  EXPECT_EQ(label(d, "lblCode"), "");
  type(d, {{"txtName", "KEEP"}, {"txtLevel", "9"}});
  clickOk(d);
  EXPECT_TRUE(d.settingsAccepted());
  const Chart& c = document.chart;
  EXPECT_EQ(std::tie(c.SongIndex, c.EditName, c.Difficulty), std::make_tuple(3, "KEEP", 0x59));
}

TEST_F(OptionsDialogTest, OkLoadsTheMeterListOfTheStoredSongAndReportsAMissingFile) {
  auto okWithGammaLine = [&] {  // code 32, with a meter file
    OptionsDialog d(context, nullptr);
    combo(d, "cmbTitle")->setCurrentIndex(2);
    type(d, {{"txtName", "METER"}});
    clickOk(d);
    EXPECT_TRUE(d.settingsAccepted());
    EXPECT_EQ(d.result(), QDialog::Accepted);
  };
  okWithGammaLine();  // the file is not there yet: reported, the header stored anyway
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].title, "Error");
  EXPECT_TRUE(prompts.shown[0].text.contains("20s.dat")) << prompts.shown[0].text.toStdString();
  EXPECT_EQ(document.chart.SongIndex, 2);
  EXPECT_EQ(document.chart.EditName, "METER");

  testing::writeAll(folder / "20s.dat", "0,4\r\n10,3\r\n");
  okWithGammaLine();
  EXPECT_EQ(document.meterSegs[1].FirstMeasure, 10);
  EXPECT_EQ(document.meterSegs[1].BeatsPerMeasure, 3);
  EXPECT_EQ(prompts.shown.size(), 1u);
}

}  // namespace
}  // namespace tarveno

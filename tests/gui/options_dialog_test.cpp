#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "core/chart/header_input.h"
#include "gui/gui_test_helpers.h"
#include "gui/songs/options_dialog.h"
#include "support/test_catalogue.h"
#include "support/test_paths.h"

// The input checks, the song filter and the detail texts are the core's, what the dialog shows
// on opening is in its fixture file; these tests check what reaches the core and what is stored.
namespace tarveno::testing {
namespace {

class OptionsDialogTest : public ::testing::Test, public AppParts {
 protected:
  OptionsDialogTest() : AppParts(editionCatalogue()) { catalogue.folder = folder.path(); }

  QComboBox* combo(const char* name) { return child<QComboBox>(*dialog, name); }
  QString text(const char* name) {
    if (auto* l = dialog->findChild<QLabel*>(name)) return l->text();
    return child<QLineEdit>(*dialog, name)->text();
  }
  // Opens the dialog on the document as it stands.
  void open() { dialog = std::make_unique<OptionsDialog>(context, nullptr); }
  void type(std::initializer_list<std::pair<const char*, const char*>> texts) {
    for (const auto& [name, t] : texts) testing::type(*dialog, name, t);
  }
  void ok() { click(*dialog, "cmdOK"); }
  // The songs listed, by catalogue index, and whether "新曲のみ" is enabled.
  std::pair<QList<int>, bool> listed() {
    QList<int> songs;
    for (int i = 0; i < combo("cmbTitle")->count(); ++i) songs << combo("cmbTitle")->itemData(i).toInt();
    return {songs, child(*dialog, "chkNewOnly")->isEnabled()};
  }

  TempDir folder;
  std::unique_ptr<OptionsDialog> dialog;
};

TEST_F(OptionsDialogTest, TheSongListFollowsTheEditionAndNewOnlyKeepingTheSelectedSong) {
  document.chart.SongIndex = 2;
  open();
  combo("cmbVer")->setCurrentIndex(3);
  EXPECT_EQ(listed(), std::pair(QList<int>{1, 2}, true));
  EXPECT_EQ(combo("cmbTitle")->currentData().toInt(), 2);
  click(*dialog, "chkNewOnly");
  EXPECT_EQ(listed(), std::pair(QList<int>{1}, true));
  EXPECT_EQ(text("lblCode"), "01F3");  // the details follow the new selection
  combo("cmbVer")->setCurrentIndex(9);
  EXPECT_EQ(listed(), std::pair(QList<int>{0}, false));
  combo("cmbVer")->setCurrentIndex(0);
  EXPECT_EQ(listed(), std::pair(QList<int>{0, 1, 2, 3, 4}, false));  // "ALL" leaves the check box as it was
}

TEST_F(OptionsDialogTest, CtrlTabCyclesThroughTheTabsFromAnyControl) {
  open();
  dialog->show();
  QApplication::setActiveWindow(dialog.get());
  auto press = [&](const char* name, Qt::KeyboardModifiers mods) {
    QTest::keyClick(child(*dialog, name), Qt::Key_Tab, mods);
    return std::tuple(child<QTabWidget>(*dialog, "tbsOptions")->currentIndex(),
                      child(*dialog, "picOptions0")->isHidden(), child(*dialog, "picOptions1")->isHidden());
  };
  EXPECT_EQ(press("txtName", Qt::ControlModifier), std::tuple(1, true, false));
  EXPECT_EQ(press("txtKRUNComment", Qt::ControlModifier), std::tuple(0, false, true));
  EXPECT_EQ(press("cmbTitle", Qt::ControlModifier), std::tuple(1, true, false));
  EXPECT_EQ(press("txtKRUNTitle", Qt::NoModifier), std::tuple(1, true, false)) << "Tab alone moves the focus";
}

TEST_F(OptionsDialogTest, OkStoresTheHeaderOrReportsRefusedInput) {
  open();
  combo("cmbTitle")->setCurrentIndex(4);
  combo("cmbStyle")->setCurrentIndex(2);
  combo("cmbLevel")->setCurrentIndex(3);
  type({{"txtLevel", "14.6"}, {"txtName", "NEW}ONE"}});
  click(*dialog, "cmdAutoTitle");
  type({{"txtKRUNWidth", "7.5"}, {"txtKRUNHeight", ""}, {"txtKRUNComment", "comment"}});
  ok();
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  const Chart& c = document.chart;
  EXPECT_EQ(header(c),
            std::tuple(PlayStyle::Double, 3 * 16 + 15, 4, "NEW}ONE", "Echo New EDIT [NEW}ONE]", 8, 0, "comment"));
  EXPECT_EQ(prompts.shown.size(), 0u);

  // A refused input is left to correct; the header stays. The refusal names the field and the
  // first character lost, a control character by its number.
  const std::tuple<const char*, const char*, std::string> refused[] = {
      {"txtName", "A~B", "EDIT名は半角英数字８文字以内にして下さい。"},
      {"txtKRUNTitle", "Café ☃",
       "譜面タイトルに保存できない文字「é」があります。\n改行などの制御文字と、Shift-JISにない文字は使えません。"},
      {"txtKRUNComment", "two\tcolumns",
       "コメントに保存できない文字（制御文字 U+0009）があります。\n改行などの制御文字と、Shift-JISにない文字は使えま"
       "せん。"}};
  for (const auto& [field, input, message] : refused) {
    prompts.shown.clear();
    open();
    type({{"txtLevel", "3"}, {field, input}});
    combo("cmbStyle")->setCurrentIndex(1);
    ok();
    ASSERT_EQ(prompts.shown.size(), 1u) << field;
    EXPECT_EQ(std::tuple(prompts.shown[0].title, prompts.shown[0].text, prompts.shown[0].icon),
              std::tuple(QStringLiteral("Error"), QString::fromStdString(message), Prompts::Icon::Exclamation));
    EXPECT_EQ(std::tie(c.EditName, c.KrunTitle, c.PlayStyle, c.Difficulty),
              std::make_tuple("NEW}ONE", "Echo New EDIT [NEW}ONE]", PlayStyle::Double, 0x3F));
    EXPECT_EQ(std::pair(dialog->result(), text(field)), std::pair(0, QString::fromUtf8(input)));
  }
}

TEST_F(OptionsDialogTest, CancelEscapeAndTheWindowFrameStoreNothing) {
  for (int way = 0; way < 3; ++way) {
    open();
    dialog->show();
    type({{"txtName", "CHANGED"}});
    if (way == 0) click(*dialog, "cmdCancel");
    if (way == 1) QTest::keyClick(dialog.get(), Qt::Key_Escape);
    if (way == 2) dialog->close();
    EXPECT_EQ(std::tuple(dialog->result(), dialog->isVisible(), document.chart.EditName, document.Modified),
              std::tuple(QDialog::Rejected, false, "", false))
        << way;
  }
}

TEST_F(OptionsDialogTest, OkKeepsTheSongAndClassWhenTheListsOfferNone) {
  std::tie(document.chart.SongIndex, document.chart.Difficulty) = std::tuple(3, 0x52);  // class 5 from a file
  open();
  EXPECT_EQ(combo("cmbLevel")->currentIndex(), -1);
  combo("cmbVer")->setCurrentIndex(6);  // no song of that edition
  EXPECT_EQ(std::pair(combo("cmbTitle")->count(), text("lblCode")), std::pair(0, QString()));
  type({{"txtLevel", "9"}});
  ok();
  EXPECT_EQ(std::pair(document.chart.SongIndex, document.chart.Difficulty), std::pair(int16_t{3}, uint8_t{0x59}));
}

TEST_F(OptionsDialogTest, OkLoadsTheMeterListOfTheStoredSongAndReportsAMissingFile) {
  auto okWithGammaLine = [&] {  // code 32, with a meter file
    open();
    combo("cmbTitle")->setCurrentIndex(2);
    ok();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(document.chart.SongIndex, 2);
  };
  okWithGammaLine();  // the file is not there yet: reported, the header stored anyway
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_TRUE(prompts.shown[0].text.contains("20s.dat")) << prompts.shown[0].text.toStdString();
  writeAll(folder / "20s.dat", "0,4\r\n10,3\r\n");
  okWithGammaLine();
  EXPECT_EQ(std::pair(document.meterSegs[1].FirstMeasure, document.meterSegs[1].BeatsPerMeasure),
            std::pair(int16_t{10}, uint8_t{3}));
  EXPECT_EQ(prompts.shown.size(), 1u);
}

}  // namespace
}  // namespace tarveno::testing

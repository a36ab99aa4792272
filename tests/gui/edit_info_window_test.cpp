#include <gtest/gtest.h>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "core/sheet/view_settings.h"
#include "gui/app/app_context.h"
#include "gui/app/edit_info_window.h"
#include "gui/gui_test_helpers.h"
#include "render/note_icons.h"
#include "support/scripted_prompts.h"

namespace tarveno {
namespace {

using testing::ScriptedPrompts;

class EditInfoWindowTest : public ::testing::Test, public testing::AppParts {
 protected:
  EditInfoWindowTest() {
    catalogue.SongList[0] = {"Counted Song", 1, 120, 4, 1, 0, 0};
    mainWindow.resize(300, 200);
  }

  QString text(EditInfoWindow& w, const QString& name) {
    auto* label = w.findChild<QLabel*>(name);
    EXPECT_NE(label, nullptr) << name.toStdString();
    return label ? label->text() : QString();
  }
  // The texts of the labels <prefix>0 .. <prefix><count - 1>.
  QStringList texts(EditInfoWindow& w, const char* prefix, int count) {
    QStringList out;
    for (int i = 0; i < count; ++i) out << text(w, QLatin1String(prefix) + QString::number(i));
    return out;
  }

  QWidget mainWindow;
};

TEST_F(EditInfoWindowTest, CountsWhenShownAndOnRedrawOnlyWhileOpen) {
  Chart& c = document.chart;
  c.StepData[1][0] = 1;  // not counted until the window computes
  EditInfoWindow w(context, &mainWindow);
  EXPECT_EQ(w.objectName(), "frmEditInfo");
  EXPECT_EQ(w.windowTitle(), "譜面情報");
  EXPECT_FALSE(w.isModal());
  EXPECT_EQ(text(w, "lblTotalAllow"), "0");
  EXPECT_EQ(text(w, "lblTotalStep"), "0");
  EXPECT_EQ(texts(w, "lblAllow", 8), QStringList(8, "0"));
  EXPECT_EQ(texts(w, "lblDivide", 4), QStringList(4, "0"));
  QStringList captions;
  for (QLabel* l : w.findChildren<QLabel*>()) captions << l->text();
  for (const char* t : {"総ｵﾌﾞｼﾞｪ数:", "総ｽﾃｯﾌﾟ数:", "1P:", "2P:"})
    EXPECT_EQ(captions.count(QString::fromUtf8(t)), 1) << t;
  for (const char* t : {"←", "↓", "↑", "→"}) EXPECT_EQ(captions.count(QString::fromUtf8(t)), 2) << t;
  for (int k = 0; k < 4; ++k) {
    auto* icon = w.findChild<QLabel*>(QStringLiteral("imgOmpu%1").arg(k));
    ASSERT_NE(icon, nullptr) << k;
    EXPECT_FALSE(icon->pixmap().isNull()) << k;
  }
  auto* close = w.findChild<QPushButton*>(QStringLiteral("Command1"));
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->text(), "閉じる");

  c.PlayStyle = 1;
  c.StepData[1][0] = 1 | 8;         // a jump on the first pad, on the beat
  c.StepData[1][6] = 16;            // second pad, eighth
  c.StepData[1][8] = kTripletMark;  // triplet beat: three notes
  c.StepData[1][9] = 2;
  c.StepData[1][10] = 4;
  c.StepData[1][11] = 128;
  c.StepData[2][13] = 2;  // sixteenth
  c.StepData[5][0] = 1;   // past the song's four measures: not counted
  w.show();               // showing counts
  EXPECT_EQ(text(w, "lblTotalAllow"), "7");
  EXPECT_EQ(text(w, "lblTotalStep"), "6");
  EXPECT_EQ(texts(w, "lblAllow", 8), (QStringList{"1", "2", "1", "1", "1", "0", "0", "1"}));
  EXPECT_EQ(texts(w, "lblDivide", 4), (QStringList{"3", "1", "1", "2"}));

  c.StepData[2][13] = 0;
  w.computeChartStats();  // what every redraw does while the window is open
  EXPECT_EQ(text(w, "lblTotalStep"), "5");
  EXPECT_EQ(text(w, "lblDivide2"), "0");

  close->click();
  EXPECT_FALSE(w.isVisible());
  c.StepData[3][4] = 1;
  EXPECT_EQ(text(w, "lblTotalStep"), "5") << "a closed window does not count by itself";
  w.show();
  EXPECT_EQ(text(w, "lblTotalStep"), "6");
  EXPECT_EQ(text(w, "lblDivide0"), "4");

  c.SongIndex = 600;  // no such song: nothing to count
  w.computeChartStats();
  EXPECT_EQ(text(w, "lblTotalAllow"), "0");
  EXPECT_EQ(text(w, "lblTotalStep"), "0");
}

TEST_F(EditInfoWindowTest, ShowingPlacesTheWindowBesideTheMainWindow) {
  mainWindow.move(10, 40);
  mainWindow.show();
  EditInfoWindow w(context, &mainWindow);
  w.show();
  EXPECT_EQ(w.frameGeometry().top(), mainWindow.frameGeometry().top());
  const bool right = w.frameGeometry().left() == mainWindow.frameGeometry().right() + 1;
  const bool left = w.frameGeometry().right() + 1 <= mainWindow.frameGeometry().left();
  EXPECT_TRUE(right || left) << w.frameGeometry().left() << " " << mainWindow.frameGeometry().right();

  // On the right when it fits, exactly reaching the screen edge included; else on the left.
  const QRect screen(0, 0, 1280, 1024), second(1280, 0, 1280, 1024);
  EXPECT_EQ(editInfoPosition(QRect(100, 50, 600, 700), 300, screen), QPoint(700, 50));
  EXPECT_EQ(editInfoPosition(QRect(380, 50, 600, 700), 300, screen), QPoint(980, 50));
  EXPECT_EQ(editInfoPosition(QRect(381, 50, 600, 700), 300, screen), QPoint(81, 50));
  EXPECT_EQ(editInfoPosition(QRect(1400, 10, 600, 700), 300, second), QPoint(2000, 10));
  EXPECT_EQ(editInfoPosition(QRect(1900, 10, 600, 700), 300, second), QPoint(1600, 10));
}

TEST(EditInfoNoteIcons, FourDistinctDrawnSymbols) {
  std::vector<QImage> icons;
  for (int k = 0; k < kNoteValueCount; ++k) {
    QImage icon = noteValueIcon(static_cast<NoteValue>(k), 24);
    ASSERT_EQ(icon.size(), QSize(24, 24));
    int inked = 0;
    for (int i = 0; i < 24 * 24; ++i) inked += qAlpha(icon.pixel(i % 24, i / 24)) > 128;
    EXPECT_GT(inked, 20) << k;
    EXPECT_LT(inked, 24 * 24 / 2) << k;
    EXPECT_EQ(qAlpha(icon.pixel(0, 23)), 0) << "transparent background " << k;
    for (const QImage& earlier : icons) EXPECT_NE(icon, earlier) << k;
    icons.push_back(icon);
  }
  EXPECT_EQ(noteValueIcon(NoteValue::Eighth, 48).size(), QSize(48, 48));
}

}  // namespace
}  // namespace tarveno

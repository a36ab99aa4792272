#include <gtest/gtest.h>
#include <QDir>
#include <QPushButton>

#include "core/chart/stats.h"
#include "gui/app/about_dialog.h"
#include "gui/app/document_commands.h"
#include "gui/app/edit_info_window.h"
#include "gui/app/qt_prompts.h"
#include "gui/gui_test_helpers.h"
#include "gui/sheet/sheet_export.h"
#include "gui/songs/options_dialog.h"
#include "support/test_catalogue.h"
#include "support/test_paths.h"
#include "tarveno_version.h"

namespace tarveno::testing {
namespace {

// The captions, tooltips, names and start states the user sees, each window against its
// fixture file (regenerate with TARVENO_UPDATE_FIXTURES=1 and review the difference).
TEST(WindowTexts, MatchTheirFixtures) {
  MainWindowHarness h;
  h.start();
  expectFixture(describeCommands(h.window()).toStdString(), "gui/main_window_commands.txt");
  EditInfoWindow info(h.context, &h.window());
  expectFixture(describeControls(info).toStdString(), "gui/edit_info_window.txt");
  Chart& c = h.chart();  // the properties dialog opens on the header
  header(c) = std::tuple(PlayStyle::Couple, 0x27, 1, "ABC", "My title", 0, 12, "note");
  OptionsDialog options(h.context, nullptr);
  expectFixture(describeControls(options).toStdString(), "gui/options_dialog.txt");
  AboutDialog about;  // the version of this build stands in the fixture as <version>
  expectFixture(describeControls(about).replace(versionText(kVersionMajor, kVersionMinor), "<version>").toStdString(),
                "gui/about_dialog.txt");
}

TEST(AboutDialogTest, VersionTextAndOk) {
  EXPECT_EQ(versionText(2, 0), QStringLiteral("version 2.00"));
  EXPECT_EQ(versionText(1, 38), QStringLiteral("version 1.38"));
  EXPECT_EQ(versionText(3, 123), QStringLiteral("version 3.23"));  // the last two digits of the minor
  AboutDialog about;
  about.show();
  about.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  EXPECT_FALSE(about.isVisible());
}

// The counting itself is the core's; here each figure has to reach its own label when the window
// shows, and the window has to stand beside the main window.
TEST(EditInfoWindowTest, ShownBesideTheMainWindowEachLabelShowsItsFigure) {
  AppParts app;
  Chart& c = app.document.chart;
  c.PlayStyle = PlayStyle::Couple;
  for (int m = 1; m <= 3; ++m) {
    for (int s = 0; s < 16; ++s) c.StepData[m][s] = static_cast<uint8_t>((m * 16 + s) * 73 % 251);
  }
  makeTriplet(c, 4, 1, 1, 2, 12);
  recalcAllBeatTypes(c, app.catalogue);
  const ChartStats s = ComputeChartStats(c, app.catalogue);
  QWidget mainWindow;
  mainWindow.setGeometry(10, 40, 300, 200);
  mainWindow.show();
  EditInfoWindow w(app.context, &mainWindow);
  w.show();
  const QRect main = mainWindow.frameGeometry();
  EXPECT_EQ(w.frameGeometry().topLeft(), QPoint(main.right() + 1, main.top()));
  auto shows = [&](const QString& name, int figure) {
    EXPECT_EQ(child<QLabel>(w, name)->text(), QString::number(figure)) << name.toStdString();
  };
  shows("lblTotalAllow", s.objects);
  shows("lblTotalStep", s.steps);
  for (int p = 0; p < 8; ++p) shows(QStringLiteral("lblAllow%1").arg(p), s.panels[p]);
  for (int k = 0; k < 4; ++k) shows(QStringLiteral("lblDivide%1").arg(k), s.noteValues[k]);
}

TEST(EditInfoWindowTest, StandsRightOfTheMainWindowWhenItFitsElseLeft) {
  // Reaching the screen's edge exactly still fits.
  const QRect screen(0, 0, 1280, 1024), second(1280, 0, 1280, 1024);
  EXPECT_EQ(std::tuple(editInfoPosition(QRect(380, 50, 600, 700), 300, screen),
                       editInfoPosition(QRect(381, 50, 600, 700), 300, screen),
                       editInfoPosition(QRect(1400, 10, 600, 700), 300, second),
                       editInfoPosition(QRect(1900, 10, 600, 700), 300, second)),
            std::tuple(QPoint(980, 50), QPoint(81, 50), QPoint(2000, 10), QPoint(1600, 10)));
}

// For every pattern that an entry of a file dialog filter lists ("text|pattern|text|pattern"),
// Qt's own matching has to accept a file name of that pattern. Qt reads an entry's patterns from
// the parentheses that end it, separated by blanks.
TEST(FileDialogFilters, QtListsAFileForEveryPatternOfEveryEntry) {
  // Every one of the program's filters.
  const std::string save = chartDialogFilter(true), open = chartDialogFilter(false);
  for (const char* filter : {save.c_str(), open.c_str(), kSheetImageFilter}) {
    const QStringList parts = QString::fromUtf8(filter).split(QLatin1Char('|'));
    const QStringList entries = qtNameFilters(QString::fromUtf8(filter));
    ASSERT_EQ(entries.size() * 2, parts.size()) << filter;
    for (qsizetype i = 0; i < entries.size(); ++i) {
      const QStringList qtPatterns =
          entries[i].section(QLatin1Char('('), -1).chopped(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
      for (QString pattern : parts[2 * i + 1].split(QLatin1Char(';'))) {
        const QString name = pattern.trimmed().replace(QLatin1Char('*'), QLatin1String("sheet"));
        EXPECT_TRUE(QDir::match(qtPatterns, name)) << entries[i].toStdString() << " hides " << name.toStdString();
      }
    }
  }
}

}  // namespace
}  // namespace tarveno::testing

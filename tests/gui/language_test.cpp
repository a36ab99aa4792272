#include <gtest/gtest.h>
#include <QApplication>
#include <QSettings>
#include <QTranslator>

#include "gui/app/language_setting.h"
#include "gui/app/startup.h"
#include "gui/gui_test_helpers.h"
#include "support/test_paths.h"

namespace tarveno::testing {
namespace {

// The other tests expect the program's source texts and Qt's own: whatever happens here, the
// translators installed go again at the end.
struct UntranslatedAfterwards {
  ~UntranslatedAfterwards() {
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
      QCoreApplication::removeTranslator(translator);
      delete translator;
    }
  }
};

// The language menu retitles every open window as soon as it is chosen, later messages come in
// the new language, the choice is kept, and the way back gives the Japanese exactly.
TEST(LanguageSwitch, RetitlesOpenWindowsAtOnceAndComesBackToTheSameJapanese) {
  UntranslatedAfterwards restore;
  TempDir dir;
  MainWindowHarness h;
  h.context.settingsFile = dir / "settings.ini";
  h.start();
  h.action("M_EditInfo")->trigger();
  const EditInfoWindow& info = *h.window().statisticsWindow();
  const QString japaneseMenus = describeCommands(h.window());
  const QString japaneseInfo = describeControls(info);

  h.action("M_LangEn")->trigger();
  expectFixture(describeCommands(h.window()).toStdString(), "gui/main_window_commands_en.txt");
  EXPECT_EQ(describeControls(info).section(QLatin1Char('\n'), 0, 0),
            QStringLiteral("frmEditInfo \"Chart Information\""));
  QSettings kept(QString::fromStdString(h.context.settingsFile.string()), QSettings::IniFormat);
  EXPECT_EQ(savedLanguage(kept), Language::English);

  h.document.Modified = true;  // New asks first
  h.prompts.answerMessage(Prompts::Answer::Cancel);
  h.action("M_New")->trigger();
  ASSERT_EQ(h.prompts.shown.size(), 1u);
  EXPECT_EQ(h.prompts.shown[0].title, QStringLiteral("Save File"));

  // A modal dialog open while the language changes follows it too.
  QString aboutTitles;
  withModal([&] { h.action("M_About")->trigger(); },
            [&](QDialog& about) {
              aboutTitles = about.windowTitle();
              h.action("M_LangJa")->trigger();
              aboutTitles += QLatin1Char('|') + about.windowTitle();
              about.accept();
            });
  EXPECT_EQ(aboutTitles, QStringLiteral("About TARVENO|バージョン情報"));
  EXPECT_EQ(describeCommands(h.window()), japaneseMenus);
  EXPECT_EQ(describeControls(info), japaneseInfo);
}

// --lang before the file name chooses the language of one run and is no part of the name; the
// saved choice stands otherwise, and Japanese when there is none.
TEST(LanguageSwitch, CommandLineOverridesTheSavedChoice) {
  TempDir dir;
  QSettings store(QString::fromStdString((dir / "settings.ini").string()), QSettings::IniFormat);
  const QStringList plain{"tarveno", "My", "Song.kru"};
  const QStringList english{"tarveno", "--lang", "en", "My", "Song.kru"};
  const QStringList japanese{"tarveno", "--lang=ja", "My", "Song.kru"};
  EXPECT_EQ(startLanguage(plain, store), Language::Japanese);
  EXPECT_EQ(startLanguage(english, store), Language::English);
  saveLanguage(store, Language::English);
  EXPECT_EQ(startLanguage(plain, store), Language::English);
  EXPECT_EQ(startLanguage(japanese, store), Language::Japanese);
  for (const QStringList& arguments : {plain, english, japanese}) {
    EXPECT_EQ(commandLineFileName(withoutLanguageOption(arguments)), QStringLiteral("My Song.kru"))
        << arguments.join(' ').toStdString();
  }
}

}  // namespace
}  // namespace tarveno::testing

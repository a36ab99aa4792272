#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QSettings>

#include "gui/app/app_context.h"
#include "gui/app/language_setting.h"
#include "gui/app/main_window.h"

namespace tarveno {

namespace {

struct LanguageItem {
  const char* name;
  const char* caption;  // each language by its own name, the same whatever language is in force
  Language language;
};

const LanguageItem kLanguages[] = {
    {"M_LangJa", "日本語", Language::Japanese},
    {"M_LangEn", "English", Language::English},
};

}  // namespace

void MainWindow::buildLanguageMenu() {
  auto* view = findChild<QMenu*>(QStringLiteral("M_View"));
  QAction* line = view->addSeparator();
  line->setObjectName(QStringLiteral("M_Line7"));
  actions_.insert(line->objectName(), line);
  // Written in both languages, so that a user who cannot read the one in force still finds it.
  QMenu* languages = view->addMenu(QStringLiteral("言語 / Language"));
  languages->setObjectName(QStringLiteral("M_Language"));
  languages->menuAction()->setObjectName(QStringLiteral("M_Language"));
  auto* group = new QActionGroup(this);
  group->setExclusive(true);
  for (const LanguageItem& item : kLanguages) {
    QAction* choice = languages->addAction(QString::fromUtf8(item.caption));
    choice->setObjectName(QString::fromUtf8(item.name));
    choice->setCheckable(true);
    choice->setChecked(context_.language == item.language);
    group->addAction(choice);
    actions_.insert(choice->objectName(), choice);
    const Language language = item.language;
    connect(choice, &QAction::triggered, this, [this, language] { chooseLanguage(language); });
  }
}

void MainWindow::chooseLanguage(Language language) {
  context_.language = language;
  applyLanguage(*QCoreApplication::instance(), language);
  // The toolkit only posts the change to the windows; they take it now, so that nothing is
  // shown in the old language after the choice.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  if (context_.settingsFile.empty()) return;
  QSettings store(QString::fromStdString(context_.settingsFile.string()), QSettings::IniFormat);
  saveLanguage(store, language);
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslateCommands();
  QMainWindow::changeEvent(event);
}

}  // namespace tarveno

#include "gui/app/startup.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include "core/chart/chart.h"
#include "core/chart/chart_text.h"
#include "core/io/app_paths.h"
#include "core/io/recovery_store.h"
#include "core/sheet/view_settings.h"
#include "core/text/cp932.h"
#include "gui/app/app_context.h"
#include "gui/app/language_setting.h"
#include "gui/app/main_window.h"
#include "gui/app/qt_prompts.h"
#include "gui/play/play_settings.h"
#include "words/messages.h"

namespace tarveno {

QString commandLineFileName(const QStringList& arguments) {
  return arguments.mid(1).join(QLatin1Char(' '));
}

QString resolveCommandLineFile(const QString& fileName, const QString& launchFolder) {
  const std::filesystem::path resolved =
      commandLineFile(QFile::encodeName(fileName).toStdString(), QFile::encodeName(launchFolder).toStdString());
  return QFile::decodeName(QByteArray::fromStdString(resolved.string()));
}

Catalogue loadCatalogueAtStartUp(const std::filesystem::path& kruidDat, Prompts& prompts, QWidget* parent) {
  auto loaded = LoadSongList(kruidDat);
  if (!loaded) {
    prompts.error(parent, describe(loaded.error()));
    Catalogue empty;
    empty.folder = kruidDat.parent_path();
    return empty;
  }
  if (!loaded->warnings.empty()) {
    QStringList lines;
    for (const Message& warning : loaded->warnings) lines.append(describe(warning));
    prompts.error(parent, lines.join(QLatin1Char('\n')));
  }
  return std::move(loaded->catalogue);
}

std::filesystem::path localPath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

int StartUp(QApplication& app, AudioOutput& audio, MusicSource& music) {
  // The program stays in the folder it was started in: a relative name on the command line
  // means a file there.
  const QStringList arguments = app.arguments();
  const QString commandLine =
      resolveCommandLineFile(commandLineFileName(withoutLanguageOption(arguments)), QDir::currentPath());
  const QString configFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  const AppPaths paths =
      resolveAppPaths(localPath(QCoreApplication::applicationDirPath()), localPath(configFolder),
                      localPath(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)));
  const QString settingsFile = userSettingsPath(configFolder);
  QSettings settings(settingsFile, QSettings::IniFormat);
  // Qt's own dialogs and buttons follow the program's texts.
  const Language language = startLanguage(arguments, settings);
  applyLanguage(app, language);

  QtPrompts prompts;
  if (!cp932ConvertersAvailable()) {
    // Without the conversion every title and name would silently vanish from the files.
    prompts.message(nullptr, QStringLiteral("Error"), describe(chartText(ChartText::Cp932Unavailable)),
                    Prompts::Buttons::Ok, Prompts::Icon::Critical);
    return 1;
  }
  Document document;
  const Catalogue catalogue = loadCatalogueAtStartUp(paths.catalogueFile(), prompts, nullptr);
  ViewSettings viewSettings = LoadViewSettings(paths.viewSettingsFile);
  Clipboard clipboard;
  History history;
  AppContext context{document, catalogue, viewSettings, prompts, clipboard, history, paths.viewSettingsFile};
  context.AutoDivide = true;
  // A run that cannot keep copies (no writable data folder) edits all the same.
  RecoveryStore recovery(paths.recoveryFolder);
  if (recovery.active()) context.recovery = &recovery;
  context.audio = &audio;
  context.music = &music;
  context.playSettingsFile = localPath(playSettingsPath(configFolder));
  context.language = language;
  context.settingsFile = localPath(settingsFile);

  MainWindow window(context);
  window.show();
  window.load(commandLine);
  window.offerRecovery();
  return app.exec();
}

}  // namespace tarveno

#include "gui/app/startup.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include "core/chart/chart.h"
#include "core/sheet/view_settings.h"
#include "core/text/cp932.h"
#include "gui/app/app_context.h"
#include "gui/app/main_window.h"
#include "gui/app/qt_prompts.h"

namespace tarveno {

QString commandLineFileName(const QStringList& arguments) {
  return arguments.mid(1).join(QLatin1Char(' '));
}

QString resolveCommandLineFile(const QString& fileName, const QString& launchFolder) {
  if (fileName.isEmpty() || !QDir::isRelativePath(fileName)) return fileName;
  return QDir(launchFolder).filePath(fileName);
}

Catalogue loadCatalogueAtStartUp(const std::filesystem::path& kruidDat, Prompts& prompts, QWidget* parent) {
  auto loaded = LoadSongList(kruidDat);
  if (!loaded) {
    prompts.message(parent, QStringLiteral("Error"), QString::fromStdString(loaded.error().message),
                    Prompts::Buttons::Ok, Prompts::Icon::Exclamation);
    Catalogue empty;
    empty.folder = kruidDat.parent_path();
    return empty;
  }
  if (!loaded->warnings.empty()) {
    QStringList lines;
    for (const std::string& warning : loaded->warnings) lines.append(QString::fromStdString(warning));
    prompts.message(parent, QStringLiteral("Error"), lines.join(QLatin1Char('\n')), Prompts::Buttons::Ok,
                    Prompts::Icon::Exclamation);
  }
  return std::move(loaded->catalogue);
}

int StartUp(QApplication& app) {
  const QString commandLine = resolveCommandLineFile(commandLineFileName(app.arguments()), QDir::currentPath());
  const QString programFolder = QCoreApplication::applicationDirPath();
  QDir::setCurrent(programFolder);
  const std::filesystem::path folder(QFile::encodeName(programFolder).toStdString());

  QtPrompts prompts;
  if (!cp932ConvertersAvailable()) {
    // Without the conversion every title and name would silently vanish from the files.
    prompts.message(nullptr, QStringLiteral("Error"), QString::fromUtf8(kCp932UnavailableText), Prompts::Buttons::Ok,
                    Prompts::Icon::Critical);
    return 1;
  }
  Document document;
  const Catalogue catalogue = loadCatalogueAtStartUp(folder / "kruid.dat", prompts, nullptr);
  ViewSettings viewSettings = LoadViewSettings(folder / "view.dat");
  Clipboard clipboard;
  History history;
  AppContext context{document, catalogue, viewSettings, prompts, clipboard, history, folder / "view.dat"};
  context.AutoDivide = true;

  MainWindow window(context);
  window.show();
  window.load(commandLine);
  return app.exec();
}

}  // namespace tarveno

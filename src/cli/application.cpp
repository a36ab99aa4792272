#include "cli/application.h"

#include <clocale>
#include <cstdio>

#include "cli/diagnostics.h"

#ifdef TARVENO_WITH_RENDER
#include <QGuiApplication>
#endif

namespace tarveno {

std::unique_ptr<QCoreApplication> applicationFor(bool drawing) {
  if (QCoreApplication::instance()) return nullptr;
  // Qt keeps references to argc and argv for the application's lifetime.
  static int argc = 1;
  static char name[] = "tarveno-cli";
  static char* argv[] = {name, nullptr};
#ifdef TARVENO_WITH_RENDER
  if (drawing) {
    // The tool's stderr carries its own one-line messages only; the toolkit's notes about the
    // session it runs in (no runtime folder, no display) are not the user's business.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
      if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "tarveno-cli: %s\n", qPrintable(message));
    });
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
  }
#else
  (void)drawing;
#endif
  auto app = std::make_unique<QCoreApplication>(argc, argv);
  // Qt takes the user's locale for the C library; the tool's output stays as in the "C" locale.
  std::setlocale(LC_ALL, "C");
  return app;
}

std::optional<Language> chosenLanguage(const std::string* option, Diagnostics& diagnostics) {
  if (option) {
    const std::optional<Language> language = languageFromName(*option);
    if (!language) diagnostics.usage("--lang takes ja or en, not \"" + *option + "\"");
    return language;
  }
  // A setting of the environment the tool does not know is no reason to refuse the work.
  const std::optional<Language> fromEnvironment = languageFromName(qEnvironmentVariable("TARVENO_LANG").toStdString());
  return fromEnvironment.value_or(Language::Japanese);
}

}  // namespace tarveno

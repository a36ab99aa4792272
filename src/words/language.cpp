#include "words/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tarveno {

namespace {

// The translators this module installed carry this name, so that the next call can take them
// out again before installing those of the new language.
constexpr auto kTranslatorName = "tarveno-language";

QLocale localeOf(Language language) {
  return QLocale(language == Language::English ? QLocale::English : QLocale::Japanese);
}

bool install(QCoreApplication& app, const QLocale& locale, const QString& name, const QString& folder) {
  auto* translator = new QTranslator(&app);
  translator->setObjectName(QString::fromLatin1(kTranslatorName));
  if (!translator->load(locale, name, QStringLiteral("_"), folder)) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  return true;
}

}  // namespace

std::optional<Language> languageFromName(std::string_view name) {
  if (name == "ja") return Language::Japanese;
  if (name == "en") return Language::English;
  return std::nullopt;
}

QString languageName(Language language) {
  return language == Language::English ? QStringLiteral("en") : QStringLiteral("ja");
}

bool applyLanguage(QCoreApplication& app, Language language) {
  for (QTranslator* old : app.findChildren<QTranslator*>(QString::fromLatin1(kTranslatorName))) {
    QCoreApplication::removeTranslator(old);
    delete old;
  }
  const QLocale locale = localeOf(language);
  // Qt's own texts: English needs none, its source texts are English.
  bool ok = language == Language::English ||
            install(app, locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  // The program's own texts are written in Japanese; English comes from the bundled file.
  if (language == Language::English) ok = install(app, locale, QStringLiteral("tarveno"), QStringLiteral(":/i18n"));
  return ok;
}

SourceLanguageScope::SourceLanguageScope() {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) return;  // nothing installed: the texts are their sources already
  for (QTranslator* translator : app->findChildren<QTranslator*>(QString::fromLatin1(kTranslatorName))) {
    if (QCoreApplication::removeTranslator(translator)) removed_.push_back(translator);
  }
}

SourceLanguageScope::~SourceLanguageScope() {
  for (QTranslator* translator : removed_) QCoreApplication::installTranslator(translator);
}

}  // namespace tarveno

#include "gui/app/language_setting.h"

#include <QDir>
#include <QSettings>

namespace tarveno {

namespace {

const QString kLanguageKey = QStringLiteral("ui/language");
const QString kOption = QStringLiteral("--lang");

// How many of the arguments after the program's name belong to the option: 0, 1 or 2.
qsizetype optionLength(const QStringList& arguments) {
  if (arguments.size() < 2) return 0;
  const QString& first = arguments[1];
  if (first.startsWith(kOption + QLatin1Char('='))) return 1;
  if (first == kOption) return arguments.size() > 2 ? 2 : 1;
  return 0;
}

std::optional<Language> fromName(const QString& name) {
  return languageFromName(name.toStdString());
}

}  // namespace

QString userSettingsPath(const QString& configFolder) {
  return QDir(configFolder).filePath(QStringLiteral("settings.ini"));
}

std::optional<Language> savedLanguage(QSettings& store) {
  return fromName(store.value(kLanguageKey).toString());
}

void saveLanguage(QSettings& store, Language language) {
  store.setValue(kLanguageKey, languageName(language));
  store.sync();
}

std::optional<Language> commandLineLanguage(const QStringList& arguments) {
  switch (optionLength(arguments)) {
    case 1:
      return fromName(arguments[1].mid(kOption.size() + 1));
    case 2:
      return fromName(arguments[2]);
    default:
      return std::nullopt;
  }
}

QStringList withoutLanguageOption(const QStringList& arguments) {
  QStringList rest = arguments;
  rest.remove(1, optionLength(arguments));
  return rest;
}

Language startLanguage(const QStringList& arguments, QSettings& store) {
  if (auto chosen = commandLineLanguage(arguments)) return *chosen;
  return savedLanguage(store).value_or(Language::Japanese);
}

}  // namespace tarveno

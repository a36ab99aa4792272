#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "words/language.h"

class QSettings;

namespace tarveno {

// The user's settings file in the configuration folder (an INI file read through QSettings).
QString userSettingsPath(const QString& configFolder);

// The language the user chose last time; nothing when none was kept (or the value is unknown).
std::optional<Language> savedLanguage(QSettings& store);
void saveLanguage(QSettings& store, Language language);

// "--lang ja|en" (or "--lang=en") as the first argument chooses the language for one run.
// Nothing when the option is missing or names no known language.
std::optional<Language> commandLineLanguage(const QStringList& arguments);
// The arguments with that option taken out, so the rest still names the file to open.
QStringList withoutLanguageOption(const QStringList& arguments);

// The command line wins over the saved choice; Japanese otherwise, whatever the system's locale.
Language startLanguage(const QStringList& arguments, QSettings& store);

}  // namespace tarveno

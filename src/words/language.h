#pragma once

#include <QString>
#include <optional>
#include <string_view>
#include <vector>

class QCoreApplication;
class QTranslator;

namespace tarveno {

// The languages the program speaks. The texts in the source are Japanese; English comes from
// the translation files built with the program.
enum class Language { Japanese, English };

// "ja" or "en" (as --lang, TARVENO_LANG and the settings spell it); nothing for anything else.
std::optional<Language> languageFromName(std::string_view name);
QString languageName(Language language);

// Puts the program's own texts and Qt's (dialog buttons, file dialogs) into the language,
// replacing what an earlier call installed. Every widget then receives a LanguageChange event
// and retitles itself. False when a translation file could not be loaded; the texts that are
// missing stay Japanese.
bool applyLanguage(QCoreApplication& app, Language language);

// While it lives, texts read in their source language (Japanese) whatever language is installed:
// for output that must be the same in every language, such as the batch tool's JSON.
class SourceLanguageScope {
 public:
  SourceLanguageScope();
  ~SourceLanguageScope();
  SourceLanguageScope(const SourceLanguageScope&) = delete;
  SourceLanguageScope& operator=(const SourceLanguageScope&) = delete;

 private:
  std::vector<QTranslator*> removed_;
};

}  // namespace tarveno

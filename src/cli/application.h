#pragma once

#include <QCoreApplication>
#include <memory>
#include <optional>
#include <string>

#include "words/language.h"

namespace tarveno {

class Diagnostics;

// The Qt application the tool needs for the moment: one that can draw (fonts, pictures) when
// `drawing`, else a plain one. Nothing when one exists already (the caller's, or a test's).
std::unique_ptr<QCoreApplication> applicationFor(bool drawing);

// The language the tool speaks: --lang, else TARVENO_LANG, else Japanese. Nothing after
// reporting a --lang the tool does not know as a usage error.
std::optional<Language> chosenLanguage(const std::string* option, Diagnostics& diagnostics);

}  // namespace tarveno

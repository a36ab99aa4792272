#pragma once

#include <QString>

#include "core/message.h"
#include "core/result.h"

namespace tarveno {

// The words for what the core reports, in the language installed (words/language.h).
QString describe(const Message& message);
QString describe(const Error& error);

// Each area's words, one file each (words/<area>_words.cpp).
QString chartWords(ChartText kind, const Message& message);
QString sheetWords(SheetText kind, const Message& message);
QString fileWords(FileText kind, const Message& message);
QString playWords(PlayText kind, const Message& message);
QString songWords(SongText kind, const Message& message);
QString editWords(EditText kind, const Message& message);

// Helpers for the area files: argument i as text (empty when missing), part i in words.
QString arg(const Message& message, size_t i);
QString part(const Message& message, size_t i);

}  // namespace tarveno

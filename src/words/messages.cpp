#include "words/messages.h"

#include <type_traits>

namespace tarveno {

QString describe(const Message& message) {
  return std::visit(
      [&message](auto kind) -> QString {
        using Kind = decltype(kind);
        if constexpr (std::is_same_v<Kind, ChartText>) return chartWords(kind, message);
        if constexpr (std::is_same_v<Kind, SheetText>) return sheetWords(kind, message);
        if constexpr (std::is_same_v<Kind, FileText>) return fileWords(kind, message);
        if constexpr (std::is_same_v<Kind, PlayText>) return playWords(kind, message);
        if constexpr (std::is_same_v<Kind, SongText>) return songWords(kind, message);
        if constexpr (std::is_same_v<Kind, EditText>) return editWords(kind, message);
      },
      message.kind);
}

QString describe(const Error& error) {
  if (error.text) return describe(*error.text);
  return QString::fromStdString(error.message);
}

QString arg(const Message& message, size_t i) {
  return i < message.args.size() ? QString::fromStdString(message.args[i]) : QString();
}

QString part(const Message& message, size_t i) {
  return i < message.parts.size() ? describe(message.parts[i]) : QString();
}

}  // namespace tarveno

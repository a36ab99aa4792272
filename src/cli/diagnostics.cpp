#include "cli/diagnostics.h"

#include <QCoreApplication>
#include <ostream>

#include "words/messages.h"

namespace tarveno {

std::string oneLine(std::string_view message) {
  std::string out;
  bool inBreak = false;
  for (char c : message) {
    if (c == '\r' || c == '\n') {
      inBreak = true;
      continue;
    }
    if (inBreak && !out.empty()) out += ' ';
    inBreak = false;
    out += c;
  }
  return out;
}

std::string words(const Message& message) {
  return describe(message).toStdString();
}

std::string words(const Error& error) {
  return describe(error).toStdString();
}

void Diagnostics::line(std::string_view prefix, std::string_view message) {
  err_ << "tarveno-cli: " << prefix << oneLine(message) << '\n';
}

void Diagnostics::usage(std::string_view message) {
  line("", std::string(message) + " (tarveno-cli --help for usage)");
}

void Diagnostics::error(std::string_view message) {
  line("", message);
}

void Diagnostics::error(const Error& error) {
  line("", words(error));
}

void Diagnostics::warning(std::string_view message) {
  line(QCoreApplication::translate("Cli", "警告: ").toStdString(), message);
}

void Diagnostics::warning(const Message& message) {
  warning(words(message));
}

void Diagnostics::info(std::string_view message) {
  line("", message);
}

}  // namespace tarveno

#include "cli/diagnostics.h"

#include <ostream>

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

void Diagnostics::line(std::string_view prefix, std::string_view message) {
  err_ << "tarveno-cli: " << prefix << oneLine(message) << '\n';
}

void Diagnostics::usage(std::string_view message) {
  line("", std::string(message) + " (tarveno-cli --help for usage)");
}

void Diagnostics::error(std::string_view message) {
  line("", message);
}

void Diagnostics::warning(std::string_view message) {
  line("警告: ", message);
}

void Diagnostics::info(std::string_view message) {
  line("", message);
}

}  // namespace tarveno

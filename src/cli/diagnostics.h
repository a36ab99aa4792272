#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "core/message.h"
#include "core/result.h"

namespace tarveno {

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitBadInput = 2;

// Every message of the batch tool goes through here as exactly one line on stderr, so a
// calling script can show or log it as it stands. Core messages may carry line breaks
// (e.g. the file name on a second line); they are joined with blanks.
class Diagnostics {
 public:
  explicit Diagnostics(std::ostream& err) : err_(err) {}

  void usage(std::string_view message);
  void error(std::string_view message);
  void error(const Error& error);
  void warning(std::string_view message);
  void warning(const Message& message);
  // A line of a conversion's report: neither an error nor a warning.
  void info(std::string_view message);

 private:
  void line(std::string_view prefix, std::string_view message);
  std::ostream& err_;
};

// What the core reports, in words of the language installed (UTF-8).
std::string words(const Message& message);
std::string words(const Error& error);

// The text with each run of CR/LF replaced by one blank and trailing line breaks dropped.
std::string oneLine(std::string_view message);

}  // namespace tarveno

#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "cli/arguments.h"
#include "cli/diagnostics.h"

namespace tarveno {

// One command with its command line checked: operands counted, options allowed for the
// command, numbers in range. What needs the catalogue or the files is checked when it runs.
struct Request {
  enum class Kind { Dump, Stats, Convert };
  Kind kind = Kind::Dump;
  std::string input;
  std::string output;  // convert only
  std::optional<int16_t> songCode;
  std::optional<std::string> editName;
  std::optional<std::string> title;
  std::optional<uint8_t> style;
  std::optional<uint8_t> difficulty;
};

// nullopt after reporting the usage error (exit status 1).
std::optional<Request> parseRequest(const Arguments& arguments, Diagnostics& diagnostics);

}  // namespace tarveno

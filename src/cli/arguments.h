#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarveno {

// The command line split into its parts; which options a command accepts is checked by the
// command itself.
struct Arguments {
  bool help = false;
  bool version = false;
  std::string command;
  std::vector<std::string> operands;
  std::map<std::string, std::string> options;  // by name without the leading "--"

  const std::string* option(const std::string& name) const {
    auto it = options.find(name);
    return it == options.end() ? nullptr : &it->second;
  }
};

struct ParsedArguments {
  Arguments arguments;
  std::string usageError;  // empty when the command line is well formed
};

// Options may stand anywhere ("--song 26" or "--song=26"); "--" ends them so that a file
// name may start with "-". Every option except --help, --version, --progressive, --metronome
// and --snap takes a value; a flag is stored with an empty value.
ParsedArguments parseArguments(const std::vector<std::string>& args);

// A whole decimal number within [low, high]: optional sign and digits only, so "26x" or
// "1e2" is refused rather than read as something the user did not mean.
std::optional<int> parseWholeNumber(std::string_view text, int low, int high);

// A decimal number within [low, high]: optional sign, digits, and a point followed by digits,
// such as "143.5"; "1e2", ".5" or "5." are refused as parseWholeNumber refuses "26x".
std::optional<double> parseDecimalNumber(std::string_view text, double low, double high);

}  // namespace tarveno

#include "cli/arguments.h"

#include <array>

namespace tarveno {

namespace {

constexpr std::array<std::string_view, 6> kValueOptions = {"catalogue", "song",  "edit-name",
                                                           "title",     "style", "difficulty"};

bool takesValue(std::string_view name) {
  for (auto known : kValueOptions) {
    if (known == name) return true;
  }
  return false;
}

}  // namespace

ParsedArguments parseArguments(const std::vector<std::string>& args) {
  ParsedArguments parsed;
  Arguments& a = parsed.arguments;
  std::vector<std::string> positionals;
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool looksLikeOption = !optionsEnded && arg.size() > 1 && arg[0] == '-';
    if (!looksLikeOption) {
      positionals.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      a.help = true;
      continue;
    }
    if (arg == "--version") {
      a.version = true;
      continue;
    }
    if (arg.rfind("--", 0) != 0) {
      parsed.usageError = "unknown option: " + arg;
      return parsed;
    }
    std::string name = arg.substr(2);
    std::optional<std::string> value;
    if (size_t eq = name.find('='); eq != std::string::npos) {
      value = name.substr(eq + 1);
      name.resize(eq);
    }
    if (!takesValue(name)) {
      parsed.usageError = "unknown option: --" + name;
      return parsed;
    }
    if (!value) {
      if (i + 1 >= args.size()) {
        parsed.usageError = "option --" + name + " needs a value";
        return parsed;
      }
      value = args[++i];
    }
    // Given twice, one of the two would silently lose; better to say so.
    if (!a.options.emplace(name, *value).second) {
      parsed.usageError = "option --" + name + " given more than once";
      return parsed;
    }
  }
  if (!positionals.empty()) {
    a.command = positionals.front();
    a.operands.assign(positionals.begin() + 1, positionals.end());
  }
  return parsed;
}

std::optional<int> parseWholeNumber(std::string_view text, int low, int high) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i >= text.size()) return std::nullopt;
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > 1'000'000'000LL) return std::nullopt;  // far beyond any range asked for
  }
  if (negative) value = -value;
  if (value < low || value > high) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace tarveno

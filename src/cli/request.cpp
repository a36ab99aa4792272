#include "cli/request.h"

#include <initializer_list>
#include <string_view>

namespace tarveno {

namespace {

struct CommandShape {
  std::string_view name;
  Request::Kind kind;
  size_t operands;
  std::initializer_list<std::string_view> options;
};

const CommandShape kShapes[] = {
    {"dump", Request::Kind::Dump, 1, {"song"}},
    {"stats", Request::Kind::Stats, 1, {"song"}},
    {"convert", Request::Kind::Convert, 2, {"song", "edit-name", "title", "style", "difficulty"}},
};

bool allows(const CommandShape& shape, const std::string& option) {
  if (option == "catalogue") return true;
  for (auto name : shape.options) {
    if (name == option) return true;
  }
  return false;
}

// Reads --name as a whole number within [low, high]; false after reporting a usage error.
template <class T>
bool numberOption(const Arguments& a, const std::string& name, int low, int high, std::optional<T>& into,
                  Diagnostics& diagnostics) {
  const std::string* text = a.option(name);
  if (!text) return true;
  auto n = parseWholeNumber(*text, low, high);
  if (!n) {
    diagnostics.usage("--" + name + " needs a whole number from " + std::to_string(low) + " to " +
                      std::to_string(high) + ", not \"" + *text + "\"");
    return false;
  }
  into = static_cast<T>(*n);
  return true;
}

}  // namespace

std::optional<Request> parseRequest(const Arguments& a, Diagnostics& diagnostics) {
  if (a.command.empty()) {
    diagnostics.usage("no command given");
    return std::nullopt;
  }
  const CommandShape* shape = nullptr;
  for (const auto& s : kShapes) {
    if (s.name == a.command) shape = &s;
  }
  if (!shape) {
    diagnostics.usage("unknown command: " + a.command);
    return std::nullopt;
  }
  for (const auto& [name, value] : a.options) {
    if (!allows(*shape, name)) {
      diagnostics.usage("option --" + name + " does not apply to " + a.command);
      return std::nullopt;
    }
  }
  if (a.operands.size() != shape->operands) {
    diagnostics.usage(a.command + (shape->operands == 1 ? " takes one file" : " takes an input and an output file") +
                      ", " + std::to_string(a.operands.size()) + " given");
    return std::nullopt;
  }

  Request r;
  r.kind = shape->kind;
  r.input = a.operands[0];
  if (shape->operands > 1) r.output = a.operands[1];
  if (!numberOption(a, "song", -32768, 32767, r.songCode, diagnostics)) return std::nullopt;
  if (!numberOption(a, "style", 0, 2, r.style, diagnostics)) return std::nullopt;
  if (!numberOption(a, "difficulty", 0, 255, r.difficulty, diagnostics)) return std::nullopt;
  if (const std::string* v = a.option("edit-name")) r.editName = *v;
  if (const std::string* v = a.option("title")) r.title = *v;
  return r;
}

}  // namespace tarveno

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/diagnostics.h"
#include "core/edit/edit_words.h"

namespace tarveno {

// One command with its command line checked: operands counted, options allowed for the
// command, numbers in range, edit words well formed. What needs the catalogue or the files
// is checked when it runs.
struct Request {
  enum class Kind { Dump, Stats, Convert, Edit, Render, Charts };
  Kind kind = Kind::Dump;
  std::string input;
  std::string output;  // convert and render; edit with --output
  std::optional<int16_t> songCode;
  std::optional<std::string> editName;
  std::optional<std::string> title;
  std::optional<uint8_t> style;
  std::optional<uint8_t> difficulty;
  // edit: the words as given and what they ask for, in order
  std::vector<std::string> words;
  std::vector<EditOperation> operations;
  // simfiles: which chart of the file, whether its positions may be snapped, the tempo written
  std::optional<int> chartNumber;
  bool snap = false;
  std::optional<int> bpm;
  // render
  std::optional<std::string> viewSettings;
  int pngOption = 0;
  int jpegQuality = 95;
  bool progressive = false;
};

// nullopt after reporting the usage error (exit status 1).
std::optional<Request> parseRequest(const Arguments& arguments, Diagnostics& diagnostics);

// The simfile options against the files' names: --chart and --snap need a .sm or .ssc input,
// --bpm a .sm output, and a .ssc is never written. False after reporting a usage error.
bool checkSimfileOptions(const Request& request, Diagnostics& diagnostics);

}  // namespace tarveno

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
  enum class Kind { Dump, Stats, Convert, Edit, Render, Ticks, Charts, Sync };
  Kind kind = Kind::Dump;
  std::string input;
  std::string output;  // convert, render and ticks; edit with --output
  std::optional<int16_t> songCode;
  std::optional<std::string> editName;
  std::optional<std::string> title;
  std::optional<uint8_t> style;
  std::optional<uint8_t> difficulty;
  // edit: the words as given and what they ask for, in order
  std::vector<std::string> words;
  std::vector<EditOperation> operations;
  // simfiles: which chart of the file and whether its positions may be snapped
  std::optional<int> chartNumber;
  bool snap = false;
  // the tempo written to a .sm, or played by ticks
  std::optional<int> bpm;
  // render
  std::optional<std::string> viewSettings;
  int pngOption = 0;
  int jpegQuality = 95;
  bool progressive = false;
  // render to .pdf: the paper ("a4", "letter", or empty for the locale's) and its turn
  bool pdf = false;
  std::string paper;
  std::string orientation;  // "portrait", "landscape", or empty for fewer pages
  // ticks
  int fromBeat = 0;
  bool metronome = false;
  std::optional<std::string> music;
  int offsetMs = 0;
  // sync: the music's expected tempo (--bpm, else the song's) and the beat to be near
  std::optional<double> syncBpm;
  std::optional<double> nearMs;
  int speedPercent = 100;  // any whole number; the command refuses one outside 50..100
};

// nullopt after reporting the usage error (exit status 1).
std::optional<Request> parseRequest(const Arguments& arguments, Diagnostics& diagnostics);

// The simfile options against the files' names: --chart and --snap need a .sm or .ssc input,
// --bpm a .sm output, and a .ssc is never written. False after reporting a usage error.
bool checkSimfileOptions(const Request& request, Diagnostics& diagnostics);

}  // namespace tarveno

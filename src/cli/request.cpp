#include "cli/request.h"

#include <initializer_list>
#include <string_view>

#include "core/chart/chart.h"
#include "core/text/file_names.h"

#ifdef TARVENO_WITH_RENDER
#include "render/image_export.h"
#endif

namespace tarveno {

namespace {

// Fills what only one command takes; false after reporting a usage error.
using CommandOptions = bool (*)(const Arguments&, Request&, Diagnostics&);

struct CommandShape {
  std::string_view name;
  Request::Kind kind;
  size_t operands;  // the least number; edit takes any number of words after its file
  std::initializer_list<std::string_view> options;
  CommandOptions parseOwn = nullptr;
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

bool parseEditWords(const Arguments& a, Request& r, Diagnostics& diagnostics) {
  for (size_t i = 1; i < a.operands.size(); ++i) {
    auto op = parseEditOperation(a.operands[i]);
    if (!op) {
      diagnostics.usage("not an edit word: " + a.operands[i]);
      return false;
    }
    r.words.push_back(a.operands[i]);
    r.operations.push_back(*op);
  }
  if (const std::string* out = a.option("output")) r.output = *out;
  return true;
}

// Only a tool built with the renderer has the render command.
#ifdef TARVENO_WITH_RENDER
// Paper and turn belong to the PDF only; a picture has neither.
bool parsePaperOptions(const Arguments& a, Request& r, Diagnostics& diagnostics) {
  const std::string* paper = a.option("paper");
  const bool landscape = a.option("landscape") != nullptr;
  const bool portrait = a.option("portrait") != nullptr;
  if (!r.pdf && (paper || landscape || portrait)) {
    diagnostics.usage("--paper, --landscape and --portrait are for a .pdf output only");
    return false;
  }
  if (landscape && portrait) {
    diagnostics.usage("--landscape and --portrait exclude each other");
    return false;
  }
  if (paper && *paper != "a4" && *paper != "letter") {
    diagnostics.usage("--paper takes a4 or letter, not " + *paper);
    return false;
  }
  r.paper = paper ? *paper : std::string();
  r.orientation = landscape ? "landscape" : portrait ? "portrait" : "";
  return true;
}

bool parseRenderOptions(const Arguments& a, Request& r, Diagnostics& diagnostics) {
  r.pdf = endsWithIgnoringCase(r.output, ".pdf");
  if (!r.pdf && !imageTypeFromName(r.output)) {
    diagnostics.usage(r.output + ": the output's name must end in .png, .jpg, .jpeg, .bmp or .pdf");
    return false;
  }
  if (!parsePaperOptions(a, r, diagnostics)) return false;
  std::optional<int> png, quality;
  if (!numberOption(a, "png-option", 0, 2, png, diagnostics)) return false;
  if (!numberOption(a, "jpeg-quality", 1, 100, quality, diagnostics)) return false;
  r.pngOption = png.value_or(0);
  r.jpegQuality = quality.value_or(95);
  r.progressive = a.option("progressive") != nullptr;
  if (const std::string* v = a.option("view-settings")) r.viewSettings = *v;
  return true;
}
#endif

bool parseTicksOptions(const Arguments& a, Request& r, Diagnostics& diagnostics) {
  if (!endsWithIgnoringCase(r.output, ".wav")) {
    diagnostics.usage(r.output + ": the sound file's name must end in .wav");
    return false;
  }
  std::optional<int> from, offset, speed;
  if (!numberOption(a, "from", 0, kBeatsPerMeasure * kStepMeasures - 1, from, diagnostics)) return false;
  if (!numberOption(a, "offset", -3'600'000, 3'600'000, offset, diagnostics)) return false;
  // A speed out of range is the command's to refuse, as a value it cannot play.
  if (!numberOption(a, "speed", -1'000'000, 1'000'000, speed, diagnostics)) return false;
  if (const std::string* music = a.option("music")) r.music = *music;
  if (offset && !r.music) {
    diagnostics.usage("--offset places the music, so it needs --music");
    return false;
  }
  r.fromBeat = from.value_or(0);
  r.offsetMs = offset.value_or(0);
  r.speedPercent = speed.value_or(100);
  r.metronome = a.option("metronome") != nullptr;
  return true;
}

// The tempo may be a fraction here: it is the music's, not a chart's. It comes from --bpm or
// from the song, never both.
bool parseSyncOptions(const Arguments& a, Request& r, Diagnostics& diagnostics) {
  const std::string* bpm = a.option("bpm");
  if ((bpm != nullptr) == (a.option("song") != nullptr)) {
    diagnostics.usage("sync takes the tempo from either --bpm or --song");
    return false;
  }
  if (bpm && !(r.syncBpm = parseDecimalNumber(*bpm, 1, 999))) {
    diagnostics.usage("--bpm needs a number from 1 to 999, not \"" + *bpm + "\"");
    return false;
  }
  if (const std::string* near = a.option("near")) {
    if (!(r.nearMs = parseDecimalNumber(*near, -3'600'000, 3'600'000))) {
      diagnostics.usage("--near needs a number of milliseconds from -3600000 to 3600000, not \"" + *near + "\"");
      return false;
    }
  }
  return true;
}

const CommandShape kShapes[] = {
    {"dump", Request::Kind::Dump, 1, {"song", "chart", "snap"}},
    {"stats", Request::Kind::Stats, 1, {"song", "chart", "snap"}},
    {"convert",
     Request::Kind::Convert,
     2,
     {"song", "edit-name", "title", "style", "difficulty", "chart", "snap", "bpm"}},
    {"edit", Request::Kind::Edit, 1, {"song", "output", "chart", "snap", "bpm"}, parseEditWords},
#ifdef TARVENO_WITH_RENDER
    {"render",
     Request::Kind::Render,
     2,
     {"song", "view-settings", "png-option", "jpeg-quality", "progressive", "chart", "snap", "paper", "landscape",
      "portrait"},
     parseRenderOptions},
#endif
    {"ticks",
     Request::Kind::Ticks,
     2,
     {"song", "chart", "snap", "bpm", "from", "metronome", "music", "offset", "speed"},
     parseTicksOptions},
    {"charts", Request::Kind::Charts, 1, {}},
    {"sync", Request::Kind::Sync, 1, {"song", "bpm", "near"}, parseSyncOptions},
};

std::string operandCountText(const CommandShape& shape, size_t given) {
  const std::string takes = shape.kind == Request::Kind::Edit ? " takes a file and its edit words"
                            : shape.operands == 1             ? " takes one file"
                                                              : " takes an input and an output file";
  return std::string(shape.name) + takes + ", " + std::to_string(given) + " given";
}

// The command's shape, once its options and operand count are checked; nullptr after reporting.
const CommandShape* checkedShape(const Arguments& a, Diagnostics& diagnostics) {
  if (a.command.empty()) {
    diagnostics.usage("no command given");
    return nullptr;
  }
  const CommandShape* shape = nullptr;
  for (const auto& s : kShapes) {
    if (s.name == a.command) shape = &s;
  }
  if (!shape) {
    diagnostics.usage("unknown command: " + a.command);
    return nullptr;
  }
  for (const auto& [name, value] : a.options) {
    if (!allows(*shape, name)) {
      diagnostics.usage("option --" + name + " does not apply to " + a.command);
      return nullptr;
    }
  }
  const bool exact = shape->kind != Request::Kind::Edit;
  if (a.operands.size() < shape->operands || (exact && a.operands.size() != shape->operands)) {
    diagnostics.usage(operandCountText(*shape, a.operands.size()));
    return nullptr;
  }
  return shape;
}

}  // namespace

std::optional<Request> parseRequest(const Arguments& a, Diagnostics& diagnostics) {
  const CommandShape* shape = checkedShape(a, diagnostics);
  if (!shape) return std::nullopt;
  Request r;
  r.kind = shape->kind;
  r.input = a.operands[0];
  if (shape->operands > 1) r.output = a.operands[1];
  if (!numberOption(a, "song", -32768, 32767, r.songCode, diagnostics)) return std::nullopt;
  if (!numberOption(a, "style", 0, 2, r.style, diagnostics)) return std::nullopt;
  if (!numberOption(a, "difficulty", 0, 255, r.difficulty, diagnostics)) return std::nullopt;
  if (!numberOption(a, "chart", 1, 9999, r.chartNumber, diagnostics)) return std::nullopt;
  const bool wholeBpm = r.kind != Request::Kind::Sync;
  if (wholeBpm && !numberOption(a, "bpm", 1, 999, r.bpm, diagnostics)) return std::nullopt;
  r.snap = a.option("snap") != nullptr;
  if (const std::string* v = a.option("edit-name")) r.editName = *v;
  if (const std::string* v = a.option("title")) r.title = *v;
  if (shape->parseOwn && !shape->parseOwn(a, r, diagnostics)) return std::nullopt;
  if (!checkSimfileOptions(r, diagnostics)) return std::nullopt;
  return r;
}

}  // namespace tarveno

#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace tarveno {

// What the core tells the user, as values: which fact (a kind of one of the areas below) and
// the values it needs, in order. The words for it are chosen by the front end (the words
// layer), in the language the user reads; the core never builds such text itself.
//
// Each area keeps its kinds in its own header; they are declared here so that a message can
// hold any of them.
enum class ChartText : uint16_t;  // core/chart/chart_text.h: chart files, simfiles, reports
enum class SheetText : uint16_t;  // core/sheet/sheet_text.h: view settings, the sheet layout
enum class FileText : uint16_t;   // core/io/file_text.h: opening, writing and replacing files
enum class PlayText : uint16_t;   // core/play/play_text.h: WAV files, music
enum class SongText : uint16_t;   // core/songs/song_text.h: the catalogue, meter files
enum class EditText : uint16_t;   // core/edit/edit_text.h: edit words of the batch tool

using TextKind = std::variant<ChartText, SheetText, FileText, PlayText, SongText, EditText>;

struct Message {
  TextKind kind{};
  // The values the text shows, already written out: numbers in plain ASCII digits (locale-free),
  // names and file paths in UTF-8.
  std::vector<std::string> args;
  // Messages the text is made of, such as the reason inside "record 3 is damaged (...)".
  std::vector<Message> parts;

  bool operator==(const Message&) const = default;
};

}  // namespace tarveno

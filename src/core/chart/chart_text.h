#pragma once

#include <cstdint>

#include <string>
#include <utility>
#include <vector>

#include "core/message.h"
#include "core/result.h"

namespace tarveno {

// What the chart files, simfiles and their reports tell the user. The arguments and parts each
// kind takes are listed beside it, in order; the words are chosen by the front end.
enum class ChartText : uint16_t {
  // Titles of the notices the readers give.
  TitleWarning,         // the box of a warning
  TitleError,           // the box of an error
  TitleCardError,       // the card reader's errors; args: the error code
  TitleStepMania,       // a simfile's report
  TitleMsdstyle,        // the "#msdstyle" box
  MsdstyleUnsupported,  // a KRUN file with "#msdstyle"

  // Memory card images.
  CardBadData,           // too short, or a content the card reader refuses
  CardShortFile,         // args: the full size, the file's size, the file's name
  CardArrowsLikeMarker,  // args: measure, beat (from 1)
  CardNoSong,            // no song chosen
  CardBadPlayStyle,      // a play style the card cannot hold
  WithFileName,          // parts: the reason; args: the file's name on the next line
  UnsupportedFormat,     // a file name without a known extension
  Cp932Unavailable,      // iconv lacks the CP932 tables

  // Checks before a save.
  KrunTitleMissing,
  EditNameMissing,
  // What a format cannot keep: parts are the lines below, each shown as a list item.
  UnkeptList,
  UnkeptFreezeArrows,  // args: count
  UnkeptEditName,
  UnkeptFootLevel,
  UnkeptKrunTitle,
  UnkeptKrunComment,
  UnkeptSecondPadArrows,  // args: count

  // The chart settings' input.
  FootLevelRange,
  EditNameRule,
  KrunWidthRange,
  KrunHeightRange,
  FieldKrunTitle,  // the field names inside the two refusals below
  FieldKrunComment,
  KrunControlCharacter,  // parts: the field; args: the code as "U+000A"
  KrunUnkeptCharacter,   // parts: the field; args: the character

  // The recovery copy.
  StateNotOurs,
  StateNewer,    // args: the copy's version
  StateDamaged,  // parts: what is wrong, one of the four below
  StateCutShort,
  StateChecksum,
  StateOldVersion,  // args: the copy's version
  StateBadContent,

  // Reading simfiles.
  SimfileNoChart,
  SimfileUtf16,
  SimfileTooFewParts,  // args: the number of parts
  SimfileNoNotes,
  SimfileUnreadableAt,      // args: line; parts: why (one of the two above)
  SimfileChartMissing,      // args: chart number, charts in the file
  SimfileChartUnreadable,   // args: chart number, line; parts: why
  SimfileChartUnsupported,  // args: chart number, steps type
  SimfileNoSupportedChart,
  SimfileRowColumns,  // args: measure, row, columns found, columns expected

  // Importing a simfile chart.
  ImportNoChart,      // args: chart number
  ImportUnsupported,  // args: steps type
  ImportNoSong,
  SongGiven,                // args: title, code
  SongByTitle,              // args: title, code
  SongByTempo,              // args: title, code, the file's #TITLE
  SongByLength,             // args: title, code, the file's #TITLE
  SongLongest,              // args: title, code, the file's #TITLE
  UnknownDifficulty,        // args: the difficulty name
  MeterChanged,             // args: the #METER text, the level used
  DescriptionDropped,       // args: the description
  FileTempoDiffers,         // args: the file's tempo, the song's tempo
  FileTempoDiffersAssumed,  // args: the file's tempo, the assumed tempo
  FileOffset,               // args: seconds
  ChartUnreadableNote,      // args: chart number, line; parts: why
  MovedNotes,               // parts: the snapped kinds
  SnappedKinds,             // parts: the kinds below, one list
  SnappedKind,              // args: the grid (16 for 16ths), count
  SnapRefusal,              // parts: the snapped kinds; args: positions, count
  MusicAdopted,             // args: the #MUSIC name, the offset in ms

  // Writing simfiles.
  ExportNoSong,
  TempoAssumed,      // args: the song's title
  DifficultyAsEdit,  // args: the difficulty kind
  KrunHeaderDropped,
  EditNameTrimmed,  // args: the edit name, how a reader sees it
  MusicElsewhere,   // args: the music file's name
  SpliceFailed,     // args: chart number

  // The lines of a simfile report: parts, one line each.
  ReportLines,
  ReportEventLine,  // parts: the event below; args: count, positions
  EventMine,
  EventLift,
  EventFake,
  EventKeysound,
  EventAttack,
  EventUnknownNote,
  EventAnnotation,
  EventPastSongEnd,
  EventTailWithoutHead,
  EventHeadWithoutTail,
  EventRollToFreeze,
  EventHoldToTap,
  EventHoldCutAtSongEnd,
  EventSnapped,
  EventMerged,
  EventOverPlacementLimit,
  EventMeasureZero,
  EventTimingIgnored,
  EventSecondPadInSingle,
  EventStepsPastSongEnd,
  EventFreezeNotWritten,
  EventFreezeShortened,

  // An error that carries its words ready-made (a front end's own, see Error); args: those words.
  ReadyText,
};

// A message of this area with the given arguments.
inline Message chartText(ChartText kind, std::vector<std::string> args = {}, std::vector<Message> parts = {}) {
  return Message{kind, std::move(args), std::move(parts)};
}

// What an error says, as a message that can be a part of another.
inline Message textOf(const Error& error) {
  return error.text ? *error.text : chartText(ChartText::ReadyText, {error.message});
}

// The error with the file's name on a line below its reason.
inline Error withFileName(const Error& error, std::string name) {
  return Error{error.code, chartText(ChartText::WithFileName, {std::move(name)}, {textOf(error)})};
}

}  // namespace tarveno

#pragma once

#include <cstdint>

#include "core/message.h"

namespace tarveno {

// What the sheet (the whole-chart view) and its settings file view.dat tell the user.
enum class SheetText : uint16_t {
  // Laying the sheet out.
  TooLarge,  // args: the chart's measures, the value; part 0: what came out of range (a Size* kind)
  BadHeaderFontSize,
  BadScreenResolution,
  EmptySheet,
  NoSongChosen,     // arg 0: the song index that is not in the list
  NoMeasures,       // the song has no measures
  TooManyMeasures,  // args: the song's measures, the most a chart holds
  // What TooLarge names.
  SizeHeaderLineCount,
  SizeHeaderPitch,
  SizeHeaderHeight,
  SizeSheetWidth,
  SizeSheetHeight,
  SizeHeaderLinePosition,
  SizeColumnPosition,
  SizeColumnRightEdge,
  SizeFrameBottom,
  SizeMeasurePosition,
  SizeMeasureBottom,
  SizeNumberPosition,
  // Reading view.dat.
  RecordDamaged,    // arg 0: the record's number; part 0: why (a Record* kind)
  RecordTextLong,   // arg 0: the stored length in bytes
  RecordLineStyle,  // arg 0: the value
  RecordColour,     // arg 0: the value
  RecordFontSize,
  RecordBlocks,     // arg 0: the value; part 0: why it is refused
  RecordShowNum,    // arg 0: the value
  RecordNumPos,     // arg 0: the value
  FileCutAtRecord,  // args: the file's size, the record that is missing
  FileTooShort,     // args: the file's size, the size it needs at least
  // Checking settings before they are used or stored. Part 0 names the setting.
  NotShiftJis,
  TextTooLong,  // arg 0: the text's size in Shift_JIS bytes
  BlocksBelowOne,
  NotRgb,
  BadLineStyle,
  BadNumberFontSize,
  ShowNumNotZeroOrOne,
  NumPosOutOfRange,
  // The settings' names.
  NameBackColour,
  NameBeat13Colour,
  NameBeat24Colour,
  NameFrameColour,
  NameMeasureLineColour,
  NameBeatLineColour,
  NameHeaderColour,
  NamePlayerLineColour,
  NameNumberColour,
  NameFrameLine,
  NameMeasureLine,
  NameBeatLine,
  NamePlayerLine,
  NameHeaderFontName,
  NameHeaderStyle,
  NameNumberFontName,
};

}  // namespace tarveno

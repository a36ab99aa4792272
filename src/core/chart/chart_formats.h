#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/chart/chart.h"
#include "core/result.h"

namespace tarveno {

// Parts of a chart that a file kind has no place for. Saving into such a kind still succeeds,
// but the user must learn what the file did not keep.
enum class UnkeptPart : uint8_t {
  FreezeArrows,     // counted by freeze runs
  EditName,         // 1 when the chart has one
  FootLevel,        // 1 when the level is not 0
  KrunTitle,        // 1 when the chart has one
  KrunComment,      // 1 when the chart has one
  SecondPadArrows,  // arrows on the second pad of a single chart, which no kind keeps
};
using UnkeptParts = uint8_t;  // bits of 1 << UnkeptPart
inline constexpr UnkeptParts unkeptBit(UnkeptPart part) {
  return static_cast<UnkeptParts>(1u << static_cast<unsigned>(part));
}

// Reads the file into the document as every plain opening does (see chart_files.h).
using ChartReader = Result<std::vector<Notice>> (*)(const std::filesystem::path&, Document&, const Catalogue&);
// Writes the whole chart as a new file, replacing any file there only once the new one is complete.
using ChartWriter = Status (*)(const std::filesystem::path&, const Chart&, const Catalogue&);

// One chart file kind: how the file dialogs list it, the names that are it, how it is read and
// written and what it cannot keep.
struct ChartFormat {
  ChartFileKind kind;
  std::string_view openFilter;  // the open dialog's entry, e.g. "StepMania (*.sm *.ssc)"
  std::string_view openPatterns;
  std::string_view saveFilter;         // the save dialog's entry
  std::string_view writeExtension;     // the one written, lower case, added to a name without one
  std::string_view readOnlyExtension;  // a further one that is read, never written; empty for none
  ChartReader read;
  ChartWriter write;
  UnkeptParts cannotKeep;  // second-pad arrows of a single chart are never kept and not listed
};

// Every kind in the order the file dialogs list them (1-based filter index = place + 1).
std::span<const ChartFormat> chartFormats();
const ChartFormat& chartFormat(ChartFileKind kind);
// The format a dialog's 1-based filter entry selects; the first one for an entry out of range.
const ChartFormat& chartFormatOfFilter(int filterIndex);
int filterIndexOf(ChartFileKind kind);

// The kind a name's extension decides (".mc", ".kru", ".sm", ".ssc", in any case); nullptr for a
// name without a known one.
const ChartFormat* chartFormatOfName(std::string_view name);
// True when the name's extension is one that is only read (".ssc").
bool isReadOnlyChartName(std::string_view name);

// The "text|pattern|text|pattern" filter of the open or save dialog.
std::string chartDialogFilter(bool save);

// The file a save writes for a name typed with a format selected: the name's own extension
// decides, and only a name without a known one gets the selected format's.
struct SaveTarget {
  std::string path;
  const ChartFormat* format;
};
SaveTarget saveTargetFor(std::string_view typedName, const ChartFormat& selected);

// What of the chart a save in this format loses: one entry per part with how many.
struct UnkeptCount {
  UnkeptPart part;
  int count;
};
std::vector<UnkeptCount> unkeptBy(const Chart& chart, const ChartFormat& format);

// The lines naming them with their counts, for one message.
Message unkeptText(const std::vector<UnkeptCount>& unkept);

}  // namespace tarveno

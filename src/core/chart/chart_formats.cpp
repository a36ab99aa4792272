#include "core/chart/chart_formats.h"

#include <array>
#include <bit>

#include "core/chart/card.h"
#include "core/chart/chart_files.h"
#include "core/chart/chart_text.h"
#include "core/chart/krun.h"
#include "core/chart/simfile.h"
#include "core/text/file_names.h"

namespace tarveno {

namespace {

Status writeKrun(const std::filesystem::path& path, const Chart& chart, const Catalogue& catalogue) {
  return WriteKrunChartFile(path, chart, catalogue, currentDate());
}

Status writeSimfileWhole(const std::filesystem::path& path, const Chart& chart, const Catalogue& catalogue) {
  auto written = WriteSimfileFile(path, chart, catalogue, std::nullopt);
  return written ? Status() : Status(written.error());
}

// KRUN text has no freeze arrows, no edit name and no foot level; a simfile has no place for
// the KRUN header. The KRUN file's song link is not listed: the format never had one.
const std::array<ChartFormat, 3> kFormats = {{
    {ChartFileKind::Card, "memorycard image(*.mc)", "*.mc", "memorycard image(*.mc)", ".mc", "", openCardFile,
     WriteCardSaveFile, 0},
    {ChartFileKind::Krun, "KRUN Data (*.kru)", "*.kru", "KRUN Data (*.kru)", ".kru", "", openKrunFile, writeKrun,
     static_cast<UnkeptParts>(unkeptBit(UnkeptPart::FreezeArrows) | unkeptBit(UnkeptPart::EditName) |
                              unkeptBit(UnkeptPart::FootLevel))},
    {ChartFileKind::Simfile, "StepMania (*.sm *.ssc)", "*.sm;*.ssc", "StepMania (*.sm)", ".sm", ".ssc",
     openSimfileFirstChart, writeSimfileWhole,
     static_cast<UnkeptParts>(unkeptBit(UnkeptPart::KrunTitle) | unkeptBit(UnkeptPart::KrunComment))},
}};

// Freeze arrows as runs: a run starts wherever a panel's freeze bit is set and was not set on
// the slot before.
int freezeRuns(const Chart& chart) {
  int runs = 0;
  uint8_t before = 0;
  for (const MeasureBytes& measure : chart.FreezeData) {
    for (uint8_t bits : measure) {
      runs += std::popcount(static_cast<uint8_t>(bits & ~before));
      before = bits;
    }
  }
  return runs;
}

// Arrows of the second pad in a single chart; a triplet marker holds none.
int secondPadArrows(const Chart& chart) {
  if (hasSecondPad(chart.PlayStyle)) return 0;
  int arrows = 0;
  for (const MeasureBytes& measure : chart.StepData) {
    for (size_t slot = 0; slot < measure.size(); ++slot) {
      if (slot % 4 == 0 && measure[slot] == kTripletMark) continue;
      arrows += std::popcount(static_cast<uint8_t>(measure[slot] & 0xF0));
    }
  }
  return arrows;
}

int countOf(const Chart& chart, UnkeptPart part) {
  switch (part) {
    case UnkeptPart::FreezeArrows:
      return freezeRuns(chart);
    case UnkeptPart::EditName:
      return chart.EditName.empty() ? 0 : 1;
    case UnkeptPart::FootLevel:
      return (chart.Difficulty & 0x0F) != 0 ? 1 : 0;
    case UnkeptPart::KrunTitle:
      return chart.KrunTitle.empty() ? 0 : 1;
    case UnkeptPart::KrunComment:
      return chart.KrunComment.empty() ? 0 : 1;
    case UnkeptPart::SecondPadArrows:
      return secondPadArrows(chart);
  }
  return 0;
}

Message unkeptLine(const UnkeptCount& item) {
  switch (item.part) {
    case UnkeptPart::FreezeArrows:
      return chartText(ChartText::UnkeptFreezeArrows, {std::to_string(item.count)});
    case UnkeptPart::EditName:
      return chartText(ChartText::UnkeptEditName);
    case UnkeptPart::FootLevel:
      return chartText(ChartText::UnkeptFootLevel);
    case UnkeptPart::KrunTitle:
      return chartText(ChartText::UnkeptKrunTitle);
    case UnkeptPart::KrunComment:
      return chartText(ChartText::UnkeptKrunComment);
    case UnkeptPart::SecondPadArrows:
      return chartText(ChartText::UnkeptSecondPadArrows, {std::to_string(item.count)});
  }
  return {};
}

}  // namespace

std::span<const ChartFormat> chartFormats() {
  return kFormats;
}

const ChartFormat& chartFormat(ChartFileKind kind) {
  for (const ChartFormat& format : kFormats) {
    if (format.kind == kind) return format;
  }
  return kFormats.front();
}

const ChartFormat& chartFormatOfFilter(int filterIndex) {
  const bool inRange = filterIndex >= 1 && static_cast<size_t>(filterIndex) <= kFormats.size();
  return kFormats[inRange ? static_cast<size_t>(filterIndex - 1) : 0];
}

int filterIndexOf(ChartFileKind kind) {
  return static_cast<int>(&chartFormat(kind) - kFormats.data()) + 1;
}

const ChartFormat* chartFormatOfName(std::string_view name) {
  for (const ChartFormat& format : kFormats) {
    if (endsWithIgnoringCase(name, format.writeExtension) || endsWithIgnoringCase(name, format.readOnlyExtension)) {
      return &format;
    }
  }
  return nullptr;
}

bool isReadOnlyChartName(std::string_view name) {
  const ChartFormat* format = chartFormatOfName(name);
  return format && endsWithIgnoringCase(name, format->readOnlyExtension);
}

std::string chartDialogFilter(bool save) {
  std::string filter;
  for (const ChartFormat& format : kFormats) {
    if (!filter.empty()) filter += '|';
    if (save) {
      filter += std::string(format.saveFilter) + "|*" + std::string(format.writeExtension);
    } else {
      filter += std::string(format.openFilter) + '|' + std::string(format.openPatterns);
    }
  }
  return filter;
}

SaveTarget saveTargetFor(std::string_view typedName, const ChartFormat& selected) {
  if (const ChartFormat* own = chartFormatOfName(typedName)) return {std::string(typedName), own};
  return {std::string(typedName) + std::string(selected.writeExtension), &selected};
}

std::vector<UnkeptCount> unkeptBy(const Chart& chart, const ChartFormat& format) {
  std::vector<UnkeptCount> unkept;
  for (int i = 0; i <= static_cast<int>(UnkeptPart::SecondPadArrows); ++i) {
    const auto part = static_cast<UnkeptPart>(i);
    const bool lost = part == UnkeptPart::SecondPadArrows || (format.cannotKeep & unkeptBit(part)) != 0;
    const int count = lost ? countOf(chart, part) : 0;
    if (count > 0) unkept.push_back({part, count});
  }
  return unkept;
}

Message unkeptText(const std::vector<UnkeptCount>& unkept) {
  Message list = chartText(ChartText::UnkeptList);
  for (const UnkeptCount& item : unkept) list.parts.push_back(unkeptLine(item));
  return list;
}

}  // namespace tarveno

#include "core/chart/simfile_report.h"

#include <algorithm>

#include "core/chart/chart_text.h"

namespace tarveno {

namespace {

// The words of each event are one kind each, in the events' order.
constexpr std::array<ChartText, static_cast<size_t>(SimfileEvent::Count)> kEventText = {
    ChartText::EventMine,
    ChartText::EventLift,
    ChartText::EventFake,
    ChartText::EventKeysound,
    ChartText::EventAttack,
    ChartText::EventUnknownNote,
    ChartText::EventAnnotation,
    ChartText::EventPastSongEnd,
    ChartText::EventTailWithoutHead,
    ChartText::EventHeadWithoutTail,
    ChartText::EventRollToFreeze,
    ChartText::EventHoldToTap,
    ChartText::EventHoldCutAtSongEnd,
    ChartText::EventSnapped,
    ChartText::EventMerged,
    ChartText::EventOverPlacementLimit,
    ChartText::EventMeasureZero,
    ChartText::EventTimingIgnored,
    ChartText::EventSecondPadInSingle,
    ChartText::EventStepsPastSongEnd,
    ChartText::EventFreezeNotWritten,
    ChartText::EventFreezeShortened,
};

std::string beatText(const SimfileBeat& at) {
  return std::to_string(at.measure + 1) + ":" + std::to_string(at.beat + 1);
}

}  // namespace

void SimfileReport::add(SimfileEvent event, SimfileBeat at) {
  const auto kind = static_cast<size_t>(event);
  ++counts_[kind];
  auto& places = places_[kind];
  if (places.size() <= kShownPositions && std::find(places.begin(), places.end(), at) == places.end()) {
    places.push_back(at);
  }
}

void SimfileReport::note(Message text, bool changed) {
  notes_.push_back(std::move(text));
  notedChange_ = notedChange_ || changed;
}

bool SimfileReport::changedAnything() const {
  return notedChange_ || std::any_of(counts_.begin(), counts_.end(), [](int n) { return n > 0; });
}

std::string SimfileReport::positions(SimfileEvent event) const {
  const auto& places = places_[static_cast<size_t>(event)];
  std::string text;
  for (size_t i = 0; i < places.size() && i < kShownPositions; ++i) text += (i ? ", " : "") + beatText(places[i]);
  if (places.size() > kShownPositions) text += ", …";
  return text;
}

Message SimfileReport::snapRefusal() const {
  return chartText(ChartText::SnapRefusal,
                   {positions(SimfileEvent::Snapped), std::to_string(count(SimfileEvent::Snapped))}, {snappedKinds_});
}

std::vector<Message> SimfileReport::lines() const {
  std::vector<Message> out = notes_;
  for (size_t kind = 0; kind < kKinds; ++kind) {
    if (counts_[kind] == 0) continue;
    out.push_back(chartText(ChartText::ReportEventLine,
                            {std::to_string(counts_[kind]), positions(static_cast<SimfileEvent>(kind))},
                            {chartText(kEventText[kind])}));
  }
  return out;
}

}  // namespace tarveno

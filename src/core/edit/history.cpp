#include "core/edit/history.h"

#include <algorithm>
#include <utility>

namespace tarveno {

namespace {

// Chart has no comparison of its own; every field is listed here, so a field added to Chart
// must be added here too or undo would not see edits of it.
bool sameChart(const Chart& a, const Chart& b) {
  return a.StepData == b.StepData && a.FreezeData == b.FreezeData && a.BeatType == b.BeatType &&
         a.PlayStyle == b.PlayStyle && a.Difficulty == b.Difficulty && a.SongIndex == b.SongIndex &&
         a.EditName == b.EditName && a.KrunTitle == b.KrunTitle && a.KrunWidth == b.KrunWidth &&
         a.KrunHeight == b.KrunHeight && a.KrunComment == b.KrunComment && a.HasFreeze == b.HasFreeze;
}

bool sameMeters(const MeterSegs& a, const MeterSegs& b) {
  return std::equal(a.begin(), a.end(), b.begin(), [](const MeterSeg& x, const MeterSeg& y) {
    return x.FirstMeasure == y.FirstMeasure && x.BeatsPerMeasure == y.BeatsPerMeasure;
  });
}

}  // namespace

bool Snapshot::operator==(const Snapshot& other) const {
  return sameChart(chart, other.chart) && sameMeters(meterSegs, other.meterSegs);
}

History::History(size_t limit) : limit_(std::max(limit, kMinLimit)) {}

bool History::commit(const Snapshot& before, const Snapshot& after) {
  if (before == after) return false;
  undo_.push_back(before);
  if (undo_.size() > limit_) undo_.pop_front();
  redo_.clear();
  return true;
}

std::optional<Snapshot> History::undo(const Snapshot& current) {
  if (undo_.empty()) return std::nullopt;
  Snapshot restored = std::move(undo_.back());
  undo_.pop_back();
  redo_.push_back(current);
  return restored;
}

std::optional<Snapshot> History::redo(const Snapshot& current) {
  if (redo_.empty()) return std::nullopt;
  Snapshot restored = std::move(redo_.back());
  redo_.pop_back();
  undo_.push_back(current);
  return restored;
}

void History::clear() {
  undo_.clear();
  redo_.clear();
}

}  // namespace tarveno

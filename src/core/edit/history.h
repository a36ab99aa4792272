#pragma once

#include <cstddef>
#include <deque>
#include <optional>

#include "core/chart/chart.h"
#include "core/songs/catalogue.h"

namespace tarveno {

// Everything an edit can change: the chart, and the meter segments that a song change
// through the properties dialog reloads. About 13 KB each.
struct Snapshot {
  Chart chart;
  MeterSegs meterSegs{};

  bool operator==(const Snapshot&) const = default;
};

// Undo and redo by whole snapshots: simple, and exact whatever an edit touched.
class History {
 public:
  static constexpr size_t kMinLimit = 1000;

  // Keeps at most `limit` undo steps (never fewer than 1000); the oldest are dropped.
  explicit History(size_t limit = kMinLimit);

  // Records the step before -> after unless the two are equal; returns whether it recorded.
  // A recorded step clears the redo side.
  bool commit(const Snapshot& before, const Snapshot& after);

  // The state to restore, with `current` moved to the other side; nullopt when there is none.
  std::optional<Snapshot> undo(const Snapshot& current);
  std::optional<Snapshot> redo(const Snapshot& current);

  bool canUndo() const { return !undo_.empty(); }
  bool canRedo() const { return !redo_.empty(); }
  size_t undoCount() const { return undo_.size(); }
  size_t limit() const { return limit_; }
  void clear();

 private:
  size_t limit_;
  // Moves `current` onto `to` and hands back the newest state of `from`.
  static std::optional<Snapshot> step(std::deque<Snapshot>& from, std::deque<Snapshot>& to, const Snapshot& current);

  std::deque<Snapshot> undo_;  // states before each step, oldest first
  std::deque<Snapshot> redo_;  // states undone, most recently undone last
};

}  // namespace tarveno

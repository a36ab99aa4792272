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

// Undo and redo by whole snapshots: simple, and exact whatever an edit touched. The history
// also remembers which of its states was last saved or opened (the clean state), so the
// document counts as modified exactly when it stands elsewhere.
class History {
 public:
  // At most this many undo steps are kept; the oldest are dropped.
  static constexpr size_t kLimit = 1000;

  // Records the step before -> after unless the two are equal; returns whether it recorded.
  // A recorded step clears the redo side.
  bool commit(const Snapshot& before, const Snapshot& after);

  // The state to restore, with `current` moved to the other side; nullopt when there is none.
  std::optional<Snapshot> undo(const Snapshot& current);
  std::optional<Snapshot> redo(const Snapshot& current);

  bool canUndo() const { return !undo_.empty(); }
  bool canRedo() const { return !redo_.empty(); }
  size_t undoCount() const { return undo_.size(); }

  // The current state is the one in the file (after a save or an opening).
  void setClean() { clean_ = position(); }
  // No state is the one in a file: a save that could not keep everything, or a chart brought
  // back after a crash. The document stays modified until a save keeps it whole.
  void setNoneClean() { clean_ = kUnreachable; }
  // Whether the current state is the clean one. False once the clean state can no longer be
  // reached: its redo side was replaced by a new step, or it was dropped off the old end.
  bool isClean() const { return clean_ == position(); }

  // Forgets every step; the current state becomes the clean one (a new or opened chart).
  void clear();

 private:
  // Steps taken since the history began, counting undos back: a state's place in time.
  long position() const { return dropped_ + static_cast<long>(undo_.size()); }
  static constexpr long kUnreachable = -1;
  // Moves `current` onto `to` and hands back the newest state of `from`.
  static std::optional<Snapshot> step(std::deque<Snapshot>& from, std::deque<Snapshot>& to, const Snapshot& current);

  std::deque<Snapshot> undo_;  // states before each step, oldest first
  std::deque<Snapshot> redo_;  // states undone, most recently undone last
  long dropped_ = 0;           // undo steps dropped off the old end
  long clean_ = 0;
};

// The document's Modified flag follows its history: true exactly when the chart differs from
// the state last saved or opened. Every edit, undo and redo ends here.
inline void syncModified(Document& document, const History& history) {
  document.Modified = !history.isClean();
}

}  // namespace tarveno

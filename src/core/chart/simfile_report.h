#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "core/message.h"

namespace tarveno {

// Everything a simfile import or export dropped, moved, merged or changed, by kind, with the
// places it happened. The user reads it after every conversion, so nothing is lost silently.
enum class SimfileEvent {
  // import
  Mine,
  Lift,
  Fake,
  Keysound,
  Attack,
  UnknownNote,
  Annotation,
  PastSongEnd,
  TailWithoutHead,
  HeadWithoutTail,
  RollToFreeze,
  HoldToTap,
  HoldCutAtSongEnd,
  Snapped,
  Merged,
  OverPlacementLimit,
  MeasureZero,
  TimingIgnored,
  // export
  SecondPadInSingle,
  StepsPastSongEnd,
  FreezeNotWritten,
  FreezeShortened,
  Count,
};

// A beat as the report names it: table measure and beat within it, both from 0.
struct SimfileBeat {
  int measure = 0;
  int beat = 0;
  bool operator==(const SimfileBeat&) const = default;
};

class SimfileReport {
 public:
  static constexpr size_t kShownPositions = 5;

  void add(SimfileEvent event, SimfileBeat at);
  // A change without a place (the song used, the tempo assumed, a header field adjusted).
  void note(Message text, bool changed);

  int count(SimfileEvent event) const { return counts_[static_cast<size_t>(event)]; }
  // True when anything was dropped, moved, merged or changed (the song line alone is not).
  bool changedAnything() const;
  // One line per kind: the notes first, then each kind with its count and its first positions
  // as measure:beat, both counted from 1 (mines removed: 3, at 2:1, 5:4).
  std::vector<Message> lines() const;
  // The first positions of a kind, as the lines show them ("2:1, 5:4, …").
  std::string positions(SimfileEvent event) const;

  // Notes off both grids were moved: reading needed snapping. The kinds say what the moved
  // notes were (two 32nds); the refusal says all of it for a reader not allowed to snap.
  bool needsSnapping() const { return count(SimfileEvent::Snapped) > 0; }
  void setSnappedKinds(Message kinds) { snappedKinds_ = std::move(kinds); }
  Message snapRefusal() const;

 private:
  static constexpr size_t kKinds = static_cast<size_t>(SimfileEvent::Count);
  std::array<int, kKinds> counts_{};
  // Distinct beats in the order met, one more than shown so that "…" can say there are more.
  std::array<std::vector<SimfileBeat>, kKinds> places_{};
  std::vector<Message> notes_;
  bool notedChange_ = false;
  Message snappedKinds_;
};

}  // namespace tarveno

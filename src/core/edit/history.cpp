#include "core/edit/history.h"

#include <algorithm>
#include <utility>

namespace tarveno {

History::History(size_t limit) : limit_(std::max(limit, kMinLimit)) {}

bool History::commit(const Snapshot& before, const Snapshot& after) {
  if (before == after) return false;
  undo_.push_back(before);
  if (undo_.size() > limit_) undo_.pop_front();
  redo_.clear();
  return true;
}

std::optional<Snapshot> History::step(std::deque<Snapshot>& from, std::deque<Snapshot>& to, const Snapshot& current) {
  if (from.empty()) return std::nullopt;
  Snapshot restored = std::move(from.back());
  from.pop_back();
  to.push_back(current);
  return restored;
}

std::optional<Snapshot> History::undo(const Snapshot& current) {
  return step(undo_, redo_, current);
}

std::optional<Snapshot> History::redo(const Snapshot& current) {
  return step(redo_, undo_, current);
}

void History::clear() {
  undo_.clear();
  redo_.clear();
}

}  // namespace tarveno

#include "core/edit/history.h"

#include <utility>

namespace tarveno {

bool History::commit(const Snapshot& before, const Snapshot& after) {
  if (before == after) return false;
  // A clean state waiting on the redo side is about to be thrown away.
  if (clean_ > position()) clean_ = kUnreachable;
  undo_.push_back(before);
  if (undo_.size() > kLimit) {
    undo_.pop_front();
    ++dropped_;
    if (clean_ != kUnreachable && clean_ < dropped_) clean_ = kUnreachable;
  }
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
  dropped_ = 0;
  clean_ = 0;
}

}  // namespace tarveno

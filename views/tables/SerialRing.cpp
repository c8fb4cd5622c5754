#include "views/tables/SerialRing.h"

namespace PardeloStravon {

void SerialRing::Step(unsigned n) {
  ++cursorRow_;
  if (cursorRow_ >= n) cursorRow_ = 0;
  // Coming round to the first dirty row: the whole ring is dirty.
  if (cursorRow_ == dirtyFrom_) dirtyFrom_ = cursorRow_ + 1;
}

void SerialRing::UpdateCursor(CursorEvent event, unsigned n) {
  if (n == 0) {
    cursorRow_ = 0;
    dirtyFrom_ = 0;
    return;
  }
  switch (event) {
    case ceStart:
    case ceAppended:
      if (seenCount_ < n) {
        cursorRow_ = n - 1;
        seenCount_ = n;
      }
      break;
    case ceScrolled: Step(n); break;
    case ceRepaintAll: dirtyFrom_ = cursorRow_ + 1; break;
    case cePainted: dirtyFrom_ = cursorRow_; break;
  }
  if (dirtyFrom_ >= n) dirtyFrom_ = 0;
}

void SerialRing::Start(unsigned n, std::uint64_t discarded) {
  seenDiscarded_ = discarded;
  UpdateCursor(ceStart, n);
}

void SerialRing::FollowTrace(unsigned n, std::uint64_t discarded) {
  const std::uint64_t dropped = discarded >= seenDiscarded_ ? discarded - seenDiscarded_ : 0;
  seenDiscarded_ = discarded;
  if (n == 0) {
    UpdateCursor(ceAppended, 0);
    return;
  }
  if (n < seenCount_) {
    // A trace that shrank starts over in its plain order.
    seenCount_ = 0;
    dirtyFrom_ = 0;
  }
  if (dropped == 0 || seenCount_ == 0) {
    // Lines were only added (or nothing had been seen): the newest is the
    // last row, as the ring's order is still the trace's.
    if (dropped != 0) dirtyFrom_ = 0;
    UpdateCursor(ceAppended, n);
    return;
  }
  std::uint64_t steps = (n - seenCount_) + dropped;
  seenCount_ = n;
  // More steps than rows leave every row dirty; the cursor's place is the
  // same as after the steps modulo n.
  if (steps > n) {
    const unsigned rest = static_cast<unsigned>(steps % n);
    cursorRow_ = static_cast<unsigned>((cursorRow_ + rest) % n);
    dirtyFrom_ = cursorRow_ + 1;
    steps = 0;
  }
  for (std::uint64_t i = 0; i < steps; ++i) Step(n);
  if (dirtyFrom_ >= n) dirtyFrom_ = 0;
}

unsigned SerialRing::LineAt(unsigned row, unsigned n) const {
  if (row <= cursorRow_) return row + (n - 1 - cursorRow_);
  return row - 1 - cursorRow_;
}

std::vector<std::pair<unsigned, unsigned>> SerialRing::DirtyBands(unsigned n) const {
  if (n == 0) return {};
  if (dirtyFrom_ <= cursorRow_) return {{dirtyFrom_, cursorRow_}};
  return {{dirtyFrom_, n - 1}, {0, cursorRow_}};
}

}  // namespace PardeloStravon

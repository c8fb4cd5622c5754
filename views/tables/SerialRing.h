#pragma once
// The rows of the serial view as a ring: the newest trace line sits at a
// moving cursor row and the oldest follows it, so a new line costs one
// repainted row instead of a scroll of the whole list. Only the rows from
// dirtyFrom_ round to cursorRow_ still need painting.
#include <cstdint>
#include <utility>
#include <vector>

namespace PardeloStravon {

enum CursorEvent { ceStart, ceAppended, ceScrolled, ceRepaintAll, cePainted };

class SerialRing {
 public:
  // n is the trace's line count at the event.
  void UpdateCursor(CursorEvent event, unsigned n);
  // On a trace signal: the cursor advances one row per line the trace
  // started since the last look (growth of the count plus growth of the
  // discarded count), each step a ceScrolled step. A text that only
  // lengthened the newest line, or started one line, moves it as the
  // signal's own event would.
  void FollowTrace(unsigned n, std::uint64_t discarded);
  // Remembers the trace as it stands when the view starts (ceStart).
  void Start(unsigned n, std::uint64_t discarded);

  // The trace line shown in row r of a ring of n rows.
  unsigned LineAt(unsigned row, unsigned n) const;
  // The runs of dirty rows (first, last), one or two; none for n = 0.
  std::vector<std::pair<unsigned, unsigned>> DirtyBands(unsigned n) const;

  unsigned CursorRow() const { return cursorRow_; }
  unsigned DirtyFrom() const { return dirtyFrom_; }
  unsigned SeenCount() const { return seenCount_; }

 private:
  void Step(unsigned n);

  unsigned seenCount_ = 0;
  std::uint64_t seenDiscarded_ = 0;
  unsigned dirtyFrom_ = 0;
  unsigned cursorRow_ = 0;
};

}  // namespace PardeloStravon

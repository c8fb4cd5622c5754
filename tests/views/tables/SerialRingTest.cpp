// The serial view's ring: where the cursor goes and which rows are dirty
// after each kind of trace event, and that painting the dirty rows always
// leaves every row showing the line the ring's order gives it.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "foundation/core/TextLineBuffer.h"
#include "views/tables/SerialRing.h"

namespace {

using namespace PardeloStravon;
using Bands = std::vector<std::pair<unsigned, unsigned>>;

// A trace of four lines with a view's screen of rows beside it.
class RingScreen {
 public:
  RingScreen() : trace_(4, 100, [] { return std::wstring(); }) {}

  unsigned Count() const { return static_cast<unsigned>(trace_.Count()); }
  // A serial text and its signal.
  void Signal(const std::wstring& text) {
    const unsigned before = Count();
    const std::uint64_t droppedBefore = trace_.Discarded();
    const bool dropped = trace_.Append(text);
    started_ = (Count() - before) + (trace_.Discarded() - droppedBefore);
    ring_.FollowTrace(Count(), trace_.Discarded());
    // The signal's own event, for texts that start at most one line.
    plain_.UpdateCursor(dropped ? ceScrolled : ceAppended, Count());
  }
  // The troubleshooting switch's line: no signal.
  void Silent(const std::wstring& text) {
    trace_.Append(text);
    diverged_ = true;  // the signal's own events no longer apply
  }
  // A paint of anything but the dirty rows.
  void RepaintAll() {
    ring_.FollowTrace(Count(), trace_.Discarded());
    ring_.UpdateCursor(ceRepaintAll, Count());
    plain_.UpdateCursor(ceRepaintAll, Count());
  }
  // Paints the dirty rows.
  void Paint() {
    const unsigned n = Count();
    screen_.resize(n);
    for (const auto& band : ring_.DirtyBands(n))
      for (unsigned r = band.first; r <= band.second; ++r) screen_[r] = trace_.Line(ring_.LineAt(r, n));
    ring_.UpdateCursor(cePainted, n);
    plain_.UpdateCursor(cePainted, n);
  }

  const SerialRing& Ring() const { return ring_; }
  const SerialRing& Plain() const { return plain_; }
  bool SingleLineSteps() const { return started_ <= 1 && !diverged_; }
  const std::vector<std::wstring>& Screen() const { return screen_; }
  const TextLineBuffer& Trace() const { return trace_; }

 private:
  TextLineBuffer trace_;
  SerialRing ring_;
  SerialRing plain_;
  std::vector<std::wstring> screen_;
  unsigned started_ = 0;
  bool diverged_ = false;
};

struct Step {
  enum Kind { signal, silent, repaintAll } kind;
  const wchar_t* text;
};

TEST(SerialRing, EventSequencesMoveTheCursorAndMarkTheRowsThatChanged) {
  const struct Case {
    const char* name;
    std::vector<Step> steps;  // each followed by a paint, but the last
    unsigned cursor;
    Bands bands;
  } cases[] = {
      {"buffer not full", {{Step::signal, L"L0"}, {Step::signal, L"\nL1"}, {Step::signal, L"\nL2"}}, 2, {{1, 2}}},
      {"full: the cursor wraps from the last row to row 0",
       {{Step::signal, L"L0\nL1\nL2\nL3"}, {Step::signal, L"\nL4"}},
       0,
       {{3, 3}, {0, 0}}},
      {"full: the next line goes to the row after the cursor",
       {{Step::signal, L"L0\nL1\nL2\nL3"}, {Step::signal, L"\nL4"}, {Step::signal, L"\nL5"}},
       1,
       {{0, 1}}},
      {"a text that only lengthens the newest line", {{Step::signal, L"L0\nL1"}, {Step::signal, L"more"}}, 1, {{1, 1}}},
      {"repaint all", {{Step::signal, L"L0\nL1\nL2\nL3"}, {Step::signal, L"\nL4"}, {Step::repaintAll, L""}}, 0,
       {{1, 3}, {0, 0}}},
      {"empty trace", {{Step::repaintAll, L""}}, 0, {}},
      {"a text starting two lines into a full trace",
       {{Step::signal, L"L0\nL1\nL2\nL3"}, {Step::signal, L"\nA\nB"}},
       1,
       {{3, 3}, {0, 1}}},
      {"the switch's line without a signal, then a text",
       {{Step::signal, L"L0\nL1\nL2\nL3"}, {Step::silent, L"\nswitch on"}, {Step::signal, L"\nT"}},
       1,
       {{3, 3}, {0, 1}}},
      {"a text that fills the buffer and discards", {{Step::signal, L"L0\nL1"}, {Step::signal, L"\nA\nB\nC"}}, 0,
       {{1, 3}, {0, 0}}},
      {"more lines than rows in one text", {{Step::signal, L"L0\nL1\nL2\nL3"}, {Step::signal, L"\nA\nB\nC\nD\nE"}},
       0,
       {{1, 3}, {0, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RingScreen s;
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
      const Step& step = c.steps[i];
      if (step.kind == Step::signal) s.Signal(step.text);
      if (step.kind == Step::silent) s.Silent(step.text);
      if (step.kind == Step::repaintAll) s.RepaintAll();
      // A step that started at most one line moves the ring as the signal's
      // own event does.
      if (step.kind == Step::signal && s.SingleLineSteps()) {
        EXPECT_EQ(s.Ring().CursorRow(), s.Plain().CursorRow()) << "step " << i;
        EXPECT_EQ(s.Ring().DirtyFrom(), s.Plain().DirtyFrom()) << "step " << i;
      }
      if (i + 1 == c.steps.size()) {
        EXPECT_EQ(s.Ring().CursorRow(), c.cursor);
        EXPECT_EQ(s.Ring().DirtyBands(s.Count()), c.bands);
      }
      if (step.kind != Step::silent) s.Paint();
    }
    // Every row shows the line the ring's order gives it, the newest at the
    // cursor, the oldest after it.
    const unsigned n = s.Count();
    ASSERT_EQ(s.Screen().size(), n);
    for (unsigned r = 0; r < n; ++r) EXPECT_EQ(s.Screen()[r], s.Trace().Line(s.Ring().LineAt(r, n))) << "row " << r;
    if (n > 0) EXPECT_EQ(s.Screen()[s.Ring().CursorRow()], s.Trace().Line(n - 1));
  }
}

TEST(SerialRing, RowsShowTheNewestLineAtTheCursorAndTheOldestAfterIt) {
  SerialRing ring;
  ring.Start(4, 0);
  ring.FollowTrace(4, 2);  // two lines started into a full trace
  EXPECT_EQ(ring.CursorRow(), 1u);
  const unsigned expected[4] = {2, 3, 0, 1};
  for (unsigned r = 0; r < 4; ++r) EXPECT_EQ(ring.LineAt(r, 4), expected[r]) << "row " << r;
}

}  // namespace

#include <gtest/gtest.h>

#include <functional>

#include "foundation/core/Clock.h"
#include "network/schedule/Schedule.h"
#include "tests/network/schedule/ScheduleFixture.h"

using namespace PardeloStravon;
using NetworkTest::StartTime;

namespace {

// One letter's fields and functions, so that every letter runs the same
// cases.
struct Letter {
  const char* name;
  bool (*due)(const NodeOpt&, const NodeSt&);
  void (*advance)(const NodeOpt&, NodeSt&);
  std::function<void(NodeOpt&, bool)> enable;
  std::function<void(NodeOpt&, long)> period;
  std::function<long&(NodeSt&)> next;
};

const Letter letters[] = {
    {"x", DueX, AdvanceX, [](NodeOpt& o, bool e) { o.xr_ = e; },
     [](NodeOpt& o, long p) { o.xs_ = p; }, [](NodeSt& s) -> long& { return s.xn_.get(); }},
    {"y", DueY, AdvanceY, [](NodeOpt& o, bool e) { o.yr_ = e; },
     [](NodeOpt& o, long p) { o.ys_ = p; }, [](NodeSt& s) -> long& { return s.yn_.get(); }},
    {"g", DueG, AdvanceG, [](NodeOpt& o, bool e) { o.gr_ = e; },
     [](NodeOpt& o, long p) { o.gs_ = p; }, [](NodeSt& s) -> long& { return s.gn_.get(); }},
    {"h", DueH, AdvanceH, [](NodeOpt& o, bool e) { o.hr_ = e; },
     [](NodeOpt& o, long p) { o.hs_ = p; }, [](NodeSt& s) -> long& { return s.hn_.get(); }},
    {"p", DueP, AdvanceP, [](NodeOpt& o, bool e) { o.pr_ = e; },
     [](NodeOpt& o, long p) { o.ps_ = p; }, [](NodeSt& s) -> long& { return s.pn_.get(); }},
    {"v", DueV, AdvanceV, [](NodeOpt& o, bool e) { o.vr_ = e; },
     [](NodeOpt& o, long p) { o.vs_ = p; }, [](NodeSt& s) -> long& { return s.vn_.get(); }},
};

}  // namespace

TEST(Schedule, Due_NeedsNodeAndActionEnabledAndANextTimeStrictlyBeforeNow) {
  TestClock clock(1000);
  struct Case {
    bool act;
    bool enabled;
    long next;
    bool due;
  } cases[] = {
      {true, true, 999, true},   {true, true, 0, true},      // a new node is due at once
      {true, true, 1000, false}, {true, true, 1001, false},  // now itself is not yet due
      {false, true, 999, false}, {true, false, 999, false},
  };
  for (const Letter& l : letters) {
    for (const Case& c : cases) {
      NodeOpt opt;
      NodeSt st;
      opt.act_ = c.act;
      l.enable(opt, c.enabled);
      l.next(st) = c.next;
      EXPECT_EQ(l.due(opt, st), c.due) << l.name << " next " << c.next;
    }
  }
}

TEST(Schedule, Advance_MovesToTheFirstGridPointNotBeforeNowEvenAfterALateTurn) {
  struct Case {
    long next;
    long period;
    std::time_t now;
    long expected;
  } cases[] = {
      {1000, 30, 1001, 1030},
      {1000, 30, 1100, 1120},  // three periods late: the grid stays 1000 + k * 30
      {1000, 30, 1090, 1090},
      {1000, 30, 1120, 1120},  // a grid point equal to now
      {0, 300, 1234567890, 1234567800 + 300},  // a new node runs on the grid from 0
  };
  for (const Letter& l : letters) {
    for (const Case& c : cases) {
      TestClock clock(c.now);
      NodeOpt opt;
      NodeSt st;
      l.period(opt, c.period);
      l.next(st) = c.next;
      l.advance(opt, st);
      EXPECT_EQ(l.next(st), c.expected) << l.name << " next " << c.next << " now " << c.now;
    }
  }
}

namespace {

class GuiDueTest : public NetworkTest::ScheduleFixture {};

}  // namespace

TEST_F(GuiDueTest, PrintDueAndPlotUpdateDue_AdvanceOnlyTheirOwnTimeOnceWhenDue) {
  struct Case {
    const char* name;
    bool (*due)(Node&);
    std::function<void(NodeOpt&)> enable;
    std::function<long(const NodeSt&)> next;
    long period;
  } cases[] = {
      {"p", PrintDue, [](NodeOpt& o) { o.pr_ = true; }, [](const NodeSt& s) { return s.pn_; },
       604800},
      {"v", PlotUpdateDue, [](NodeOpt& o) { o.vr_ = true; }, [](const NodeSt& s) { return s.vn_; },
       300},
  };
  for (const auto& c : cases) {
    Node& node = Add(1);
    EXPECT_FALSE(c.due(node)) << c.name << ": disabled by default";
    NodeOpt opt = node.Opt();
    c.enable(opt);
    node.SetOpt(opt);
    node.UpdateState([](NodeSt& st) { st.xn_ = 77; });

    EXPECT_TRUE(c.due(node)) << c.name;
    const NodeSt st = node.State();
    const long firstGridPoint = (StartTime + c.period - 1) / c.period * c.period;
    EXPECT_EQ(c.next(st), firstGridPoint) << c.name;
    EXPECT_EQ(st.xn_, 77) << c.name << ": the executor's field is kept";
    EXPECT_FALSE(c.due(node)) << c.name << ": not due twice in one second";
    Net().ErasePresent(1);
  }
}

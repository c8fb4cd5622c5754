#include <gtest/gtest.h>

#include "foundation/core/Clock.h"
#include "network/schedule/LinkStates.h"

using namespace PardeloStravon;

namespace {

constexpr std::time_t T = 1000000;

struct Step {
  Node::InstrLink before;
  long deadlineBefore;
  bool answered;
  long delay;
  Node::InstrLink after;
  long deadlineAfter;
};

}  // namespace

TEST(LinkStates, EveryStateAndOutcome_MovesAsTheLinkTableSays) {
  TestClock clock(T);
  const Step steps[] = {
      // An answer always gives yes_link and never touches the deadline.
      {Node::to_check, 5, true, 3600, Node::yes_link, 5},
      {Node::not_yet, 5, true, 3600, Node::yes_link, 5},
      {Node::no_link, 5, true, 3600, Node::yes_link, 5},
      {Node::yes_link, 5, true, 3600, Node::yes_link, 5},
      {Node::int_link, 5, true, 3600, Node::yes_link, 5},
      {Node::lost_link, 5, true, 3600, Node::yes_link, 5},
      // A first failure starts the delay.
      {Node::to_check, 5, false, 3600, Node::not_yet, T + 3600},
      {Node::yes_link, 5, false, 3600, Node::int_link, T + 3600},
      // A delay of 0 or less runs out in the same exchange.
      {Node::to_check, 5, false, 0, Node::no_link, T},
      {Node::yes_link, 5, false, -10, Node::lost_link, T - 10},
      // While it runs, and once it has run out.
      {Node::not_yet, T + 1, false, 3600, Node::not_yet, T + 1},
      {Node::not_yet, T, false, 3600, Node::no_link, T},
      {Node::int_link, T + 1, false, 3600, Node::int_link, T + 1},
      {Node::int_link, T, false, 3600, Node::lost_link, T},
      // Only an answer leaves these.
      {Node::no_link, 5, false, 3600, Node::no_link, 5},
      {Node::lost_link, 5, false, 3600, Node::lost_link, 5},
  };
  for (const Step& s : steps) {
    NodeSt st;
    st.link_ = s.before;
    st.linkDeadline_ = s.deadlineBefore;
    NextLinkState(st, s.answered, s.delay);
    EXPECT_EQ(st.link_, s.after) << s.before << (s.answered ? " answered" : " failed");
    EXPECT_EQ(st.linkDeadline_, s.deadlineAfter) << s.before;
  }
}

TEST(LinkStates, LostLinkDelay_RestartsAfterEverySuccess) {
  TestClock clock(T);
  NodeSt st;
  const long delay = 3600;
  NextLinkState(st, true, delay);
  ASSERT_EQ(st.link_, Node::yes_link);

  NextLinkState(st, false, delay);
  EXPECT_EQ(st.link_, Node::int_link);
  clock.Advance(3599);
  NextLinkState(st, false, delay);
  EXPECT_EQ(st.link_, Node::int_link);
  NextLinkState(st, true, delay);  // one answer in between
  EXPECT_EQ(st.link_, Node::yes_link);

  clock.Advance(1);  // past the first delay, but a new one starts now
  NextLinkState(st, false, delay);
  EXPECT_EQ(st.link_, Node::int_link);
  clock.Advance(3599);
  NextLinkState(st, false, delay);
  EXPECT_EQ(st.link_, Node::int_link);
  clock.Advance(1);
  NextLinkState(st, false, delay);
  EXPECT_EQ(st.link_, Node::lost_link);
}

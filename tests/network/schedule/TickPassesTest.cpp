#include <gtest/gtest.h>

#include "network/schedule/TickPasses.h"
#include "tests/network/schedule/ScheduleFixture.h"

using namespace PardeloStravon;

namespace {

// Node 1 keeps the line in blackout, node 2 is in alarm 3 with its print
// due, node 3 has lost its link but is not read periodically.
class TickPassesTest : public NetworkTest::ScheduleFixture {
 protected:
  TickPassesTest() {
    NetOptRecord opt = Opt().Options();
    opt.rxEn_ = true;
    opt.intNetAlarm_ = 0;  // the blackout alarm stands at its first tick
    Opt().SetOptions(opt);

    SetLink(blackout_, Node::lost_link);
    NodeOpt notRead = alarmed_.Opt();
    notRead.xr_ = false;
    notRead.pr_ = true;
    alarmed_.SetOpt(notRead);
    SetLink(alarmed_, Node::yes_link);
    SetAlarm(alarmed_, 3);
    notRead.pr_ = false;
    lost_.SetOpt(notRead);
    SetLink(lost_, Node::lost_link);
  }

  bool Printed() const { return !doc_.prints_.empty(); }

  Node& blackout_ = Add(1);
  Node& alarmed_ = Add(2);
  Node& lost_ = Add(3);
};

}  // namespace

TEST_F(TickPassesTest, OnlyATickForTheWholeNetwork_RunsThePasses) {
  doc_.EmitDocSignal(5, dsTick);
  doc_.EmitDocSignal(0, dsRxOk);
  doc_.EmitDocSignal(0, dsTraceText);
  EXPECT_TRUE(AlarmCalls().empty());
  EXPECT_FALSE(Printed());
}

TEST_F(TickPassesTest, BlackoutStanding_TheTickSkipsOnlyTheLostLinkPass) {
  Tick();
  std::vector<std::string> calls = AlarmCalls();
  std::sort(calls.begin(), calls.end());  // two scripts run side by side
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1], "6|1|2|0||0|");
  EXPECT_EQ(calls[0].substr(0, 9), "6|1|0|2|N");  // node 2's instrument alarm
  EXPECT_TRUE(Printed());
  EXPECT_FALSE(lost_.State().linkAlarm_);

  SetLink(blackout_, Node::yes_link);  // the line answers again
  Tick();
  calls = AlarmCalls();
  ASSERT_EQ(calls.size(), 4u);
  std::sort(calls.begin() + 2, calls.end());
  EXPECT_EQ(calls[2], "6|0|2|0||0|");
  EXPECT_EQ(calls[3].substr(0, 8), "6|1|1|3|");  // node 3's lost link, at last
}

TEST_F(TickPassesTest, PeriodicReceptionOff_OnlyTheBlackoutAlarmIsEvaluated) {
  SetRx(false);
  Tick();
  EXPECT_EQ(AlarmCalls(), (std::vector<std::string>{"6|1|2|0||0|"}));
  EXPECT_FALSE(Printed());
  EXPECT_EQ(alarmed_.State().alarm_, 0);
}

#include <gtest/gtest.h>

#include "network/schedule/GraphPasses.h"
#include "tests/network/schedule/ScheduleFixture.h"

using namespace PardeloStravon;
using NetworkTest::Signal;
using NetworkTest::StartTime;

namespace {

class GraphPassesTest : public NetworkTest::ScheduleFixture {
 protected:
  GraphPassesTest() { SetRx(true); }

  Node& AddWith(int address, bool act, bool print, bool plot) {
    Node& node = Add(address);
    NodeOpt opt = node.Opt();
    opt.act_ = act;
    opt.pr_ = print;
    opt.vr_ = plot;
    node.SetOpt(opt);
    return node;
  }
};

bool operator==(const TestSupport::DocDouble::Graph& a, const TestSupport::DocDouble::Graph& b) {
  return a.address == b.address && a.from == b.from && a.to == b.to && a.follow == b.follow &&
         a.print == b.print;
}

}  // namespace

TEST_F(GraphPassesTest, PrintPass_PrintsThePeriodThatJustEndedForEveryNodeDue) {
  const long week = 604800;
  Node& weekly = AddWith(3, true, true, false);
  AddWith(4, true, false, false);  // does not print
  AddWith(5, false, true, false);  // not active
  weekly.UpdateState([](NodeSt& st) { st.pn_ = StartTime - 10; });

  EXPECT_TRUE(PrintPass(Opt()));
  const long T = weekly.State().pn_;
  EXPECT_EQ(T, StartTime - 10 + week);
  ASSERT_EQ(doc_.prints_.size(), 1u);
  EXPECT_TRUE((doc_.prints_[0] == TestSupport::DocDouble::Graph{3, T - 2 * week, T - week, false, true}));
  EXPECT_TRUE(doc_.modified_);
  EXPECT_EQ(RunTasks(), (std::vector<Signal>{{3, dsPrinted}}));

  doc_.modified_ = false;
  EXPECT_FALSE(PrintPass(Opt()));  // printed once per period
  EXPECT_FALSE(doc_.modified_);
}

TEST_F(GraphPassesTest, PeriodicReceptionOff_NothingIsPrintedOrPlotted) {
  AddWith(3, true, true, true);
  SetRx(false);
  EXPECT_FALSE(PrintPass(Opt()));
  PlotAtStartup(Opt());
  EXPECT_TRUE(doc_.prints_.empty());
  EXPECT_TRUE(doc_.graphs_.empty());
  EXPECT_FALSE(doc_.modified_);
}

TEST_F(GraphPassesTest, PlotAtStartup_OpensAFollowingDayGraphForEveryActiveNodeThatPlots) {
  AddWith(8, true, false, true);
  AddWith(2, true, false, true);
  AddWith(5, true, false, false);
  AddWith(6, false, false, true);
  PlotAtStartup(Opt());
  typedef TestSupport::DocDouble::Graph G;
  ASSERT_EQ(doc_.graphs_.size(), 2u);
  EXPECT_TRUE((doc_.graphs_[0] == G{2, StartTime - 86400, StartTime, true, false}));
  EXPECT_TRUE((doc_.graphs_[1] == G{8, StartTime - 86400, StartTime, true, false}));

  doc_.graphs_.clear();
  clock_.Set(1000);  // the day would begin before 1970
  PlotAtStartup(Opt());
  ASSERT_EQ(doc_.graphs_.size(), 2u);
  EXPECT_EQ(doc_.graphs_[0].from, 0);
}

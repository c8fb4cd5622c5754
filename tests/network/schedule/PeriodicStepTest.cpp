#include <gtest/gtest.h>

#include "foundation/core/LogChannel.h"
#include "network/schedule/PeriodicActions.h"
#include "network/schedule/PeriodicStep.h"
#include "network/schedule/RecordingFiles.h"
#include "tests/network/schedule/ScheduleFixture.h"
#include "tests/support/LogCapture.h"

using namespace PardeloStravon;
using NetworkTest::GridTime;
using NetworkTest::StartTime;
using NetworkTest::Signal;

namespace {

// The serial port cannot open here: every exchange fails at once.
class PeriodicStepTest : public NetworkTest::ScheduleFixture {
 protected:
  bool Step(bool restart = false) { return PeriodicStep(Opt(), Folder(), restart, poster_, nullptr); }

  Node& AddWithoutStartup(int address) {
    Node& node = Add(address);
    NodeOpt opt = node.Opt();
    opt.xt_ = opt.yt_ = opt.gt_ = opt.ht_ = false;
    node.SetOpt(opt);
    return node;
  }

  static void Deactivate(Node& node) {
    NodeOpt opt = node.Opt();
    opt.act_ = false;
    node.SetOpt(opt);
  }
};

}  // namespace

TEST_F(PeriodicStepTest, NewNode_FirstStepRunsHThenG_XAndYWaitForTheTimesGAndHMoved) {
  Node& node = AddWithoutStartup(5);
  ASSERT_TRUE(Step(true));
  EXPECT_EQ(RunTasks(), (std::vector<Signal>{{5, dsRhKo}, {5, dsRgKo}}));
  const NodeSt st = node.State();
  EXPECT_EQ(st.xn_, GridTime + 30);  // g moved x, h moved y
  EXPECT_EQ(st.yn_, GridTime + 3600);
  EXPECT_EQ(st.gn_, GridTime + 300);
  EXPECT_EQ(st.hn_, GridTime + 3600);

  EXPECT_FALSE(Step());  // the walk reached the end
  EXPECT_FALSE(Step());  // nothing due from the first node on either
  EXPECT_TRUE(RunTasks().empty());

  clock_.Advance(30);
  ASSERT_TRUE(Step());
  EXPECT_EQ(RunTasks(), (std::vector<Signal>{{5, dsRxKo}}));
  EXPECT_EQ(node.State().xn_, GridTime + 60);
}

TEST_F(PeriodicStepTest, NodeThatNeverAnswers_IsAskedAtEveryVisitWhileItsStartupFlagsAreSet) {
  struct Case {
    bool xt;
    bool gt;
    std::vector<Signal> perVisit;
  } cases[] = {
      {true, true, {{5, dsRhKo}, {5, dsRgKo}}},   // g instead of x
      {true, false, {{5, dsRhKo}, {5, dsRxKo}}},  // x, since g is not asked for
      {false, false, {{5, dsRhKo}}},
  };
  for (const auto& c : cases) {
    Node& node = Add(5);
    NodeOpt opt = node.Opt();
    opt.xt_ = c.xt;
    opt.gt_ = c.gt;
    opt.yt_ = false;
    node.SetOpt(opt);
    node.UpdateState([](NodeSt& st) { st.xn_ = st.yn_ = st.gn_ = st.hn_ = GridTime + 1000; });
    for (int visit = 0; visit < 3; ++visit) {
      ASSERT_TRUE(Step(true)) << visit;
      EXPECT_EQ(RunTasks(), c.perVisit) << "xt " << c.xt << " gt " << c.gt << " visit " << visit;
    }
    EXPECT_EQ(node.State().xn_, GridTime + 1000) << "a start-up run moves no due time";
    Net().ErasePresent(5);
  }
}

TEST_F(PeriodicStepTest, EachStepServesTheNextNodeWithWorkInAddressOrder) {
  for (int a : {3, 1, 2}) AddWithoutStartup(a);
  const std::vector<std::vector<Signal>> expected = {
      {{1, dsRhKo}, {1, dsRgKo}}, {{2, dsRhKo}, {2, dsRgKo}}, {{3, dsRhKo}, {3, dsRgKo}}};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    ASSERT_TRUE(Step(i == 0));
    EXPECT_EQ(RunTasks(), expected[i]);
  }
  EXPECT_FALSE(Step());

  // Nothing due anywhere: false, and the next call starts at the first node.
  EXPECT_FALSE(Step());
  clock_.Advance(30);
  ASSERT_TRUE(Step());
  EXPECT_EQ(RunTasks(), (std::vector<Signal>{{1, dsRxKo}}));
}

TEST_F(PeriodicStepTest, RestartMark_PutsTheWalkBackOnTheFirstNode) {
  for (int a : {1, 2}) AddWithoutStartup(a);
  ASSERT_TRUE(Step(true));
  RunTasks();
  clock_.Advance(30);  // x of node 1 falls due
  ASSERT_TRUE(Step(true));
  EXPECT_EQ(RunTasks(), (std::vector<Signal>{{1, dsRxKo}}));
}

TEST_F(PeriodicStepTest, NodesErasedAroundTheLastVisited_TheWalkGoesOnAtTheNextAddress) {
  for (int a : {1, 2, 3, 4}) AddWithoutStartup(a);
  ASSERT_TRUE(Step(true));  // node 1
  ASSERT_TRUE(Step());      // node 2
  RunTasks();
  Net().ErasePresent(2);
  Net().ErasePresent(3);
  ASSERT_TRUE(Step());
  EXPECT_EQ(RunTasks(), (std::vector<Signal>{{4, dsRhKo}, {4, dsRgKo}}));
}

TEST_F(PeriodicStepTest, InactiveNodes_AreSkipped) {
  Deactivate(Add(1));
  AddWithoutStartup(2);
  ASSERT_TRUE(Step(true));
  EXPECT_EQ(RunTasks(), (std::vector<Signal>{{2, dsRhKo}, {2, dsRgKo}}));
}

TEST_F(PeriodicStepTest, FailedExchange_StoresTheNewLinkStateAndKeepsTheValues) {
  Node& node = AddWithoutStartup(5);
  SetAlarm(node, 3);
  ASSERT_TRUE(Step(true));
  RunTasks();
  const NodeSt st = node.State();
  EXPECT_EQ(st.link_, Node::not_yet);
  EXPECT_EQ(st.linkDeadline_, StartTime + 3600);
  EXPECT_EQ(AlarmCode(node.Type().Pars(), node.Values()), 3);
}

TEST_F(PeriodicStepTest, CompletionAfterItsNodeWasErased_DoesNothingAndLogsNothing) {
  AddWithoutStartup(5);
  ASSERT_TRUE(Step(true));
  Net().ErasePresent(5);
  TestSupport::LogCapture errors(ErrorLog);
  EXPECT_TRUE(RunTasks().empty());
  EXPECT_EQ(errors.Text(), L"");
}

TEST_F(PeriodicStepTest, CompletionForANodeErasedAndAddedAgain_LeavesTheNewNodeAlone) {
  AddWithoutStartup(5);
  ASSERT_TRUE(Step(true));
  Net().ErasePresent(5);
  Node& again = Add(5, L"TH200");
  TestSupport::LogCapture errors(ErrorLog);
  EXPECT_TRUE(RunTasks().empty());
  EXPECT_EQ(again.State().link_, Node::to_check);
  EXPECT_FALSE(again.HasReadings());
  EXPECT_EQ(errors.Text(), L"");
}

namespace {

// Completions called directly, as the executor's tasks would be.
class CompletionTest : public NetworkTest::ScheduleFixture {
 protected:
  CompletionTest() : node_(Add(5)) {
    readable_ = ReadablePars(node_.Type().Pars());
    settable_ = SettablePars(node_.Type().Pars());
    st_.link_ = Node::int_link;
    st_.linkDeadline_ = 4242;
    st_.xn_ = 999;  // not copied back
  }

  Node& node_;
  InstrPars readable_;
  InstrPars settable_;
  NodeSt st_;
  ConnFun conn_ = MakeConnFun(doc_);
};

}  // namespace

TEST_F(CompletionTest, Success_StoresLinkStateValuesAndRecordThenSignals) {
  const NodeRef ref = RefOf(Net(), 5, node_);
  const InstrParValues readings = DefaultValues(readable_);
  const InstrParValues settings = DefaultValues(settable_);
  CompleteX(ref, st_, conn_, readings, true);
  CompleteY(ref, st_, conn_, settings, true);
  CompleteG(ref, st_, readable_, Folder(), conn_, readings, true);
  CompleteH(ref, st_, settable_, Folder(), conn_, settings, true);

  EXPECT_EQ(RunTasks(), (std::vector<Signal>{{5, dsRxOk}, {5, dsRyOk}, {5, dsRgOk}, {5, dsRhOk}}));
  EXPECT_TRUE(node_.HasReadings());
  EXPECT_TRUE(node_.HasSettings());
  EXPECT_EQ(node_.State().link_, Node::int_link);
  EXPECT_EQ(node_.State().linkDeadline_, 4242);
  EXPECT_EQ(node_.State().xn_, 0);
  const std::string file = TestSupport::ReadFileBytes(folder_.Dir().File("QZ_Master_Log_0005.txt"));
  EXPECT_EQ(file, RecordLine(" : ", ToVUC(readable_, readings), StartTime) + "\r\n" +
                      RecordLine(" ; ", ToVUC(settable_, settings), StartTime) + "\r\n");
}

TEST_F(CompletionTest, Failure_SignalsAndRecordsNothing) {
  const NodeRef ref = RefOf(Net(), 5, node_);
  CompleteX(ref, st_, conn_, DefaultValues(readable_), false);
  CompleteG(ref, st_, readable_, Folder(), conn_, DefaultValues(readable_), false);
  CompleteH(ref, st_, settable_, Folder(), conn_, DefaultValues(settable_), false);
  EXPECT_EQ(RunTasks(), (std::vector<Signal>{{5, dsRxKo}, {5, dsRgKo}, {5, dsRhKo}}));
  EXPECT_FALSE(node_.HasReadings());
  EXPECT_EQ(node_.State().link_, Node::int_link);
  EXPECT_FALSE(std::filesystem::exists(folder_.Dir().File("QZ_Master_Log_0005.txt")));
}

TEST_F(CompletionTest, RecordThatCannotBeWritten_IsSignalledAsAFailure) {
  std::filesystem::create_directory(folder_.Dir().File("QZ_Master_Log_0005.txt"));
  const NodeRef ref = RefOf(Net(), 5, node_);
  TestSupport::LogCapture errors(ErrorLog);
  CompleteG(ref, st_, readable_, Folder(), conn_, DefaultValues(readable_), true);
  CompleteH(ref, st_, settable_, Folder(), conn_, DefaultValues(settable_), true);
  EXPECT_EQ(RunTasks(), (std::vector<Signal>{{5, dsRgKo}, {5, dsRhKo}}));
  EXPECT_TRUE(node_.HasReadings());  // the values themselves did arrive
  EXPECT_NE(errors.Text().find(L"Error in RegisterReadings()"), std::wstring::npos);
}

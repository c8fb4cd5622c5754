#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "foundation/catalogue/InstrTable.h"
#include "foundation/core/TextConv.h"
#include "network/schedule/AlarmScriptCommands.h"
#include "network/schedule/Alarms.h"
#include "network/schedule/OuterScripts.h"
#include "tests/network/schedule/ScheduleFixture.h"

using namespace PardeloStravon;

namespace {

class AlarmsTest : public NetworkTest::ScheduleFixture {
 protected:
  AlarmsTest() { SetRx(true); }

  Node& AddRoom(int address, const std::wstring& name) {
    Node& node = Add(address);
    NodeOpt opt = node.Opt();
    opt.nm_ = name;
    node.SetOpt(opt);
    return node;
  }

  // The script's line for an alarm of this network.
  std::string Line(const char* on, const char* kind, int address, const std::string& room,
                   int number) {
    std::wstring text = InstrByCode(L"TC100").AlarmText(number);
    return std::string("6|") + on + "|" + kind + "|" + std::to_string(address) + "|" + room + "|" +
           std::to_string(number) + "|" + ToUtf8(BlanksToUnderscores(text));
  }

  // Each pass waits for the script it started, so the calls keep its order.
  bool InstrPass() { return Settled(InstrAlarmPass(Opt(), Folder())); }
  bool LinkPass() { return Settled(LinkAlarmPass(Opt(), Folder())); }
  bool Blackout() { return Settled(NetBlackoutAlarm(Opt(), Folder())); }

  static bool Settled(bool result) {
    EXPECT_TRUE(Platform::WaitForStartedProcesses(std::chrono::seconds(20)));
    return result;
  }
};

}  // namespace

TEST_F(AlarmsTest, InstrumentAlarm_IsReportedRaisedChangedAndClearedWithItsNumberAndText) {
  Node& node = AddRoom(12, L"Cold room 3");
  SetLink(node, Node::yes_link);
  SetAlarm(node, 3);
  EXPECT_TRUE(InstrPass());
  EXPECT_FALSE(InstrPass());  // reported once
  SetAlarm(node, 5);
  EXPECT_TRUE(InstrPass());  // another alarm: raised, the old one not cleared
  SetAlarm(node, 0);
  EXPECT_TRUE(InstrPass());
  EXPECT_EQ(AlarmCalls(), (std::vector<std::string>{Line("1", "0", 12, "Cold_room_3", 3),
                                                   Line("1", "0", 12, "Cold_room_3", 5),
                                                   Line("0", "0", 12, "Cold_room_3", 5)}));
  EXPECT_EQ(node.State().alarm_, 0);
}

TEST_F(AlarmsTest, InstrumentAlarmWhileTheLinkIsDown_WaitsForTheLinkToComeBack) {
  Node& node = AddRoom(4, L"Hall");
  SetLink(node, Node::yes_link);
  SetAlarm(node, 7);
  ASSERT_TRUE(InstrPass());
  SetLink(node, Node::lost_link);
  SetAlarm(node, 0);
  EXPECT_FALSE(InstrPass());
  EXPECT_EQ(node.State().alarm_, 7);
  SetLink(node, Node::yes_link);
  EXPECT_TRUE(InstrPass());
  EXPECT_EQ(AlarmCalls(),
            (std::vector<std::string>{Line("1", "0", 4, "Hall", 7), Line("0", "0", 4, "Hall", 7)}));
}

TEST_F(AlarmsTest, TwoNodesInAlarmAtOnce_AreReportedOnConsecutivePassesLowerAddressFirst) {
  for (int a : {9, 2}) {
    Node& node = AddRoom(a, L"R");
    SetLink(node, Node::yes_link);
    SetAlarm(node, 1);
  }
  EXPECT_TRUE(InstrPass());
  EXPECT_EQ(AlarmCalls(), (std::vector<std::string>{Line("1", "0", 2, "R", 1)}));
  EXPECT_TRUE(InstrPass());
  EXPECT_FALSE(InstrPass());
  EXPECT_EQ(AlarmCalls().back(), Line("1", "0", 9, "R", 1));
}

TEST_F(AlarmsTest, LinkAlarm_IsRaisedWhenTheLinkIsLostOrNeverMadeAndClearedWhenItReturns) {
  Node& node = AddRoom(6, L"Dock 1");
  SetAlarm(node, 2);
  for (Node::InstrLink link : {Node::to_check, Node::not_yet, Node::int_link, Node::yes_link}) {
    SetLink(node, link);
    EXPECT_FALSE(LinkPass()) << link;
  }
  SetLink(node, Node::lost_link);
  EXPECT_TRUE(LinkPass());
  SetLink(node, Node::yes_link);
  EXPECT_TRUE(LinkPass());
  SetLink(node, Node::no_link);
  EXPECT_TRUE(LinkPass());
  EXPECT_EQ(AlarmCalls(), (std::vector<std::string>{Line("1", "1", 6, "Dock_1", 2),
                                                   Line("0", "1", 6, "Dock_1", 2),
                                                   Line("1", "1", 6, "Dock_1", 2)}));
}

TEST_F(AlarmsTest, NodeNotActingOnLinkAlarms_IsNeverReported) {
  Node& node = AddRoom(6, L"Dock");
  NodeOpt opt = node.Opt();
  opt.actOnLinkAlarm_ = false;
  node.SetOpt(opt);
  SetLink(node, Node::lost_link);
  EXPECT_FALSE(LinkPass());
  EXPECT_TRUE(AlarmCalls().empty());
}

TEST_F(AlarmsTest, PeriodicReceptionOff_NodePassesReportNothing) {
  Node& node = AddRoom(6, L"Dock");
  SetLink(node, Node::lost_link);
  SetAlarm(node, 2);
  SetRx(false);
  EXPECT_FALSE(InstrPass());
  EXPECT_FALSE(LinkPass());
  EXPECT_TRUE(AlarmCalls().empty());
}

TEST_F(AlarmsTest, IsNetBlackout_WhenEveryPeriodicallyReadNodeIsFailing) {
  typedef std::vector<std::pair<Node::InstrLink, bool>> Nodes;  // link, read periodically
  struct Case {
    Nodes nodes;
    bool blackout;
  } cases[] = {
      {{}, false},
      {{{Node::lost_link, false}}, false},  // no node read periodically
      {{{Node::no_link, true}, {Node::not_yet, true}, {Node::int_link, true}}, true},
      {{{Node::lost_link, true}, {Node::yes_link, false}}, true},
      {{{Node::lost_link, true}, {Node::yes_link, true}}, false},
      {{{Node::lost_link, true}, {Node::to_check, true}}, false},
  };
  for (const auto& c : cases) {
    int address = 1;
    for (const auto& n : c.nodes) {
      Node& node = Add(address++);
      SetLink(node, n.first);
      NodeOpt opt = node.Opt();
      opt.xr_ = n.second;
      node.SetOpt(opt);
    }
    EXPECT_EQ(IsNetBlackout(Opt()), c.blackout) << c.nodes.size();
    while (--address > 0) Net().ErasePresent(address);
  }
}

TEST_F(AlarmsTest, Blackout_IsRaisedAfterItsIntervalAndClearedAtTheFirstTickWithout) {
  Node& node = Add(1);
  SetLink(node, Node::lost_link);
  EXPECT_FALSE(Blackout());  // the debounce starts
  clock_.Advance(299);
  EXPECT_FALSE(Blackout());
  clock_.Advance(1);
  EXPECT_TRUE(Blackout());
  EXPECT_TRUE(Blackout());  // stands, reported once
  SetLink(node, Node::yes_link);
  EXPECT_FALSE(Blackout());
  EXPECT_EQ(AlarmCalls(), (std::vector<std::string>{"6|1|2|0||0|", "6|0|2|0||0|"}));
  EXPECT_EQ(Opt().NetState().netAlarmDeadline_, 0);
}

TEST_F(AlarmsTest, BlackoutAlarmSwitchedOffWhileStanding_ClearsOnlyOnceSwitchedOnAgain) {
  Node& node = Add(1);
  SetLink(node, Node::lost_link);
  Blackout();
  clock_.Advance(300);
  ASSERT_TRUE(Blackout());

  NetOptRecord opt = Opt().Options();
  opt.onNetAlarm_ = false;
  Opt().SetOptions(opt);
  EXPECT_FALSE(Blackout());
  EXPECT_TRUE(Opt().NetState().netAlarm_);
  SetLink(node, Node::yes_link);
  EXPECT_FALSE(Blackout());

  opt.onNetAlarm_ = true;
  Opt().SetOptions(opt);
  EXPECT_FALSE(Blackout());
  EXPECT_EQ(AlarmCalls(), (std::vector<std::string>{"6|1|2|0||0|", "6|0|2|0||0|"}));
}

TEST_F(AlarmsTest, TestAlarm_StartsTheScriptAsForARaisedInstrumentAlarm) {
  TestAlarm(doc_);
  EXPECT_EQ(AlarmCalls(), (std::vector<std::string>{"6|1|0|0|test_room|0|test_alarm"}));
}

TEST_F(AlarmsTest, EditTheAlarm_OpensTheFoldersAlarmScriptInTheDesktopEditor) {
  // A stand-in for the desktop's opener that notes what it was asked to open.
  TestSupport::TempDir bin;
  TestSupport::WriteFileBytes(bin.File("xdg-open"),
                              "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" > \"$(dirname \"$0\")/opened\"\n");
  std::filesystem::permissions(bin.File("xdg-open"), std::filesystem::perms::owner_all);
  const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
  setenv("PATH", (bin.Path().string() + ":" + path).c_str(), 1);

  EditTheAlarm(doc_);

  setenv("PATH", path.c_str(), 1);
  ASSERT_TRUE(Platform::WaitForStartedProcesses(std::chrono::seconds(20)));
  EXPECT_EQ(TestSupport::ReadFileBytes(bin.File("opened")),
            "1\n" + folder_.Dir().File("alarm.bat").string() + "\n");
}

TEST_F(AlarmsTest, BlackoutTestOnTheWatchdog_NeverMeetsAMapTheGuiThreadIsChanging) {
  for (int a = 1; a <= 20; ++a) Add(a);
  std::atomic<bool> done{false};
  std::thread watchdog([&] {
    while (!done) IsNetBlackout(Opt());
  });
  for (int round = 0; round < 200; ++round) {
    const int address = 21 + round % 5;
    Net().InsertNew(address, Node(L"TC100"));
    Net().EraseIfPresent(address - 20);
    Net().InsertNew(address - 20, Node(L"TC100"));
    Net().EraseIfPresent(address);
  }
  done = true;
  watchdog.join();
  EXPECT_EQ(Net().Size(), 20u);
}

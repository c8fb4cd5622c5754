#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "foundation/core/LogChannel.h"
#include "network/nodes/InstrNetOpt.h"
#include "tests/support/DocDouble.h"
#include "tests/support/LogCapture.h"

using namespace PardeloStravon;
using namespace TestSupport;

namespace {

struct InstrNetOptTest : ::testing::Test {
  DocDouble doc;
  InstrNetOpt& opt = doc.NetOpt();
};

TEST_F(InstrNetOptTest, NewOptions_HaveTheirDefaults) {
  const NetOptRecord o = opt.Options();
  EXPECT_FALSE(o.rxEn_);
  EXPECT_FALSE(o.troubleshoot_);
  for (int s = 0; s < BroadcastSlots; ++s) {
    EXPECT_FALSE(o.periodicBroadcastEn_[s]);
    EXPECT_EQ(o.periodicBroadcastInt_[s], 60);
    EXPECT_EQ(o.periodicBroadcastAddr_[s], 1);
  }
  EXPECT_TRUE(o.onNetAlarm_);
  EXPECT_EQ(o.intNetAlarm_, 300);
  const NetStateRecord st = opt.NetState();
  EXPECT_FALSE(st.netAlarm_);
  EXPECT_EQ(st.netAlarmDeadline_, 0);
  for (int s = 0; s < BroadcastSlots; ++s) EXPECT_EQ(st.nextBroadcast_[s], 0);
  EXPECT_EQ(opt.Network().Size(), 0u);
  EXPECT_FALSE(opt.IsBusy());
  EXPECT_FALSE(opt.Heartbeat());
  EXPECT_TRUE(opt.NoJobs());
  EXPECT_EQ(opt.Doc(), &doc);
}

TEST_F(InstrNetOptTest, SetRxEnabled_ReturnsThePreviousValueAndTouchesNothingElse) {
  NetOptRecord o = opt.Options();
  o.periodicBroadcastAddr_[2] = 9;
  o.intNetAlarm_ = 120;
  opt.SetOptions(o);
  EXPECT_FALSE(opt.SetRxEnabled(true));
  EXPECT_TRUE(opt.RxEnabled());
  EXPECT_TRUE(opt.SetRxEnabled(true));
  EXPECT_EQ(opt.Options().periodicBroadcastAddr_[2], 9);
  EXPECT_EQ(opt.Options().intNetAlarm_, 120);
  EXPECT_FALSE(opt.Options().troubleshoot_);
}

TEST_F(InstrNetOptTest, SetTroubleshootSerial_LogsTheNewStateEveryTime) {
  struct Case {
    bool value;
    bool previous;
    const wchar_t* text;
  };
  for (const Case c : {Case{false, false, L"Troubleshooting serial communication set to off"},
                       Case{true, false, L"Troubleshooting serial communication set to on"},
                       Case{false, true, L"Troubleshooting serial communication set to off"}}) {
    LogCapture serial(SerCommLog);
    LogCapture activity(ActivityLog);
    doc.trace_.clear();
    EXPECT_EQ(opt.SetTroubleshootSerial(c.value), c.previous);
    EXPECT_EQ(opt.TroubleshootSerial(), c.value);
    const std::wstring line = serial.Text();
    EXPECT_EQ(line.front(), L'\n');
    EXPECT_EQ(line.back(), L'\n');
    EXPECT_NE(line.find(std::wstring(L" ") + c.text + L"\n"), std::wstring::npos) << line;
    EXPECT_EQ(activity.Text(), line);
    EXPECT_EQ(doc.trace_, std::vector<std::wstring>{line});
  }
}

TEST_F(InstrNetOptTest, Flags_ReportTheirPreviousState) {
  opt.SetBusy(true);
  EXPECT_TRUE(opt.IsBusy());
  opt.SetBusy(false);
  EXPECT_FALSE(opt.IsBusy());
  EXPECT_FALSE(opt.SetHeartbeat(true));
  EXPECT_TRUE(opt.Heartbeat());
  EXPECT_TRUE(opt.SetHeartbeat(false));
  EXPECT_FALSE(opt.Heartbeat());
}

TEST_F(InstrNetOptTest, Jobs_RunOneAtATimeOnTheCallingThread) {
  std::vector<int> ran;
  opt.PushJob([&] { ran.push_back(1); });
  opt.PushJob([&] { ran.push_back(2); });
  EXPECT_FALSE(opt.NoJobs());
  EXPECT_TRUE(opt.RunOneJob());
  EXPECT_EQ(ran, std::vector<int>{1});
  EXPECT_TRUE(opt.RunOneJob());
  EXPECT_FALSE(opt.RunOneJob());
  EXPECT_TRUE(opt.NoJobs());
}

TEST_F(InstrNetOptTest, StateWritersOnTwoThreads_KeepEachOthersFields) {
  const int turns = 20000;
  // The executor owns the broadcast times, the GUI thread the blackout
  // deadline; each writes back its own change under the lock.
  std::thread executor([&] {
    for (int i = 0; i < turns; ++i)
      opt.UpdateNetState([](NetStateRecord& s) { s.nextBroadcast_[1] = s.nextBroadcast_[1] + 1; });
  });
  for (int i = 0; i < turns; ++i)
    opt.UpdateNetState([](NetStateRecord& s) { s.netAlarmDeadline_ = s.netAlarmDeadline_ + 1; });
  executor.join();
  EXPECT_EQ(opt.NetState().nextBroadcast_[1], turns);
  EXPECT_EQ(opt.NetState().netAlarmDeadline_, turns);
}

TEST_F(InstrNetOptTest, OptionsReadWhileAssignedWhole_AreAlwaysOneWholeRecord) {
  // Two records that differ in every field; a reader must never see a mix.
  NetOptRecord a, b;
  b.rxEn_ = true;
  b.intNetAlarm_ = 999;
  for (int s = 0; s < BroadcastSlots; ++s) b.periodicBroadcastAddr_[s] = 7;
  std::atomic<bool> done{false};
  std::thread gui([&] {
    for (int i = 0; i < 20000; ++i) opt.SetOptions(i % 2 ? a : b);
    done = true;
  });
  int mixed = 0;
  while (!done) {
    const NetOptRecord o = opt.Options();
    const bool isB = o.rxEn_;
    mixed += (o.intNetAlarm_ == 999) != isB || (o.periodicBroadcastAddr_[2] == 7) != isB;
  }
  gui.join();
  EXPECT_EQ(mixed, 0);
}

TEST(DocSignalTest, SlotsRunInConnectionOrder_ADisconnectedOneIsNotCalled) {
  DocDouble doc;
  std::vector<std::string> calls;
  auto a = doc.ConnectDocSignal([&](int addr, DocSignal s) {
    calls.push_back("A" + std::to_string(addr) + ":" + std::to_string(s));
  });
  auto b = doc.ConnectDocSignal([&](int, DocSignal) { calls.push_back("B"); });
  auto c = doc.ConnectDocSignal([&](int, DocSignal) { calls.push_back("C"); });
  doc.EmitDocSignal(12, dsRxOk);
  b.disconnect();
  doc.EmitDocSignal(0, dsTick);
  EXPECT_EQ(calls, (std::vector<std::string>{"A12:1", "B", "C", "A0:0", "C"}));
}

TEST(DocSignalTest, GuiPoster_QueuesTasksForTheGuiThread) {
  DocDouble doc;
  int ran = 0;
  const GuiPoster poster = doc.GetGuiPoster();
  const D2TFun_Fun_wrap wrap(poster);
  wrap([&] { ++ran; });
  poster([&] { ++ran; });
  EXPECT_EQ(ran, 0);
  EXPECT_TRUE(doc.RunGuiTasks());
  EXPECT_EQ(ran, 2);
  EXPECT_THROW(D2TFun_Fun_wrap()([] {}), boost::bad_function_call);
}

TEST(DocDirectoryTest, IsThePathUpToItsLastSeparatorOrTheCurrentFolder) {
  DocDouble doc;
  struct Case {
    const wchar_t* path;
    const wchar_t* folder;
  };
  for (const Case c : {Case{L"", L"."}, Case{L"/data/rooms/plant.qzid", L"/data/rooms"},
                       Case{L"plant.qzid", L"plant.qzid"}}) {
    doc.pathName_ = c.path;
    EXPECT_EQ(GetDocDirectory(doc), c.folder) << c.path;
  }
}

}  // namespace

// The document's own worker threads at short timings against simulated
// instruments: readings reach the views through PostToGui and RunGuiTasks
// and land in the recording files of the document's folder; the network is
// changed under a pause; an abandoned executor's work never lands; the
// close ends in bounded time.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <map>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "foundation/core/TextConv.h"
#include "network/schedule/RecordingFiles.h"
#include "network/serial/InstrumentOperations.h"
#include "network/threads/SerialExecutor.h"
#include "platform/ProcessStarter.h"
#include "tests/support/Gate.h"
#include "tests/support/RunningDocument.h"

using namespace PardeloStravon;
using namespace DocumentTest;
using TestSupport::Gate;

namespace {

class EndToEnd : public RunningDocument {
 public:
  EndToEnd() { MakeNetwork(); }
  ~EndToEnd() override {
    content_.reset();
    Platform::WaitForStartedProcesses(20s);
  }

  int RecordCount(int address) const {
    const std::filesystem::path file(
        NativePath(MasterLogPath(GetDocDirectory(*content_->GetIStd()), address)));
    if (!std::filesystem::exists(file)) return 0;
    std::istringstream in(TestSupport::ReadFileBytes(file));
    int n = 0;
    for (std::string line; std::getline(in, line);) n += line.find(" : ") != std::string::npos;
    return n;
  }
};

TEST_F(EndToEnd, PeriodicReadingsReachTheGuiThreadInOrderAndTheDocumentsFolder) {
  // Read every second, recorded every other: a recording stands for the
  // reading due with it.
  for (int a : {1, 2, 3}) {
    PlaceInstrument(a, L"TC100");
    Node node = FastNode(L"TC100");
    NodeOpt opt = node.Opt();
    opt.gs_ = 2;
    node.SetOpt(opt);
    Net().Network().InsertNew(a, node);
  }
  const std::thread::id gui = std::this_thread::get_id();
  int offThread = 0;
  std::map<int, std::vector<int>> recordsAtSignal;
  const boost::signals2::scoped_connection connection =
      Std().ConnectDocSignal([&](int address, DocSignal s) {
        offThread += std::this_thread::get_id() != gui;
        if (s == dsRgOk) recordsAtSignal[address].push_back(RecordCount(address));
      });
  Std().StartThreads();
  ASSERT_TRUE(RunGuiUntil([&] {
    for (int a : {1, 2, 3})
      if (Count(a, dsRxOk) < 1 || Count(a, dsRgOk) < 3) return false;
    return true;
  })) << ToUtf8(errors_.Text());
  EXPECT_EQ(offThread, 0);
  for (int a : {1, 2, 3}) {
    SCOPED_TRACE(a);
    // Each recording signal follows its own new record, one at a time.
    const std::vector<int>& records = recordsAtSignal[a];
    for (std::size_t i = 0; i < records.size(); ++i) EXPECT_EQ(records[i], int(i) + 1);
    EXPECT_TRUE(
        std::filesystem::exists(dir_.File("QZ_Master_Log_000" + std::to_string(a) + ".txt")));
  }
  EXPECT_EQ(errors_.Count(L"Error in"), 0) << ToUtf8(errors_.Text());
}

TEST_F(EndToEnd, InstrumentsAddedAndRemovedUnderAPauseWhileTheExecutorRuns) {
  AddInstrument(1, L"TC100");
  AddInstrument(2, L"TH200");
  PlaceInstrument(3, L"RC500");
  Std().StartThreads();
  ASSERT_TRUE(RunGuiUntil([this] { return Count(1, dsRgOk) > 0 && Count(2, dsRgOk) > 0; }));
  std::size_t mark;
  {
    NetPauseGuard pause = Std().PauseNet();
    ASSERT_TRUE(pause.NetworkIdle());
    Net().Network().ErasePresent(1);
    Net().Network().InsertNew(3, FastNode(L"RC500"));
    mark = signals_.size();
  }
  ASSERT_TRUE(RunGuiUntil([&] { return Count(3, dsRxOk, mark) + Count(3, dsRgOk, mark) > 1; }));
  ASSERT_TRUE(RunGuiUntil([&] { return Count(2, dsRxOk, mark) + Count(2, dsRgOk, mark) > 1; }));
  for (std::size_t i = mark; i < signals_.size(); ++i) EXPECT_NE(signals_[i].address, 1);
  EXPECT_EQ(errors_.Count(L"Error in"), 0) << ToUtf8(errors_.Text());
}

TEST_F(EndToEnd, StuckExchangesLateCompletionNeverRuns) {
  ThreadTimings timings = FastThreadTimings();
  timings.heartbeatLimit = 2;
  MakeNetwork(timings);
  AddInstrument(1, L"TC100");
  AddInstrument(2, L"TH200");
  Std().StartThreads();
  ASSERT_TRUE(RunGuiUntil([this] { return Count(2, dsRgOk) > 0; }));

  // An on-demand reading that hangs once the instrument's answer has begun,
  // and posts its completion when it is let go.
  Gate gate;
  std::atomic<bool> jobEnded{false}, lateCompletionRan{false};
  const InstrPars pars = ReadablePars(Net().Network().GetPresent(1).Type().Pars());
  QziDocIStd& doc = Std();
  Net().PushJob([&, pars] {
    const SerComm::SerialLogSink stuck = [&](SerComm::ActionType kind, std::wstring) {
      if (kind == SerComm::atReply && !gate.Reached()) gate.Wait(30s);
    };
    InstrParValues values = DefaultValues(pars);
    ReceiveReadings(1, pars, values, &stuck);
    doc.PostToGui([&] { lateCompletionRan = true; });
    jobEnded = true;
  });
  ASSERT_TRUE(RunGuiUntil([&] {
    return errors_.Count(L" going to create a new communication executor thread ...") > 0;
  })) << ToUtf8(errors_.Text());
  gate.Open();
  const std::size_t mark = signals_.size();
  ASSERT_TRUE(
      RunGuiUntil([&] { return jobEnded && Count(2, dsRgOk, mark) + Count(2, dsRxOk, mark) > 1; }));
  RunGuiFor(300ms);
  EXPECT_FALSE(lateCompletionRan);
  // Dropped on purpose: no record of a loss.
  EXPECT_EQ(errors_.Count(L"dropped"), 0) << ToUtf8(errors_.Text());
}

TEST_F(EndToEnd, CloseWithABusyLineEndsWithinTheWaitAndStopLimits) {
  ThreadTimings timings = FastThreadTimings();
  timings.closeWaitLimit = 2;
  timings.stopLimit = 2;
  timings.heartbeatLimit = 30;
  MakeNetwork(timings);
  AddInstrument(1, L"TC100");
  Std().StartThreads();
  ASSERT_TRUE(RunGuiUntil([this] { return Count(1, dsRgOk) > 0; }));

  // The instrument falls silent and a job keeps asking it, exchange after
  // exchange, for as long as its executor is wanted.
  sim_.ArmFault(Simulator::Fault::silence, Simulator::InstrumentSimulator::forever);
  std::atomic<bool> asking{false};
  const InstrPars pars = ReadablePars(Net().Network().GetPresent(1).Type().Pars());
  Net().PushJob([&asking, pars] {
    const auto end = std::chrono::steady_clock::now() + 30s;
    while (!ThisThreadRetired() && std::chrono::steady_clock::now() < end) {
      asking = true;
      InstrParValues values = DefaultValues(pars);
      ReceiveReadings(1, pars, values, nullptr);
    }
  });
  ASSERT_TRUE(RunGuiUntil([&] { return asking.load(); }));
  const auto begin = std::chrono::steady_clock::now();
  Std().ShutDown();
  const auto took = std::chrono::steady_clock::now() - begin;
  // Whole seconds on the program clock, plus the exchange under way.
  EXPECT_LT(took, std::chrono::seconds(timings.closeWaitLimit + timings.stopLimit + 3));
  EXPECT_GE(took, std::chrono::seconds(timings.closeWaitLimit));
  EXPECT_EQ(errors_.Count(L" going to terminate the locked serial thread!"), 1)
      << ToUtf8(errors_.Text());
  EXPECT_FALSE(Net().IsBusy());
}

TEST_F(EndToEnd, CloseWithAThrowingTaskLogsItAndEnds) {
  for (int a : {1, 2, 3}) AddInstrument(a, L"TC100");
  Std().StartThreads();
  ASSERT_TRUE(RunGuiUntil([this] { return Count(3, dsRgOk) > 0; }));
  bool laterTaskRan = false;
  Std().PostToGui([] { throw std::runtime_error("task failed"); });
  Std().PostToGui([&laterTaskRan] { laterTaskRan = true; });
  const auto begin = std::chrono::steady_clock::now();
  Std().ShutDown();
  EXPECT_LT(std::chrono::steady_clock::now() - begin, 3s);
  EXPECT_TRUE(laterTaskRan);
  EXPECT_EQ(errors_.Count(L" Error in WaitBeforeClose(): task failed"), 1)
      << ToUtf8(errors_.Text());
  EXPECT_TRUE(Std().IsStopped());
  EXPECT_TRUE(Std().IsClosing());
  EXPECT_EQ(errors_.Count(L"going to terminate"), 0);
}

}  // namespace

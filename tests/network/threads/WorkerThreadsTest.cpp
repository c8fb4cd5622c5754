// The worker threads end to end: the real watchdog, executor and tick over
// a document double, against simulated instruments on a pseudo-terminal.
// The test's own thread plays the GUI thread: it runs the queued GUI tasks,
// which store the results, write the recording files and run the tick
// passes. Every wait of the threads is shortened; the line timings too.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/serial/InstrumentOperations.h"
#include "network/serial/IntelHex.h"
#include "network/nodes/Node.h"
#include "network/schedule/OuterScripts.h"
#include "network/schedule/RecordingFiles.h"
#include "network/threads/SerialExecutor.h"
#include "network/serial/SerialPort.h"
#include "network/threads/WorkerThreads.h"
#include "platform/ProcessStarter.h"
#include "tests/support/DocDouble.h"
#include "tests/support/FastRun.h"
#include "tests/support/Gate.h"
#include "tests/support/LineFixture.h"
#include "tests/support/TestCatalogue.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDir.h"
#include "tools/simulator/InstrumentSimulator.h"

using namespace PardeloStravon;
using namespace std::chrono_literals;
using TestSupport::FastNode;
using TestSupport::Gate;

// The tick every 200 ms.
ThreadTimings FastThreadTimings() { return TestSupport::FastThreadTimings(200ms); }
using Simulator::Fault;
using Simulator::InstrumentSimulator;

namespace {

// The document as the worker threads see it. Like the document, it drops
// what a retired executor still posts.
class ThreadDoc : public TestSupport::DocDouble, public WorkerHost {
 public:
  void SetClosing(bool closing) override { closing_ = closing; }
  void SetStopped() override { stop_ = true; }
  bool RunGuiTasks() override { return DocDouble::RunGuiTasks(); }
  void PostToGui(const GuiTask& task) override {
    if (!ThisThreadRetired()) DocDouble::PostToGui(task);
  }
};

struct Signal {
  int address;
  DocSignal signal;
  Node::InstrLink link;  // the node's link once the signal was emitted
};

class NetworkRun : public testing::Test {
 protected:
  static void SetUpTestSuite() { TestSupport::LoadNetworkTestCatalogue(); }

  NetworkRun() {
    doc_.pathName_ = JoinPath(dir_.Wide(), L"plant.qzi");
    // Each script appends its arguments, each after a '|', as one line. The
    // line goes out in one write: scripts started together must not mix.
    const std::string record =
        "line=; for a in \"$@\"; do line=\"$line|$a\"; done; printf '%s\\n' \"$line\"";
    TestSupport::WriteFileBytes(dir_.File("alarm.bat"),
                                record + " >> \"$(dirname \"$0\")/alarm-calls.txt\"\n");
    TestSupport::WriteFileBytes(dir_.File("ResuscitateSerialPort.bat"),
                                record + " >> \"$(dirname \"$0\")/resuscitated.txt\"\n");
    doc_.ConnectDocSignal([this](int address, DocSignal s) {
      const InstrNet& network = Net().Network();
      const Node::InstrLink link = address != 0 && network.IsPresent(address)
                                       ? Node::InstrLink(network.GetPresent(address).State().link_)
                                       : Node::to_check;
      signals_.push_back({address, s, link});
    });
    NetOptRecord options = Net().Options();
    options.rxEn_ = true;
    Net().SetOptions(options);
  }

  ~NetworkRun() override {
    workers_.reset();
    Platform::WaitForStartedProcesses(20s);
  }

  InstrNetOpt& Net() { return doc_.NetOpt(); }

  static VUC Frame(const InstrPars& pars, int address) {
    VUC frame(FrameLength(pars), 0);
    if (frame.size() > 1) frame[1] = static_cast<unsigned char>(address);
    return frame;
  }

  // An instrument on the line, answering from frames of its type.
  void PlaceInstrument(int address, const std::wstring& code) {
    const InstrPars pars = InstrByCode(code).Pars();
    sim_.SetReadingsFrame(address, Frame(ReadablePars(pars), address));
    sim_.SetSettingsFrame(address, Frame(SettablePars(pars), address + 100));
  }

  void AddInstrument(int address, const std::wstring& code) {
    PlaceInstrument(address, code);
    Net().Network().InsertNew(address, FastNode(code));
  }

  void SetBlackoutInterval(long seconds) {
    NetOptRecord options = Net().Options();
    options.intNetAlarm_ = seconds;
    Net().SetOptions(options);
  }

  void Start(const ThreadTimings& timings = FastThreadTimings()) {
    workers_.emplace(doc_, doc_, timings);
  }

  // Runs the GUI thread's part until `done` holds; false after `limit`.
  bool RunGuiUntil(const std::function<bool()>& done, std::chrono::seconds limit = 30s) {
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
      doc_.RunGuiTasks();
      if (done()) return true;
      if (std::chrono::steady_clock::now() > end) return false;
      std::this_thread::sleep_for(10ms);
    }
  }
  void RunGuiFor(std::chrono::milliseconds time) {
    const auto end = std::chrono::steady_clock::now() + time;
    RunGuiUntil([end] { return std::chrono::steady_clock::now() > end; });
  }

  int Count(int address, DocSignal s, std::size_t from = 0) const {
    int n = 0;
    for (std::size_t i = from; i < signals_.size(); ++i)
      n += signals_[i].address == address && signals_[i].signal == s;
    return n;
  }

  // The link states the node went through, as the readings signals saw them.
  std::vector<Node::InstrLink> Links(int address) const {
    std::vector<Node::InstrLink> links;
    for (const Signal& s : signals_)
      if (s.address == address &&
          (s.signal == dsRxOk || s.signal == dsRxKo || s.signal == dsRgOk || s.signal == dsRgKo) &&
          (links.empty() || links.back() != s.link))
        links.push_back(s.link);
    return links;
  }

  // The complete lines a script has written so far.
  std::vector<std::string> ScriptLines(const std::string& file) const {
    std::vector<std::string> lines;
    if (!std::filesystem::exists(dir_.File(file))) return lines;
    std::istringstream in(TestSupport::ReadFileBytes(dir_.File(file)));
    for (std::string line; std::getline(in, line) && !in.eof();) lines.push_back(line);
    return lines;
  }
  bool ScriptRan(const std::string& file, const std::string& line) const {
    for (const std::string& l : ScriptLines(file))
      if (l == line) return true;
    return false;
  }

  std::string AlarmText(int address, int number) {
    std::wstring text = Net().Network().GetPresent(address).Type().AlarmText(number);
    return ToUtf8(BlanksToUnderscores(text));
  }

  bool AllLinked(std::initializer_list<int> addresses) {
    for (int a : addresses)
      if (Net().Network().GetPresent(a).State().link_ != Node::yes_link) return false;
    return true;
  }

  NetworkTest::SimulatedLine line_;
  InstrumentSimulator& sim_ = line_.Sim();
  TestSupport::TempDir dir_;
  ThreadDoc doc_;
  std::vector<Signal> signals_;
  TestSupport::LogCapture errors_{ErrorLog};
  std::optional<WorkerThreads> workers_;
};

std::string Hex(const VUC& frame) {
  std::string hex;
  for (unsigned char b : frame) hex += IntelHex::int2hexPadded(b, 2);
  return hex;
}

TEST_F(NetworkRun, PeriodicReadingsArriveAndLandInTheRecordingFiles) {
  AddInstrument(1, L"TC100");
  AddInstrument(2, L"TH200");
  AddInstrument(3, L"RC500");
  Start();
  ASSERT_TRUE(RunGuiUntil([this] {
    for (int a : {1, 2, 3})
      if (Count(a, dsRxOk) + Count(a, dsRgOk) < 2 || Count(a, dsRhOk) < 1) return false;
    return true;
  }));
  EXPECT_GT(Count(0, dsTick), 0);
  for (int a : {1, 2, 3}) {
    SCOPED_TRACE(a);
    const std::string file = TestSupport::ReadFileBytes(
        std::filesystem::path(NativePath(MasterLogPath(dir_.Wide(), a))));
    EXPECT_NE(file.find(" : " + Hex(sim_.ReadingsFrame(a)) + "\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find(" ; " + Hex(sim_.SettingsFrame(a)) + "\r\n"), std::string::npos) << file;
    EXPECT_EQ(Links(a), std::vector<Node::InstrLink>{Node::yes_link});
  }
  EXPECT_EQ(errors_.Count(L"Error in"), 0) << ToUtf8(errors_.Text());
}

TEST_F(NetworkRun, QueuedJobsRunWhileThePeriodicWorkRests) {
  AddInstrument(1, L"TC100");
  NetOptRecord options = Net().Options();
  options.rxEn_ = false;
  Net().SetOptions(options);
  Start();
  std::atomic<int> jobsRun{0};
  const SerialJob job = [&jobsRun] { ++jobsRun; };

  // Reception off: the job runs, nothing is read, the tick goes on.
  Net().PushJob(job);
  ASSERT_TRUE(RunGuiUntil([&] { return jobsRun == 1 && Count(0, dsTick) > 1; }));
  EXPECT_EQ(Count(1, dsRxOk) + Count(1, dsRgOk) + Count(1, dsRyOk) + Count(1, dsRhOk), 0);

  // Reception on but the network paused: jobs still run, one per turn; no
  // reading, no tick.
  doc_.SetClosing(true);
  Net().SetRxEnabled(true);
  RunGuiFor(500ms);
  const std::size_t mark = signals_.size();
  Net().PushJob(job);
  Net().PushJob(job);
  ASSERT_TRUE(RunGuiUntil([&] { return jobsRun == 3; }));
  RunGuiFor(500ms);
  EXPECT_EQ(signals_.size(), mark);

  // Resumed: the periodic work starts again.
  doc_.SetClosing(false);
  ASSERT_TRUE(
      RunGuiUntil([&] { return Count(1, dsRgOk, mark) > 0 && Count(0, dsTick, mark) > 0; }));
}

TEST_F(NetworkRun, ThrowingJobIsLoggedOnceAndTheExecutorGoesOn) {
  AddInstrument(1, L"TC100");
  Start();
  std::atomic<int> thrown{0};
  std::atomic<bool> nextRan{false};
  Net().PushJob([&thrown] {
    ++thrown;
    throw std::runtime_error("job failed");
  });
  Net().PushJob([&nextRan] { nextRan = true; });
  ASSERT_TRUE(RunGuiUntil([&] { return nextRan.load(); }));
  const std::size_t mark = signals_.size();
  ASSERT_TRUE(RunGuiUntil([&] { return Count(1, dsRgOk, mark) > 0; }));
  EXPECT_EQ(thrown, 1);
  EXPECT_EQ(errors_.Count(L" Error in SerialThread(LPVOID pParam)\n"), 1) << ToUtf8(errors_.Text());
}

TEST_F(NetworkRun, SilentInstrumentLosesItsLinkRunsTheAlarmScriptAndClearsIt) {
  for (int a : {1, 2, 3}) AddInstrument(a, L"TC100");
  Start();
  ASSERT_TRUE(RunGuiUntil([this] { return AllLinked({1, 2, 3}); }));

  sim_.ArmFault(Fault::silence, InstrumentSimulator::forever, 2);
  const std::string raised = "|1|1|2|New_instrument|0|" + AlarmText(2, 0);
  ASSERT_TRUE(RunGuiUntil([&] { return ScriptRan("alarm-calls.txt", raised); }))
      << ToUtf8(errors_.Text());
  EXPECT_EQ(Net().Network().GetPresent(2).State().link_, Node::lost_link);

  sim_.ClearFaults();
  const std::string cleared = "|0|1|2|New_instrument|0|" + AlarmText(2, 0);
  ASSERT_TRUE(RunGuiUntil([&] { return ScriptRan("alarm-calls.txt", cleared); }));
  EXPECT_EQ(Links(2), (std::vector<Node::InstrLink>{Node::yes_link, Node::int_link, Node::lost_link,
                                                    Node::yes_link}));
  // The others never noticed.
  EXPECT_EQ(Links(1), std::vector<Node::InstrLink>{Node::yes_link});
  EXPECT_EQ(Links(3), std::vector<Node::InstrLink>{Node::yes_link});
  EXPECT_EQ(ScriptLines("alarm-calls.txt"), (std::vector<std::string>{raised, cleared}));
}

TEST_F(NetworkRun, SilentLineRaisesTheBlackoutAlarmAndRestartsTheExecutor) {
  AddInstrument(1, L"TC100");
  AddInstrument(2, L"TH200");
  SetBlackoutInterval(7);  // a restart after 2 s of silence, the alarm after 7 s
  Start();
  ASSERT_TRUE(RunGuiUntil([this] { return AllLinked({1, 2}); }));

  sim_.ArmFault(Fault::silence, InstrumentSimulator::forever);
  ASSERT_TRUE(RunGuiUntil([&] { return ScriptRan("alarm-calls.txt", "|1|2|0||0|"); }))
      << ToUtf8(errors_.Text());
  EXPECT_GE(errors_.Count(L" trying to resuscitate the serial communication!"), 1);
  EXPECT_GE(errors_.Count(L" going to create a new communication executor thread ..."), 1);
  EXPECT_FALSE(ScriptLines("resuscitated.txt").empty());
  // The executor ended by itself each time: none was abandoned.
  EXPECT_EQ(errors_.Count(L" going to terminate the locked serial thread!"), 0);

  sim_.ClearFaults();
  const std::size_t mark = signals_.size();
  ASSERT_TRUE(RunGuiUntil([&] { return ScriptRan("alarm-calls.txt", "|0|2|0||0|"); }));
  ASSERT_TRUE(RunGuiUntil([&] { return Count(1, dsRgOk, mark) + Count(1, dsRxOk, mark) > 0; }));
  EXPECT_EQ(errors_.Count(L"Error in"), 0) << ToUtf8(errors_.Text());
}

TEST_F(NetworkRun, InstrumentsAddedAndRemovedWhileTheNetworkRuns) {
  AddInstrument(1, L"TC100");
  AddInstrument(2, L"TH200");
  PlaceInstrument(3, L"RC500");
  Start();
  ASSERT_TRUE(RunGuiUntil([this] { return Count(1, dsRgOk) > 0 && Count(2, dsRgOk) > 0; }));

  // As the add and remove commands do: pause, change, resume.
  ASSERT_TRUE(workers_->WaitBeforeClose());
  Net().Network().ErasePresent(1);
  Net().Network().InsertNew(3, FastNode(L"RC500"));
  doc_.SetClosing(false);
  const std::size_t mark = signals_.size();

  ASSERT_TRUE(RunGuiUntil([&] { return Count(3, dsRxOk, mark) + Count(3, dsRgOk, mark) > 1; }));
  ASSERT_TRUE(RunGuiUntil([&] { return Count(2, dsRxOk, mark) + Count(2, dsRgOk, mark) > 1; }));
  for (std::size_t i = mark; i < signals_.size(); ++i) EXPECT_NE(signals_[i].address, 1);
  EXPECT_EQ(errors_.Count(L"Error in"), 0) << ToUtf8(errors_.Text());
}

// Only the GUI thread changes the network, and only while it is paused:
// neither the executor nor the watchdog may walk it meanwhile.
TEST_F(NetworkRun, NetworkChangedWhilePausedIsNotWalkedMeanwhile) {
  AddInstrument(1, L"TC100");
  Start();
  ASSERT_TRUE(RunGuiUntil([this] { return Count(1, dsRgOk) > 0; }));
  ASSERT_TRUE(workers_->WaitBeforeClose());
  const auto end = std::chrono::steady_clock::now() + 1500ms;
  while (std::chrono::steady_clock::now() < end) {
    for (int a = 10; a < 40; ++a) Net().Network().InsertNew(a, FastNode(L"TH200"));
    for (int a = 10; a < 40; ++a) Net().Network().ErasePresent(a);
  }
  doc_.SetClosing(false);
  const std::size_t mark = signals_.size();
  ASSERT_TRUE(RunGuiUntil([&] { return Count(1, dsRgOk, mark) > 0; }));
  EXPECT_EQ(errors_.Count(L"Error in"), 0) << ToUtf8(errors_.Text());
}

TEST_F(NetworkRun, StuckExchangeIsAbandonedAndTheNetworkGoesOn) {
  AddInstrument(1, L"TC100");
  AddInstrument(2, L"TH200");
  ThreadTimings timings = FastThreadTimings();
  timings.heartbeatLimit = 2;
  Start(timings);
  ASSERT_TRUE(RunGuiUntil([this] { return Count(2, dsRgOk) > 0; }));

  // An on-demand reading that hangs once the instrument's answer has begun.
  Gate gate;
  std::atomic<bool> jobEnded{false}, lateCompletionRan{false};
  const InstrPars pars = ReadablePars(Net().Network().GetPresent(1).Type().Pars());
  Net().PushJob([&, pars] {
    const SerComm::SerialLogSink stuck = [&](SerComm::ActionType kind, std::wstring) {
      if (kind == SerComm::atReply && !gate.Reached()) gate.Wait(30s);
    };
    InstrParValues values = DefaultValues(pars);
    ReceiveReadings(1, pars, values, &stuck);
    doc_.PostToGui([&] { lateCompletionRan = true; });
    jobEnded = true;
  });
  ASSERT_TRUE(RunGuiUntil([&] {
    return errors_.Count(L" going to create a new communication executor thread ...") > 0;
  })) << ToUtf8(errors_.Text());
  const std::wstring log = errors_.Text();
  const auto killed = log.find(L" going to terminate the locked serial thread!");
  ASSERT_NE(killed, std::wstring::npos);
  EXPECT_LT(killed, log.find(L" thread deleted succesfully!"));
  EXPECT_LT(log.find(L" thread deleted succesfully!"),
            log.find(L" going to create a new communication executor thread ..."));
  EXPECT_FALSE(Net().IsBusy());

  // The stuck one still holds the line: the new executor waits for it.
  const std::size_t mark = signals_.size();
  RunGuiFor(1500ms);
  EXPECT_EQ(Count(2, dsRgOk, mark) + Count(2, dsRxOk, mark), 0);
  EXPECT_FALSE(Net().IsBusy());

  gate.Open();
  ASSERT_TRUE(RunGuiUntil([&] { return Count(2, dsRgOk, mark) + Count(2, dsRxOk, mark) > 1; }));
  EXPECT_TRUE(jobEnded);
  EXPECT_FALSE(lateCompletionRan);
  EXPECT_EQ(errors_.Count(L" going to terminate the locked serial thread!"), 1);
  EXPECT_EQ(sim_.ParityErrors(), 0);
}

TEST_F(NetworkRun, ClosingARunningNetworkEndsPromptlyEvenWhenAGuiTaskThrows) {
  for (int a : {1, 2, 3}) AddInstrument(a, L"TC100");
  Start();
  ASSERT_TRUE(RunGuiUntil([this] { return Count(3, dsRgOk) > 0; }));
  // A GUI task that throws while the close waits is logged; the close goes on.
  bool laterTaskRan = false;
  doc_.PostToGui([] { throw std::runtime_error("task failed"); });
  doc_.PostToGui([&laterTaskRan] { laterTaskRan = true; });
  const auto begin = std::chrono::steady_clock::now();
  workers_->Close();
  EXPECT_LT(std::chrono::steady_clock::now() - begin, 3s);
  EXPECT_TRUE(laterTaskRan);
  EXPECT_EQ(errors_.Count(L" Error in WaitBeforeClose(): task failed"), 1);
  EXPECT_TRUE(doc_.IsStopped());
  EXPECT_TRUE(doc_.IsClosing());
  EXPECT_FALSE(Net().IsBusy());
  EXPECT_EQ(errors_.Count(L"going to terminate"), 0);
}

TEST_F(NetworkRun, ClosingWithAStuckExecutorAbandonsItAfterTheStopLimit) {
  AddInstrument(1, L"TC100");
  ThreadTimings timings = FastThreadTimings();
  timings.closeWaitLimit = 1;
  timings.stopLimit = 2;
  timings.heartbeatLimit = 30;
  Start(timings);
  ASSERT_TRUE(RunGuiUntil([this] { return Count(1, dsRgOk) > 0; }));

  // Hangs for 6 s, longer than the wait before closing and the stop limit.
  Gate gate;
  Net().PushJob([&gate] { gate.Wait(6s); });
  ASSERT_TRUE(RunGuiUntil([&] { return gate.Reached(); }));
  const auto begin = std::chrono::steady_clock::now();
  workers_->Close();
  const auto took = std::chrono::steady_clock::now() - begin;
  // The watchdog gave up on the executor at the stop limit; the close then
  // waited only for the hanging call itself.
  EXPECT_EQ(errors_.Count(L" going to terminate the locked serial thread!"), 1);
  EXPECT_EQ(errors_.Count(L" thread deleted succesfully!"), 1);
  EXPECT_GT(took, 4s);
  EXPECT_LT(took, 10s);
  EXPECT_FALSE(Net().IsBusy());
}

}  // namespace

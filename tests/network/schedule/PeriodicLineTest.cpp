// The periodic work against simulated instruments on a pseudo-terminal.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sstream>

#include "foundation/core/LogChannel.h"
#include "foundation/core/TimeStamp.h"
#include "network/schedule/PeriodicStep.h"
#include "network/serial/PressureBroadcast.h"
#include "network/schedule/RecordingFiles.h"
#include "tests/support/LineFixture.h"
#include "tests/network/schedule/ScheduleFixture.h"
#include "tests/support/LogCapture.h"

using namespace PardeloStravon;
using NetworkTest::StartTime;
using NetworkTest::Signal;

namespace {

class PeriodicLineTest : public NetworkTest::ScheduleFixture {
 protected:
  PeriodicLineTest() { SetRx(true); }

  // A frame of the list whose bytes all survive decoding and encoding.
  static VUC FrameOf(const InstrPars& pars, unsigned char first) {
    VUC raw(FrameLength(pars));
    for (std::size_t i = 0; i < raw.size(); ++i) raw[i] = static_cast<unsigned char>(first + i);
    return ToVUC(pars, FromVUC(pars, raw));
  }

  bool Step(bool restart = false) {
    return PeriodicStep(Opt(), Folder(), restart, poster_, rec_.Sink());
  }

  NetworkTest::SimulatedLine line_;
  Simulator::InstrumentSimulator& sim_ = line_.Sim();
  NetworkTest::SinkRecorder rec_;
};

}  // namespace

TEST_F(PeriodicLineTest, DueRecordingAndReading_ArriveAsSignalsWithValuesAndRecordedLines) {
  Node& node = Add(5);
  const InstrPars all = node.Type().Pars();
  const InstrPars readable = ReadablePars(all);
  const InstrPars settable = SettablePars(all);
  const VUC readings = FrameOf(readable, 1);
  const VUC settings = FrameOf(settable, 40);
  sim_.SetReadingsFrame(5, readings);
  sim_.SetSettingsFrame(5, settings);

  ASSERT_TRUE(Step(true));
  EXPECT_EQ(RunTasks(), (std::vector<Signal>{{5, dsRhOk}, {5, dsRgOk}}));
  EXPECT_EQ(node.State().link_, Node::yes_link);
  EXPECT_EQ(ToVUC(readable, ReadableValues(all, node.Values())), readings);
  EXPECT_EQ(ToVUC(settable, SettableValues(all, node.Values())), settings);
  EXPECT_EQ(TestSupport::ReadFileBytes(folder_.Dir().File("QZ_Master_Log_0005.txt")),
            RecordLine(" ; ", settings, StartTime) + "\r\n" +
                RecordLine(" : ", readings, StartTime) + "\r\n");

  // Half a minute later only the readings are due.
  clock_.Advance(30);
  const VUC later = FrameOf(readable, 90);
  sim_.SetReadingsFrame(5, later);
  ASSERT_TRUE(Step(true));
  EXPECT_EQ(RunTasks(), (std::vector<Signal>{{5, dsRxOk}}));
  EXPECT_EQ(ToVUC(readable, ReadableValues(all, node.Values())), later);
  EXPECT_EQ(sim_.Requests(5, 132), 2 * static_cast<int>((readings.size() + 14) / 15));
}

TEST_F(PeriodicLineTest, InstrumentThatDoesNotAnswer_FailsWithItsLinkStateAndNoRecord) {
  Node& node = Add(6);  // no instrument at 6
  NodeOpt opt = node.Opt();
  opt.hr_ = opt.yr_ = false;
  node.SetOpt(opt);
  ASSERT_TRUE(Step(true));
  EXPECT_EQ(RunTasks(), (std::vector<Signal>{{6, dsRgKo}}));
  EXPECT_EQ(node.State().link_, Node::not_yet);
  EXPECT_FALSE(std::filesystem::exists(folder_.Dir().File("QZ_Master_Log_0006.txt")));
}

TEST_F(PeriodicLineTest, ExchangeThatThrows_IsLoggedAndCompletesAsAFailure) {
  // The address field of a request to this address does not fit in a record.
  Node& node = Add(60000);
  NodeOpt opt = node.Opt();
  opt.hr_ = opt.yr_ = false;
  node.SetOpt(opt);
  TestSupport::LogCapture errors(ErrorLog);
  ASSERT_TRUE(Step(true));
  EXPECT_EQ(RunTasks(), (std::vector<Signal>{{60000, dsRgKo}}));
  EXPECT_EQ(node.State().link_, Node::not_yet);
  EXPECT_NE(errors.Text().find(L"Error in StartG() for instrument nr. 60000"), std::wstring::npos);
}

TEST_F(PeriodicLineTest, BroadcastSlot_IsAskedWhenDueAndThenAtItsIntervalFromThatMoment) {
  std::vector<int> pauses;
  ScopedBroadcastPause pause([&pauses](int s) { pauses.push_back(s); });
  NetOptRecord opt = Opt().Options();
  opt.periodicBroadcastEn_[1] = true;
  opt.periodicBroadcastInt_[1] = 60;
  opt.periodicBroadcastAddr_[1] = 7;  // not in the network: asked all the same
  Opt().SetOptions(opt);
  sim_.SetReadingsFrame(7, VUC(3));

  AskPressureBroadcast(Opt(), rec_.Sink());
  EXPECT_EQ(sim_.Requests(7, 139), 1);
  EXPECT_EQ(Opt().NetState().nextBroadcast_[1], StartTime + 60);
  EXPECT_EQ(pauses, std::vector<int>{3});
  EXPECT_EQ(rec_.Count(SerComm::atNotice,
                       L"\n" + TimeStamp() +
                           L" Going to ask broadcasting pressure from instrument nr. 7 ...\n"),
            1);
  EXPECT_EQ(rec_.Count(SerComm::atNotice,
                       TimeStamp() + L" Request for pressure broadcast from instrument nr. 7 "
                                     L"completed.\n"),
            1);

  clock_.Advance(60);  // the next time itself is not yet due
  AskPressureBroadcast(Opt(), rec_.Sink());
  EXPECT_EQ(sim_.Requests(7, 139), 1);
  clock_.Advance(1);
  AskPressureBroadcast(Opt(), rec_.Sink());
  EXPECT_EQ(sim_.Requests(7, 139), 2);
  EXPECT_EQ(Opt().NetState().nextBroadcast_[1], StartTime + 121);
  EXPECT_EQ(pauses.size(), 2u);
}

namespace {

// Two instruments of one type on a line twenty times faster than the real
// one; instrument 5 answers late, by a delay that walks through the range
// around the block time-out.
class LateNeighbourTest : public NetworkTest::ScheduleFixture {
 protected:
  static constexpr unsigned Speedup = 20;
  static constexpr int BlockTimeoutMs = 1020;  // on the real line

  LateNeighbourTest()
      : line_(NetworkTest::ScaledInstruments(Speedup, 100), NetworkTest::ScaledTimings(Speedup)) {
    SetRx(true);
  }

  // Records its readings every second, nothing else.
  void AddRecorded(int address) {
    Node& node = Add(address);
    NodeOpt opt = node.Opt();
    opt.xr_ = opt.yr_ = opt.hr_ = opt.pr_ = opt.vr_ = false;
    opt.gr_ = true;
    opt.gs_ = 1;
    node.SetOpt(opt);
  }

  // The frame bytes of every recorded line of the instrument's file.
  std::vector<std::string> RecordedFrames(int address) {
    std::vector<std::string> frames;
    const auto path = folder_.Dir().Path() / MasterLogName(address);
    if (!std::filesystem::exists(path)) return frames;
    std::istringstream lines(TestSupport::ReadFileBytes(path));
    for (std::string line; std::getline(lines, line);) {
      const auto at = line.find(ReadingsSeparator);
      frames.push_back(at == std::string::npos ? line
                                               : line.substr(at + ReadingsSeparator.size()));
      if (!frames.back().empty() && frames.back().back() == '\r') frames.back().pop_back();
    }
    return frames;
  }

  NetworkTest::SimulatedLine line_;
  Simulator::InstrumentSimulator& sim_ = line_.Sim();
};

std::string Hex(const VUC& frame) {
  return RecordLine("", frame, 0).substr(NarrowTimeStampAt(0).size());
}

}  // namespace

TEST_F(LateNeighbourTest, PeriodicRecording_NeverStoresTheOtherInstrumentsFrame) {
  AddRecorded(5);
  AddRecorded(6);
  const InstrPars readable = ReadablePars(Net().GetPresent(5).Type().Pars());
  VUC frameOf5(FrameLength(readable)), frameOf6(FrameLength(readable));
  for (std::size_t i = 0; i < frameOf5.size(); ++i) {
    frameOf5[i] = static_cast<unsigned char>(0x10 + i);
    frameOf6[i] = static_cast<unsigned char>(0x60 + i);
  }
  frameOf5 = ToVUC(readable, FromVUC(readable, frameOf5));
  frameOf6 = ToVUC(readable, FromVUC(readable, frameOf6));
  ASSERT_NE(frameOf5, frameOf6);
  sim_.SetReadingsFrame(5, frameOf5);
  sim_.SetReadingsFrame(6, frameOf6);
  sim_.ArmFault(Simulator::Fault::lateAnswer, Simulator::InstrumentSimulator::forever, 5);

  for (int lateMs = BlockTimeoutMs / 2; lateMs <= 7 * BlockTimeoutMs / 2; lateMs += 40) {
    sim_.SetLateDelay(std::chrono::milliseconds(lateMs / static_cast<int>(Speedup)));
    clock_.Advance(1);
    for (bool restart = true; PeriodicStep(Opt(), Folder(), restart, poster_, nullptr);)
      restart = false;
    RunTasks();
  }

  for (const auto& [address, own] : {std::pair{5, Hex(frameOf5)}, std::pair{6, Hex(frameOf6)}}) {
    const std::vector<std::string> frames = RecordedFrames(address);
    for (const std::string& f : frames) EXPECT_EQ(f, own) << "instrument " << address;
  }
  // The neighbour that answers in time is recorded; the test is not empty.
  EXPECT_FALSE(RecordedFrames(6).empty());
}

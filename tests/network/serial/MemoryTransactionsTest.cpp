#include <gtest/gtest.h>

#include "foundation/core/LogChannel.h"
#include "foundation/core/TextConv.h"
#include "network/serial/LineExchange.h"
#include "network/serial/MemoryTransactions.h"
#include "network/serial/Parity.h"
#include "tests/support/LineFixture.h"
#include "tests/support/LogCapture.h"

using namespace SerComm;
using NetworkTest::CountingFrame;
using PardeloStravon::VUC;
using Simulator::Fault;
using Simulator::InstrumentSimulator;

namespace {

const std::wstring notReceived = L" not received\n";

class MemoryTransactionsTest : public NetworkTest::LineFixture {};

}  // namespace

TEST_F(MemoryTransactionsTest, WorkedExample_ReadsTwoBlocksWithTheExactWireCharacters) {
  sim_.SetReadingsFrame(5, CountingFrame(20));
  VUC frame(20);
  ASSERT_TRUE(ReadBlocks(5, frame, 15, rec_.Sink(), cmdReadReadings));
  EXPECT_EQ(frame, CountingFrame(20));

  const std::string block0Wire = "\x3A\x30\xB2\xB1\xB8\x30\x35\xB8\xB4\x30\x30\x30\xC6\xB4\xC5";
  EXPECT_EQ(sim_.RawInput(), block0Wire + AddParity(std::string(":02180584010557")));
  EXPECT_EQ(sim_.RequestTexts(), (std::vector<std::string>{":02180584000F4E", ":02180584010557"}));

  const int start = rec_.Find(L" :02180584000F4E to be sent by PC ... ");
  ASSERT_GE(start, 0);
  const std::vector<NetworkTest::SinkText> block0(rec_.Texts().begin() + start,
                                                  rec_.Texts().begin() + start + 7);
  VUC answerData = CountingFrame(15);
  answerData.insert(answerData.begin(), 0);
  const std::wstring answer0 =
      PardeloStravon::ToWide(IntelHex::Record(16, 6149, 132, answerData).Text());
  EXPECT_EQ(block0, (std::vector<NetworkTest::SinkText>{
                        {atProgress, L" :02180584000F4E to be sent by PC ... "},
                        {atProgress, L"communication status get ok ... "},
                        {atProgress, L" Going to purge handle ... "},
                        {atProgress, L"sent, now waiting for \":\" ... "},
                        {atProgress, L":"},
                        {atReply, L"received ok ... "},
                        {atProgress, answer0 + L" ack ok!\n"}}));
  EXPECT_EQ(rec_.Texts().back().second, L"handle closure ok.\n");
}

TEST_F(MemoryTransactionsTest, FrameSizes_AreAskedInBlocksOfFifteen) {
  const std::string ask0 = IntelHex::Record(2, 6149, 131, {0, 15}).Text();
  const struct {
    std::size_t size;
    std::vector<std::string> requests;
  } cases[] = {
      {0, {}},
      {15, {ask0}},
      {16, {ask0, IntelHex::Record(2, 6149, 131, {1, 1}).Text()}},
      {30, {ask0, IntelHex::Record(2, 6149, 131, {1, 15}).Text()}},
  };
  for (const auto& c : cases) {
    sim_.ResetCounters();
    rec_.Clear();
    sim_.SetSettingsFrame(5, CountingFrame(c.size));
    VUC frame(c.size);
    EXPECT_TRUE(ReadBlocks(5, frame, 15, rec_.Sink(), cmdReadSettings)) << c.size;
    EXPECT_EQ(frame, CountingFrame(c.size));
    EXPECT_EQ(sim_.RequestTexts(), c.requests) << c.size;
    // The port is opened and closed even when nothing is exchanged.
    EXPECT_EQ(rec_.Count(atProgress, L"handle closure ok.\n"), 1);
  }
}

TEST_F(MemoryTransactionsTest, NoAnswerWithinAnAttempt_IsAskedThreeTimesThenFails) {
  const Fault faults[] = {Fault::silence, Fault::garbage, Fault::lateAnswer};
  for (const Fault f : faults) {
    sim_.ResetCounters();
    sim_.ClearFaults();
    rec_.Clear();
    sim_.SetReadingsFrame(5, CountingFrame(20));
    sim_.ArmFault(f, InstrumentSimulator::forever);
    TestSupport::LogCapture activity(PardeloStravon::ActivityLog);
    VUC frame(20, 0xEE);
    EXPECT_FALSE(ReadBlocks(5, frame, 15, rec_.Sink(), cmdReadReadings));
    EXPECT_EQ(sim_.Requests(5, cmdReadReadings), 3) << int(f);
    EXPECT_EQ(rec_.Count(atReply, notReceived), 3);
    EXPECT_EQ(activity.Text(), L"...");
    EXPECT_EQ(frame, VUC(20, 0xEE));
  }
}

TEST_F(MemoryTransactionsTest, UnusableAnswer_FailsTheReadAtOnceWithoutRetry) {
  // An answer naming another instrument (the next address here) is
  // certainly not this instrument's.
  const Fault faults[] = {Fault::wrongBlockIndex, Fault::wrongType,   Fault::wrongCount,
                          Fault::badChecksum,     Fault::badParity,   Fault::shortAnswer,
                          Fault::otherAddress};
  for (const Fault f : faults) {
    sim_.ResetCounters();
    sim_.ClearFaults();
    sim_.SetReadingsFrame(5, CountingFrame(20));
    sim_.ArmFault(f, InstrumentSimulator::forever);
    VUC frame(20);
    EXPECT_FALSE(ReadBlocks(5, frame, 15, rec_.Sink(), cmdReadReadings)) << int(f);
    EXPECT_EQ(sim_.Requests(), 1) << int(f);
  }
}

TEST_F(MemoryTransactionsTest, FailureInALaterBlock_KeepsTheBlocksAlreadyRead) {
  // The instrument's frame ends after the first block: the second goes unanswered.
  sim_.SetReadingsFrame(5, CountingFrame(15));
  VUC frame(20);
  EXPECT_FALSE(ReadBlocks(5, frame, 15, nullptr, cmdReadReadings));
  VUC expected = CountingFrame(15);
  expected.resize(20, 0);
  EXPECT_EQ(frame, expected);
  EXPECT_EQ(sim_.Requests(5, cmdReadReadings), 1 + 3);
}

TEST_F(MemoryTransactionsTest, FrameBeyond256Blocks_IsRefusedBeforeAnythingIsSent) {
  sim_.SetReadingsFrame(5, CountingFrame(3841));
  VUC frame(3841);
  TestSupport::LogCapture activity(PardeloStravon::ActivityLog);
  EXPECT_FALSE(ReadBlocks(5, frame, 15, rec_.Sink(), cmdReadReadings));
  EXPECT_FALSE(WriteBlocks(5, frame, 15, rec_.Sink()));
  EXPECT_EQ(sim_.RawInput(), "");
  ASSERT_EQ(rec_.Texts().size(), 2u);
  EXPECT_EQ(rec_.Texts()[0].first, atError);
  EXPECT_NE(rec_.Texts()[0].second.find(L" Frame of 3841 bytes needs more than 256 blocks"),
            std::wstring::npos);
  EXPECT_NE(activity.Text().find(L"needs more than 256 blocks"), std::wstring::npos);
}

TEST_F(MemoryTransactionsTest, FrameOfExactly256Blocks_IsReadWhole) {
  sim_.SetReadingsFrame(5, CountingFrame(3840));
  VUC frame(3840);
  EXPECT_TRUE(ReadBlocks(5, frame, 15, nullptr, cmdReadReadings));
  EXPECT_EQ(frame, CountingFrame(3840));
  EXPECT_EQ(sim_.RequestTexts().back(), IntelHex::Record(2, 6149, 132, {255, 15}).Text());
}

TEST_F(MemoryTransactionsTest, BlockSizeOutsideOneToFifteen_IsAProgrammingError) {
  VUC frame(20);
  for (int size : {0, -1, 16}) {
    EXPECT_THROW(ReadBlocks(5, frame, size, nullptr, cmdReadReadings), std::invalid_argument);
    EXPECT_THROW(WriteBlocks(5, frame, size, nullptr), std::invalid_argument);
  }
  EXPECT_EQ(sim_.RawInput(), "");
}

TEST_F(MemoryTransactionsTest, AddressFieldOutOfRange_RaisesAndStillClosesThePort) {
  VUC frame(20);
  EXPECT_THROW(ReadBlocks(0xFFFF, frame, 15, rec_.Sink(), cmdReadReadings), IntelHex::BadHexRec);
  EXPECT_EQ(rec_.Texts().back().second, L"handle closure ok.\n");
  EXPECT_FALSE(SerialPort().IsOpen());
}

TEST_F(MemoryTransactionsTest, SettingsWrite_SendsEveryBlockThenTheEndRecord) {
  sim_.SetSettingsFrame(5, VUC(20, 0));
  const VUC settings = CountingFrame(20);
  EXPECT_TRUE(WriteBlocks(5, settings, 15, rec_.Sink()));
  VUC block0{0};
  block0.insert(block0.end(), settings.begin(), settings.begin() + 15);
  VUC block1{1};
  block1.insert(block1.end(), settings.begin() + 15, settings.end());
  EXPECT_EQ(
      sim_.RequestTexts(),
      (std::vector<std::string>{IntelHex::Record(16, 6149, 129, block0).Text(),
                                IntelHex::Record(6, 6149, 129, block1).Text(), ":0018058261"}));
  EXPECT_EQ(sim_.SettingsFrame(5), settings);
  EXPECT_EQ(sim_.CompletedWrites(5), 1);
  EXPECT_EQ(rec_.Count(atProgress, L":0018058261 ack ok!\n"), 1);
  // What waited in the input before a record went out cannot be its echo.
  EXPECT_EQ(rec_.Count(atProgress, L" Going to purge handle ... "), 3);
}

TEST_F(MemoryTransactionsTest, WrongEcho_IsRetriedSixTimesAndNoEndRecordFollows) {
  sim_.SetSettingsFrame(5, VUC(20, 0));
  sim_.ArmFault(Fault::wrongEcho, InstrumentSimulator::forever);
  TestSupport::LogCapture errors(PardeloStravon::ErrorLog);
  EXPECT_FALSE(WriteBlocks(5, CountingFrame(20), 15, rec_.Sink()));
  EXPECT_EQ(sim_.Requests(5, cmdWriteBlock), 6);
  EXPECT_EQ(sim_.Requests(5, cmdEndWrite), 0);
  EXPECT_EQ(sim_.CompletedWrites(5), 0);
  VUC block0{0};
  const VUC settings = CountingFrame(20);
  block0.insert(block0.end(), settings.begin(), settings.begin() + 15);
  const std::wstring sent = PardeloStravon::ToWide(IntelHex::Record(16, 6149, 129, block0).Text());
  block0.back() ^= 1;
  const std::wstring echoed =
      PardeloStravon::ToWide(IntelHex::Record(16, 6149, 129, block0).Text());
  for (int i = 1; i <= 6; ++i) {
    const std::wstring text = L" " + sent + L" wanted by PC " + echoed +
                              L" received by micro. Operation failed: retry nr. " +
                              std::to_wstring(i) + L"\n";
    EXPECT_EQ(rec_.Count(atError, text), 1) << i;
    EXPECT_NE(errors.Text().find(text), std::wstring::npos) << i;
  }
}

TEST_F(MemoryTransactionsTest, OneWrongEcho_IsRepairedByTheNextAttempt) {
  sim_.SetSettingsFrame(5, VUC(20, 0));
  sim_.ArmFault(Fault::wrongEcho, 1);
  EXPECT_TRUE(WriteBlocks(5, CountingFrame(20), 15, nullptr));
  EXPECT_EQ(sim_.Requests(5, cmdWriteBlock), 3);
  EXPECT_EQ(sim_.Requests(5, cmdEndWrite), 1);
  EXPECT_EQ(sim_.SettingsFrame(5), CountingFrame(20));
}

TEST_F(MemoryTransactionsTest, SilentEndRecord_IsSentNineTimes) {
  // An empty frame: the end record is the only record of the write.
  sim_.SetSettingsFrame(5, VUC());
  sim_.ArmFault(Fault::silence, InstrumentSimulator::forever);
  EXPECT_FALSE(WriteBlocks(5, VUC(), 15, nullptr));
  EXPECT_EQ(sim_.RequestTexts(), std::vector<std::string>(9, ":0018058261"));
}

TEST_F(MemoryTransactionsTest, EndRecordRepeatedAfterItsLostEcho_KeepsTheWrittenSettings) {
  sim_.SetSettingsFrame(5, VUC(20, 0));
  ASSERT_TRUE(WriteBlocks(5, CountingFrame(20), 15, nullptr));
  // The instrument commits, its echo is lost, the end record goes again.
  sim_.ArmFault(Fault::silence, 1);
  EXPECT_TRUE(WriteBlocks(5, VUC(), 15, nullptr));
  EXPECT_EQ(sim_.Requests(5, cmdEndWrite), 3);
  EXPECT_EQ(sim_.SettingsFrame(5), CountingFrame(20));
}

TEST_F(MemoryTransactionsTest, PressureBroadcast_IsAskedOnceAndSucceedsWhateverTheAnswer) {
  sim_.SetReadingsFrame(1, VUC());
  EXPECT_TRUE(RequestBroadcast(1, nullptr));
  sim_.ArmFault(Fault::silence, InstrumentSimulator::forever);
  EXPECT_TRUE(RequestBroadcast(1, nullptr));
  EXPECT_EQ(sim_.RequestTexts(), (std::vector<std::string>{":0018018B5C", ":0018018B5C"}));
}

TEST_F(MemoryTransactionsTest, NoAttempts_SendNothing) {
  PortGuard guard(SerialPort(), nullptr);
  ASSERT_TRUE(SerialPort().IsOpen());
  EXPECT_FALSE(HexSendGet(SerialPort(), IntelHex::Record(0, 6149, 130, {}), 0, nullptr).IsValid());
  EXPECT_FALSE(SendWithAck(SerialPort(), IntelHex::Record(0, 6149, 130, {}), 0, nullptr));
  EXPECT_EQ(sim_.RawInput(), "");
}

TEST_F(MemoryTransactionsTest, PortThatDoesNotOpen_FailsEveryTransactionCleanly) {
  CommSetSimple holder;
  holder.SetPort(sim_.DevicePath());
  ASSERT_TRUE(holder.Open(nullptr));
  const std::string missing = "/dev/vantor-no-such-serial-device";
  for (const std::string& port : {sim_.DevicePath(), missing}) {
    SerialPort().SetPort(port);
    rec_.Clear();
    TestSupport::LogCapture activity(PardeloStravon::ActivityLog);
    VUC frame(20);
    EXPECT_FALSE(ReadBlocks(5, frame, 15, rec_.Sink(), cmdReadReadings));
    EXPECT_FALSE(WriteBlocks(5, frame, 15, rec_.Sink()));
    EXPECT_FALSE(RequestBroadcast(5, rec_.Sink()));
    const auto& t = rec_.Texts();
    ASSERT_EQ(t.size(), 9u);
    EXPECT_EQ(t[0], (NetworkTest::SinkText{atError,
                                           L" Impossible to get a valid communication handle "
                                           L"during channell opening! Trasmission aborted!\n"}));
    EXPECT_EQ(t[1].first, atError);
    EXPECT_TRUE(t[1].second.ends_with(L" Impossible to open serial port.\n"));
    EXPECT_EQ(t[2],
              (NetworkTest::SinkText{
                  atError, L" Handle closure run with an invalid handle: no action performed.\n"}));
    EXPECT_NE(activity.Text().find(L" Impossible to open serial port.\n"), std::wstring::npos);
  }
  EXPECT_EQ(sim_.RawInput(), "");
  holder.Close(nullptr);
}

namespace {

class ChatteringLineTest : public NetworkTest::LineFixture {
 protected:
  static Simulator::Options Chatter() {
    Simulator::Options o;
    o.paced = true;
    o.garbage = std::string(300, 'Z');
    return o;
  }
  static LineTimings ShortColonDeadline() {
    LineTimings t = NetworkTest::FastTimings();
    t.colonDeadline = 50;
    return t;
  }
  ChatteringLineTest() : LineFixture(Chatter(), ShortColonDeadline()) {}
};

}  // namespace

TEST_F(ChatteringLineTest, WaitForColonEndsThreeReadsAfterItsDeadline) {
  sim_.SetReadingsFrame(5, CountingFrame(15));
  sim_.ArmFault(Fault::garbage, 1);
  PortGuard guard(SerialPort(), nullptr);
  EXPECT_FALSE(
      HexSendGet(SerialPort(), IntelHex::Record(2, 6149, 132, {0, 15}), 1, rec_.Sink()).IsValid());
  // The line never fell silent, yet the wait ended long before the chatter did.
  const int chars = rec_.Count(atProgress, L"Z");
  EXPECT_GT(chars, 3);
  EXPECT_LT(chars, 300);
  EXPECT_EQ(rec_.Count(atProgress, L"."), 0);
  EXPECT_EQ(rec_.Count(atReply, L" not received\n"), 1);
}

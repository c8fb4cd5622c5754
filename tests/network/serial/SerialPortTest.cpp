#include <gtest/gtest.h>

#include "network/serial/MemoryTransactions.h"
#include "tests/support/LineFixture.h"

using namespace SerComm;
using NetworkTest::SinkText;

namespace {

const std::vector<SinkText> openingTexts = {
    {atProgress, L" Obtained a valid communication handle during channell opening ... "},
    {atProgress, L"communication status get ok ... "},
    {atProgress, L"communication status set nr. 1 ok ... "},
    {atProgress,
     L"communication status set nr. 2 ok. Communication opening completed succesfully.\n"},
};

const std::vector<SinkText> closingTexts = {
    {atProgress, L" Handle closure: going to cancel IO ... "},
    {atProgress, L"cancel IO ok "},
    {atProgress, L"going to close handle ... "},
    {atProgress, L"handle closure ok.\n"},
};

std::vector<SinkText> Join(std::initializer_list<std::vector<SinkText>> parts) {
  std::vector<SinkText> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

class SerialPortTest : public NetworkTest::LineFixture {
 protected:
  CommSetSimple port_;
  void SetUp() override { port_.SetPort(sim_.DevicePath()); }
  void TearDown() override { port_.Close(nullptr); }
};

}  // namespace

TEST(SerialPortSettings, ThePortIsCom1At9600Baud8DataBitsNoParityOneStopBit) {
  CommSetSimple port;
  EXPECT_EQ(port.Port(), "COM1");
  EXPECT_EQ(port.Baud(), 9600u);
  EXPECT_EQ(port.ByteSize(), 8);
  EXPECT_EQ(port.Parity(), 0);
  EXPECT_EQ(port.StopBits(), 0);
  EXPECT_EQ(port.Share(), 0u);
  EXPECT_FALSE(port.IsOpen());
  EXPECT_EQ(port.SetPort("COM2"), "COM1");
  EXPECT_EQ(&SerialPort(), &SerialPort());
}

TEST_F(SerialPortTest, OpenAndClose_ReportEveryStep) {
  ASSERT_TRUE(port_.Open(rec_.Sink()));
  EXPECT_TRUE(port_.IsOpen());
  port_.Close(rec_.Sink());
  EXPECT_FALSE(port_.IsOpen());
  EXPECT_EQ(rec_.Texts(), Join({openingTexts, closingTexts}));
}

TEST_F(SerialPortTest, OpeningAnOpenPort_ClosesTheOldHandleFirst) {
  ASSERT_TRUE(port_.Open(nullptr));
  ASSERT_TRUE(port_.Open(rec_.Sink()));
  const std::vector<SinkText> alreadyOpen = {
      {atError, L" Trying to open an already open handle! Going to close it before proceeding.\n"}};
  EXPECT_EQ(rec_.Texts(), Join({alreadyOpen, closingTexts, openingTexts}));
}

TEST_F(SerialPortTest, ClosingOrPurgingWithoutHandle_OnlySaysSo) {
  port_.Close(rec_.Sink());
  EXPECT_TRUE(port_.Purge(rec_.Sink()));
  const std::vector<SinkText> expected = {
      {atError, L" Handle closure run with an invalid handle: no action performed.\n"},
      {atError, L" Handle purge run with an invalid handle: no action performed.\n"}};
  EXPECT_EQ(rec_.Texts(), expected);
  EXPECT_TRUE(ClosePort(Platform::InvalidSerialHandle, nullptr));
}

TEST_F(SerialPortTest, PurgeOfAnOpenPort_ReportsIt) {
  ASSERT_TRUE(port_.Open(nullptr));
  EXPECT_TRUE(port_.Purge(rec_.Sink()));
  EXPECT_EQ(rec_.Texts(), (std::vector<SinkText>{{atProgress, L" Going to purge handle ... "}}));
}

TEST_F(SerialPortTest, MissingDevice_FailsWithOneErrorAndNoHandle) {
  port_.SetPort("/dev/vantor-no-such-serial-device");
  EXPECT_FALSE(port_.Open(rec_.Sink()));
  EXPECT_FALSE(port_.IsOpen());
  EXPECT_EQ(port_.Handle(), nullptr);
  EXPECT_EQ(rec_.Texts(),
            (std::vector<SinkText>{{atError,
                                    L" Impossible to get a valid communication handle during "
                                    L"channell opening! Trasmission aborted!\n"}}));
}

TEST_F(SerialPortTest, DeviceHeldByAnotherPort_IsRefusedUntilThatOneCloses) {
  ASSERT_TRUE(port_.Open(nullptr));
  CommSetSimple second;
  second.SetPort(sim_.DevicePath());
  EXPECT_FALSE(second.Open(rec_.Sink()));
  EXPECT_EQ(rec_.Count(atError,
                       L" Impossible to get a valid communication handle during channell opening! "
                       L"Trasmission aborted!\n"),
            1);
  port_.Close(nullptr);
  EXPECT_TRUE(second.Open(nullptr));
  second.Close(nullptr);
}

TEST_F(SerialPortTest, NullSink_ChangesNothingButTheReports) {
  ASSERT_TRUE(port_.Open(nullptr));
  EXPECT_TRUE(port_.IsOpen());
  port_.Close(nullptr);
  port_.Close(nullptr);
  EXPECT_FALSE(port_.IsOpen());
}

TEST(SerialLogSink, EmptySinkRaises_NullPointerReportsNothing) {
  SerialLogSink empty;
  EXPECT_THROW(WriteToSink(&empty, atError, L"x"), boost::bad_function_call);
  EXPECT_NO_THROW(WriteToSink(nullptr, atError, L"x"));
}

TEST_F(SerialPortTest, SinkThatThrows_NeverLeavesTheDeviceHeld) {
  const struct {
    const wchar_t* throwsAt;
    bool whileOpening;
  } cases[] = {{L"communication status get ok ... ", true}, {L"handle closure ok.\n", false}};
  for (const auto& c : cases) {
    const SerialLogSink throwing = [&](ActionType, std::wstring text) {
      if (text == c.throwsAt) throw std::runtime_error("sink failed");
    };
    if (c.whileOpening) {
      EXPECT_THROW(port_.Open(&throwing), std::runtime_error);
    } else {
      ASSERT_TRUE(port_.Open(nullptr));
      EXPECT_THROW(port_.Close(&throwing), std::runtime_error);
    }
    EXPECT_FALSE(port_.IsOpen());
    CommSetSimple other;
    other.SetPort(sim_.DevicePath());
    EXPECT_TRUE(other.Open(nullptr)) << c.whileOpening;
    other.Close(nullptr);
  }
}

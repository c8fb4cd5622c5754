#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/PseudoTerminal.h"
#include "platform/SerialDevice.h"

using namespace Platform;

namespace {

// The far end of the line, as a real port's other end would be.
class PtyPair {
 public:
  const std::string& Path() const { return pty_.DevicePath(); }
  void Send(const std::string& bytes) { ASSERT_TRUE(pty_.Write(bytes.data(), bytes.size())); }
  std::string Receive() {
    unsigned char buffer[256];
    if (pty_.Wait(5000) != PseudoTerminal::Event::input) return std::string();
    return std::string(reinterpret_cast<const char*>(buffer), pty_.Read(buffer, sizeof buffer));
  }

 private:
  PseudoTerminal pty_;
};

constexpr std::uint32_t readWrite = SerialAccessRead | SerialAccessWrite;

class SerialDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h_ = OpenSerial(pty_.Path(), readWrite, SerialShareNone);
    ASSERT_NE(h_, InvalidSerialHandle);
    SerialState s;
    s.baudRate = 9600;
    ASSERT_TRUE(SetSerialState(h_, s));
  }
  void TearDown() override {
    if (h_ != InvalidSerialHandle) CloseSerial(h_);
  }
  std::size_t Read(std::size_t n, const SerialTimeouts& t) {
    EXPECT_TRUE(SetSerialTimeouts(h_, t));
    std::size_t got = 0;
    EXPECT_TRUE(ReadSerial(h_, buffer_, n, got));
    return got;
  }

  PtyPair pty_;
  SerialHandle h_ = InvalidSerialHandle;
  unsigned char buffer_[64] = {};
};

}  // namespace

TEST(SerialDevicePath, PortNamesMapToDevices) {
  setenv("COM7", "/dev/ttyUSB3", 1);
  unsetenv("COM1");
  unsetenv("COM12");
  const struct {
    const char* port;
    const char* device;
  } cases[] = {
      {"COM7", "/dev/ttyUSB3"},  // the environment wins
      {"COM1", "/dev/ttyS0"},   {"COM12", "/dev/ttyS11"}, {"/dev/pts/4", "/dev/pts/4"},
      {"COM0", "COM0"},         {"COMX", "COMX"},
  };
  for (const auto& c : cases) EXPECT_EQ(SerialDevicePath(c.port), c.device) << c.port;
  unsetenv("COM7");
}

TEST(SerialDeviceOpen, MissingDeviceOrNoTerminal_GivesTheInvalidHandle) {
  EXPECT_EQ(OpenSerial("/dev/vantor-no-such-device", readWrite, 0), InvalidSerialHandle);
  EXPECT_EQ(SerialLastError(), ENOENT);
  EXPECT_EQ(OpenSerial("/dev/null", readWrite, 0), InvalidSerialHandle);
  EXPECT_EQ(SerialLastError(), ENOTTY);
}

TEST_F(SerialDeviceTest, ExclusiveDevice_RefusesASecondOpenerUntilClosed) {
  EXPECT_EQ(OpenSerial(pty_.Path(), readWrite, SerialShareNone), InvalidSerialHandle);
  EXPECT_EQ(SerialLastError(), EBUSY);
  ASSERT_TRUE(CloseSerial(h_));
  h_ = OpenSerial(pty_.Path(), readWrite, SerialShareNone);
  EXPECT_NE(h_, InvalidSerialHandle);
}

TEST_F(SerialDeviceTest, StateReadsBackAsSet) {
  SerialState s;
  ASSERT_TRUE(GetSerialState(h_, s));
  EXPECT_EQ(s.baudRate, 9600u);
  EXPECT_EQ(s.byteSize, 8);
  EXPECT_EQ(s.parity, SerialNoParity);
  EXPECT_EQ(s.stopBits, SerialOneStopBit);
  EXPECT_FALSE(s.ctsFlow || s.outX || s.inX);
  s.baudRate = 12345;
  EXPECT_FALSE(SetSerialState(h_, s));
  EXPECT_EQ(SerialLastError(), EINVAL);
}

TEST_F(SerialDeviceTest, ReadEndsAtTheCountAtTheGapOrAtTheTotal) {
  // All asked for: at once.
  pty_.Send("abcdef");
  EXPECT_EQ(Read(4, {5000, 0, 5000, 0, 0}), 4u);
  EXPECT_EQ(Read(2, {5000, 0, 5000, 0, 0}), 2u);
  // Fewer arrive: the gap after the last one ends the read long before the total.
  pty_.Send("xyz");
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Read(10, {50, 0, 20000, 0, 0}), 3u);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  // Nothing arrives: the total ends it.
  EXPECT_EQ(Read(1, {50, 10, 40, 0, 0}), 0u);
}

TEST_F(SerialDeviceTest, GapIsCountedOnlyFromTheFirstCharacter) {
  std::thread late([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    pty_.Send("Q");
  });
  EXPECT_EQ(Read(1, {20, 0, 10000, 0, 0}), 1u);
  EXPECT_EQ(buffer_[0], 'Q');
  late.join();
}

TEST_F(SerialDeviceTest, WrittenBytesReachTheOtherEndUnchanged) {
  ASSERT_TRUE(SetSerialTimeouts(h_, {0, 0, 0, 20, 1000}));
  const unsigned char bytes[] = {0x3A, 0xB1, 0x0A, 0x0D, 0x00, 0xFF};
  std::size_t written = 0;
  ASSERT_TRUE(WriteSerial(h_, bytes, sizeof bytes, written));
  EXPECT_EQ(written, sizeof bytes);
  EXPECT_EQ(pty_.Receive(), std::string(reinterpret_cast<const char*>(bytes), sizeof bytes));
}

TEST_F(SerialDeviceTest, PurgeDiscardsWhatWaits) {
  for (bool (*purge)(SerialHandle) : {PurgeSerial, PurgeSerialInput}) {
    pty_.Send("stale");
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_TRUE(purge(h_));
    EXPECT_EQ(Read(5, {0, 0, 0, 0, 0}), 0u);
    // What arrives after the purge is read as usual.
    pty_.Send("fresh");
    EXPECT_EQ(Read(5, {0, 0, 500, 0, 0}), 5u);
  }
}

TEST(SerialDeviceHandles, CallsOnNoHandle_FailWithoutTouchingAnything) {
  SerialState s;
  std::size_t n = 0;
  unsigned char c = 0;
  for (SerialHandle h : {SerialHandle(nullptr), InvalidSerialHandle}) {
    EXPECT_FALSE(GetSerialState(h, s));
    EXPECT_FALSE(ReadSerial(h, &c, 1, n));
    EXPECT_FALSE(WriteSerial(h, &c, 1, n));
    EXPECT_FALSE(CloseSerial(h));
    EXPECT_EQ(SerialLastError(), EBADF);
  }
}

#pragma once
// The serial port as the communication layer sees it: a handle that is
// opened, configured, read and written with the framework's time-out rules,
// and closed. No call throws or blocks beyond its time-outs; a failing call
// returns false (or the invalid handle) and leaves its error number for
// SerialLastError.
#include <cstddef>
#include <cstdint>
#include <string>

namespace Platform {

struct SerialLine;
typedef SerialLine* SerialHandle;

// What a failed open returns; like a null handle, it is "not open".
extern SerialHandle const InvalidSerialHandle;

// Access and share values of the open call, with the framework's meaning.
constexpr std::uint32_t SerialAccessRead = 0x80000000u;
constexpr std::uint32_t SerialAccessWrite = 0x40000000u;
constexpr std::uint32_t SerialShareNone = 0;

// Parity and stop-bit codes of the framework's line settings.
constexpr int SerialNoParity = 0;
constexpr int SerialOddParity = 1;
constexpr int SerialEvenParity = 2;
constexpr int SerialOneStopBit = 0;
constexpr int SerialTwoStopBits = 2;

// The line settings the program reads and changes.
struct SerialState {
  std::uint32_t baudRate = 0;
  int byteSize = 8;
  int parity = SerialNoParity;
  int stopBits = SerialOneStopBit;
  bool ctsFlow = false;  // hardware handshake
  bool outX = false;     // XON/XOFF on sending
  bool inX = false;      // XON/XOFF on receiving
  bool dtr = false;      // modem control lines raised
  bool rts = false;
};

// In milliseconds, with the framework's rules: a read of n characters ends
// when n have arrived, when the interval passes after a character without
// the next one, or total = multiplier * n + constant after it began. A zero
// interval and a zero total mean no such limit; until time-outs are set, a
// read returns at once with what has already arrived.
struct SerialTimeouts {
  unsigned readInterval = 0;
  unsigned readTotalMultiplier = 0;
  unsigned readTotalConstant = 0;
  unsigned writeTotalMultiplier = 0;
  unsigned writeTotalConstant = 0;
};

// The device a port name stands for: the environment variable named like
// the port when it is set ("COM1=/dev/ttyUSB0"), else for "COMn" the n-th
// standard serial device (/dev/ttyS<n-1>); a name holding '/' is a device
// path already. Any other name stays as it is.
std::string SerialDevicePath(const std::string& portName);

// With share mode 0 the device is held for this program alone: the
// terminal's exclusive mode refuses other openers, and an advisory lock
// refuses a second monitor even when it runs as root.
SerialHandle OpenSerial(const std::string& portName, std::uint32_t access, std::uint32_t share);
bool GetSerialState(SerialHandle h, SerialState& state);
// The line is made raw (no echo, no translation); then the settings apply.
bool SetSerialState(SerialHandle h, const SerialState& state);
bool SetSerialTimeouts(SerialHandle h, const SerialTimeouts& timeouts);
// True with got < n when a time-out ended the read; false on a line error.
bool ReadSerial(SerialHandle h, unsigned char* buffer, std::size_t n, std::size_t& got);
// False unless all n characters were handed to the device in time.
bool WriteSerial(SerialHandle h, const unsigned char* data, std::size_t n, std::size_t& written);
// Reads and writes are synchronous, so there is never pending I/O to cancel.
bool CancelSerialIo(SerialHandle h);
// Discards what waits in the input and output queues.
bool PurgeSerial(SerialHandle h);
// Discards only what waits in the input queue: characters received and not
// yet read.
bool PurgeSerialInput(SerialHandle h);
bool CloseSerial(SerialHandle h);
// The error number of the calling thread's last failed call above.
int SerialLastError();

}  // namespace Platform

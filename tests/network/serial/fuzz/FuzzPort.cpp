// Stands in for the platform's serial device at link time: every function
// that the device's own source defines is defined here, so the linker never
// takes that object from the platform library. A function added to the
// device must be added here too.
#include "tests/network/serial/fuzz/FuzzPort.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>

#include "platform/SerialDevice.h"

namespace Platform {

struct SerialLine {
  int unused = 0;
};

namespace {

SerialLine theLine;
std::string input;
std::size_t nextBurst = 0;  // where the next answer begins in the input
std::string available;      // arrived and not yet read
std::string written;
bool open = false;
int lastError = 0;

bool Fail(int error)
{
  lastError = error;
  return false;
}

}  // namespace

SerialHandle const InvalidSerialHandle = reinterpret_cast<SerialHandle>(~std::uintptr_t{0});

std::string SerialDevicePath(const std::string& portName) { return portName; }

SerialHandle OpenSerial(const std::string&, std::uint32_t, std::uint32_t)
{
  if (open) {
    lastError = EBUSY;
    return InvalidSerialHandle;
  }
  open = true;
  return &theLine;
}

bool GetSerialState(SerialHandle h, SerialState& state)
{
  if (h != &theLine || !open) return Fail(EBADF);
  state = SerialState{};
  state.baudRate = 9600;
  return true;
}

bool SetSerialState(SerialHandle h, const SerialState&) { return h == &theLine && open ? true : Fail(EBADF); }
bool SetSerialTimeouts(SerialHandle h, const SerialTimeouts&) { return h == &theLine && open ? true : Fail(EBADF); }

bool ReadSerial(SerialHandle h, unsigned char* buffer, std::size_t n, std::size_t& got)
{
  got = 0;
  if (h != &theLine || !open) return Fail(EBADF);
  // A line feed ends a read as the silence after an answer does on the line.
  got = std::min(n, available.size());
  const std::size_t feed = available.find('\n');
  if (feed != std::string::npos) got = std::min(got, feed + 1);
  std::copy_n(available.data(), got, buffer);
  available.erase(0, got);
  return true;
}

// Every request is answered by the next piece of the input, up to and with
// its line feed; what was not read of earlier answers is still waiting.
bool WriteSerial(SerialHandle h, const unsigned char* data, std::size_t n, std::size_t& count)
{
  count = 0;
  if (h != &theLine || !open) return Fail(EBADF);
  written.append(reinterpret_cast<const char*>(data), n);
  count = n;
  if (nextBurst < input.size()) {
    const std::size_t feed = input.find('\n', nextBurst);
    const std::size_t end = feed == std::string::npos ? input.size() : feed + 1;
    available += input.substr(nextBurst, end - nextBurst);
    nextBurst = end;
  }
  return true;
}

bool CancelSerialIo(SerialHandle h) { return h == &theLine ? true : Fail(EBADF); }
bool PurgeSerial(SerialHandle h)
{
  if (h != &theLine) return Fail(EBADF);
  available.clear();
  return true;
}

bool PurgeSerialInput(SerialHandle h) { return PurgeSerial(h); }

bool CloseSerial(SerialHandle h)
{
  if (h != &theLine || !open) return Fail(EBADF);
  open = false;
  return true;
}

int SerialLastError() { return lastError; }

}  // namespace Platform

namespace FuzzPort {

void Feed(const unsigned char* data, std::size_t size)
{
  Platform::input.assign(reinterpret_cast<const char*>(data), size);
  Platform::nextBurst = 0;
  Platform::available.clear();
  Platform::written.clear();
}

const std::string& Written() { return Platform::written; }

}  // namespace FuzzPort

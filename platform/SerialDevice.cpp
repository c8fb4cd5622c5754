#include "platform/SerialDevice.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace Platform {

struct SerialLine {
  int fd;
  bool exclusive;
  SerialTimeouts timeouts;
};

SerialHandle const InvalidSerialHandle = reinterpret_cast<SerialHandle>(~std::uintptr_t{0});

namespace {

thread_local int lastError = 0;

typedef std::chrono::steady_clock Steady;

bool Fail(int error) {
  lastError = error;
  return false;
}

bool Valid(SerialHandle h) { return h != nullptr && h != InvalidSerialHandle; }

struct BaudCode {
  std::uint32_t baud;
  speed_t code;
};

constexpr BaudCode baudCodes[] = {
    {110, B110},     {300, B300},     {600, B600},       {1200, B1200},
    {2400, B2400},   {4800, B4800},   {9600, B9600},     {19200, B19200},
    {38400, B38400}, {57600, B57600}, {115200, B115200}, {230400, B230400},
};

std::optional<speed_t> SpeedCode(std::uint32_t baud) {
  for (const auto& b : baudCodes)
    if (b.baud == baud) return b.code;
  return std::nullopt;
}

std::uint32_t BaudOf(speed_t code) {
  for (const auto& b : baudCodes)
    if (b.code == code) return b.baud;
  return 0;
}

// Milliseconds left until the deadline, never negative.
int MsUntil(Steady::time_point deadline) {
  const auto left =
      std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Steady::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

// Waits for the event or the time-out (-1: none). 1: ready, 0: time-out,
// -1: error (lastError set).
int WaitFor(int fd, short event, int timeoutMs) {
  for (;;) {
    pollfd p{fd, event, 0};
    const int rc = poll(&p, 1, timeoutMs);
    if (rc < 0 && errno == EINTR) continue;
    if (rc < 0) {
      lastError = errno;
      return -1;
    }
    if (rc == 0) return 0;
    if (p.revents & POLLNVAL) {
      lastError = EBADF;
      return -1;
    }
    // A hang-up with nothing left to read is a line failure; the read that
    // follows reports it.
    return 1;
  }
}

void SetModemLine(int fd, int line, bool on) {
  // Pseudo-terminals have no modem lines; the request fails there harmlessly.
  ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &line);
}

}  // namespace

std::string SerialDevicePath(const std::string& portName) {
  if (!portName.empty() && portName.find('=') == std::string::npos) {
    if (const char* mapped = std::getenv(portName.c_str()); mapped && *mapped) return mapped;
  }
  if (portName.find('/') != std::string::npos) return portName;
  if (portName.size() > 3 && portName.compare(0, 3, "COM") == 0 &&
      portName.find_first_not_of("0123456789", 3) == std::string::npos && portName.size() < 8) {
    const int n = std::atoi(portName.c_str() + 3);
    if (n >= 1) return "/dev/ttyS" + std::to_string(n - 1);
  }
  return portName;
}

SerialHandle OpenSerial(const std::string& portName, std::uint32_t access, std::uint32_t share) {
  const bool canRead = access & SerialAccessRead;
  const bool canWrite = access & SerialAccessWrite;
  const int mode = canRead && canWrite ? O_RDWR : canWrite ? O_WRONLY : O_RDONLY;
  const std::string path = SerialDevicePath(portName);
  const int fd = open(path.c_str(), mode | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    lastError = errno;
    return InvalidSerialHandle;
  }
  auto refuse = [fd](int error) {
    close(fd);
    lastError = error;
    return InvalidSerialHandle;
  };
  if (!isatty(fd)) return refuse(ENOTTY);
  const bool exclusive = share == SerialShareNone;
  if (exclusive) {
    // The advisory lock also keeps out a second monitor running as root,
    // which the terminal's exclusive mode lets through.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) return refuse(errno == EWOULDBLOCK ? EBUSY : errno);
    if (ioctl(fd, TIOCEXCL) != 0) return refuse(errno);
  }
  return new SerialLine{fd, exclusive, SerialTimeouts{}};
}

bool GetSerialState(SerialHandle h, SerialState& state) {
  if (!Valid(h)) return Fail(EBADF);
  termios t{};
  if (tcgetattr(h->fd, &t) != 0) return Fail(errno);
  state.baudRate = BaudOf(cfgetospeed(&t));
  switch (t.c_cflag & CSIZE) {
    case CS5:
      state.byteSize = 5;
      break;
    case CS6:
      state.byteSize = 6;
      break;
    case CS7:
      state.byteSize = 7;
      break;
    default:
      state.byteSize = 8;
      break;
  }
  state.parity = !(t.c_cflag & PARENB)  ? SerialNoParity
                 : (t.c_cflag & PARODD) ? SerialOddParity
                                        : SerialEvenParity;
  state.stopBits = (t.c_cflag & CSTOPB) ? SerialTwoStopBits : SerialOneStopBit;
  state.ctsFlow = t.c_cflag & CRTSCTS;
  state.outX = t.c_iflag & IXON;
  state.inX = t.c_iflag & IXOFF;
  int lines = 0;
  if (ioctl(h->fd, TIOCMGET, &lines) == 0) {
    state.dtr = lines & TIOCM_DTR;
    state.rts = lines & TIOCM_RTS;
  }
  return true;
}

bool SetSerialState(SerialHandle h, const SerialState& state) {
  if (!Valid(h)) return Fail(EBADF);
  const auto speed = SpeedCode(state.baudRate);
  if (!speed) return Fail(EINVAL);
  tcflag_t size = 0;
  switch (state.byteSize) {
    case 5:
      size = CS5;
      break;
    case 6:
      size = CS6;
      break;
    case 7:
      size = CS7;
      break;
    case 8:
      size = CS8;
      break;
    default:
      return Fail(EINVAL);
  }
  termios t{};
  if (tcgetattr(h->fd, &t) != 0) return Fail(errno);
  cfmakeraw(&t);
  t.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
  t.c_cflag |= size | CLOCAL | CREAD;
  if (state.parity == SerialOddParity) t.c_cflag |= PARENB | PARODD;
  if (state.parity == SerialEvenParity) t.c_cflag |= PARENB;
  if (state.stopBits == SerialTwoStopBits) t.c_cflag |= CSTOPB;
  if (state.ctsFlow) t.c_cflag |= CRTSCTS;
  t.c_iflag &= ~(IXON | IXOFF | IXANY);
  if (state.outX) t.c_iflag |= IXON;
  if (state.inX) t.c_iflag |= IXOFF;
  t.c_cc[VMIN] = 0;
  t.c_cc[VTIME] = 0;
  if (cfsetispeed(&t, *speed) != 0 || cfsetospeed(&t, *speed) != 0) return Fail(errno);
  if (tcsetattr(h->fd, TCSANOW, &t) != 0) return Fail(errno);
  SetModemLine(h->fd, TIOCM_DTR, state.dtr);
  SetModemLine(h->fd, TIOCM_RTS, state.rts);
  return true;
}

bool SetSerialTimeouts(SerialHandle h, const SerialTimeouts& timeouts) {
  if (!Valid(h)) return Fail(EBADF);
  h->timeouts = timeouts;
  return true;
}

bool ReadSerial(SerialHandle h, unsigned char* buffer, std::size_t n, std::size_t& got) {
  got = 0;
  if (!Valid(h)) return Fail(EBADF);
  const SerialTimeouts& to = h->timeouts;
  const auto start = Steady::now();
  const std::uint64_t totalMs = std::uint64_t{to.readTotalMultiplier} * n + to.readTotalConstant;
  const bool anyLimit = totalMs > 0 || to.readInterval > 0;
  const auto totalDeadline = start + std::chrono::milliseconds(totalMs);
  Steady::time_point lastChar{};
  while (got < n) {
    int waitMs = -1;
    if (!anyLimit) waitMs = 0;
    if (totalMs > 0) waitMs = MsUntil(totalDeadline);
    if (got > 0 && to.readInterval > 0) {
      const int gapLeft = MsUntil(lastChar + std::chrono::milliseconds(to.readInterval));
      waitMs = waitMs < 0 ? gapLeft : std::min(waitMs, gapLeft);
    }
    const int ready = WaitFor(h->fd, POLLIN, waitMs);
    if (ready < 0) return false;
    if (ready == 0) return true;
    const ssize_t r = read(h->fd, buffer + got, n - got);
    if (r > 0) {
      got += static_cast<std::size_t>(r);
      lastChar = Steady::now();
    } else if (r == 0) {
      return Fail(EIO);  // the other end has gone
    } else if (errno != EAGAIN && errno != EINTR) {
      return Fail(errno);
    }
  }
  return true;
}

bool WriteSerial(SerialHandle h, const unsigned char* data, std::size_t n, std::size_t& written) {
  written = 0;
  if (!Valid(h)) return Fail(EBADF);
  const SerialTimeouts& to = h->timeouts;
  const std::uint64_t totalMs = std::uint64_t{to.writeTotalMultiplier} * n + to.writeTotalConstant;
  const auto deadline = Steady::now() + std::chrono::milliseconds(totalMs);
  while (written < n) {
    const ssize_t w = write(h->fd, data + written, n - written);
    if (w > 0) {
      written += static_cast<std::size_t>(w);
      continue;
    }
    if (w < 0 && errno == EINTR) continue;
    if (w < 0 && errno != EAGAIN) return Fail(errno);
    const int ready = WaitFor(h->fd, POLLOUT, totalMs > 0 ? MsUntil(deadline) : -1);
    if (ready < 0) return false;
    if (ready == 0) return Fail(ETIMEDOUT);
  }
  return true;
}

bool CancelSerialIo(SerialHandle h) { return Valid(h) ? true : Fail(EBADF); }

bool PurgeSerial(SerialHandle h) {
  if (!Valid(h)) return Fail(EBADF);
  return tcflush(h->fd, TCIOFLUSH) == 0 ? true : Fail(errno);
}

bool PurgeSerialInput(SerialHandle h) {
  if (!Valid(h)) return Fail(EBADF);
  return tcflush(h->fd, TCIFLUSH) == 0 ? true : Fail(errno);
}

bool CloseSerial(SerialHandle h) {
  if (!Valid(h)) return Fail(EBADF);
  // On a pseudo-terminal whose other side stays open the exclusive mode
  // outlives this close and would lock out our own next opening.
  if (h->exclusive) ioctl(h->fd, TIOCNXCL);
  const int rc = close(h->fd);
  const int error = errno;
  delete h;
  return rc == 0 ? true : Fail(error);
}

int SerialLastError() { return lastError; }

}  // namespace Platform

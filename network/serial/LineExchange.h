#pragma once
// One exchange on the line: the monitor sends a record and waits for the
// instrument's answer. Every character sent carries even parity; every
// character received is checked, except those read while waiting for the
// colon, which are compared as they arrive. Before every request goes out,
// whatever waits in the input is purged: it cannot be the request's answer.
#include "network/serial/IntelHex.h"
#include "network/serial/SerialPort.h"

namespace SerComm {

// Keeps the port open for exactly the life of one transaction, and closes
// it on every way out, including an exception.
class PortGuard {
 public:
  PortGuard(CommSet& port, const SerialLogSink* sink);
  ~PortGuard();
  PortGuard(const PortGuard&) = delete;
  PortGuard& operator=(const PortGuard&) = delete;

 private:
  CommSet& port_;
  const SerialLogSink* sink_;
};

// Reads one character at a time, reporting each, until the colon, the first
// silent read (0), or, on a line that keeps chattering, the third read after
// the colon deadline (that read's character).
char WaitForColon(PortHandle h, const SerialLogSink* sink);

// Sends the record until an answer begins, at most `attempts` times, and
// returns the answer record; invalid when no usable answer came. An answer
// that arrived but is unusable is not retried. Catches every exception.
IntelHex::Record HexSendGet(CommSetWithHandle& port, const IntelHex::Record& record, int attempts,
                            const SerialLogSink* sink);

// Sends the record until the instrument echoes it character for character,
// at most `attempts` times; false when no attempt succeeded or the port
// failed.
bool SendWithAck(CommSetWithHandle& port, const IntelHex::Record& record, int attempts,
                 const SerialLogSink* sink);

}  // namespace SerComm

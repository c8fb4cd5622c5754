#pragma once
// Every time-out and pause of the serial line in one record. The defaults
// are the line's own values; tests shorten them for the duration of a
// scope. The serial layer takes a copy at the start of each step.
#include "platform/SerialDevice.h"

namespace SerComm {

struct LineTimings {
  // The port's time-outs in milliseconds: a read of n characters ends at n
  // characters, 1000 ms after a character without the next one, or
  // 20 * n + 1000 ms after it began; a write may take 20 * n + 1000 ms.
  Platform::SerialTimeouts port{1000, 20, 1000, 20, 1000};
  // Waiting for the colon of an answer: after this, three more characters
  // at most.
  unsigned colonDeadline = 2000;
  // Pause after every block of a memory transaction.
  unsigned blockPause = 20;
};

LineTimings CurrentLineTimings();

// Replaces the timings while it lives (test equipment and tests only).
class ScopedLineTimings {
 public:
  explicit ScopedLineTimings(const LineTimings& timings);
  ~ScopedLineTimings();
  ScopedLineTimings(const ScopedLineTimings&) = delete;
  ScopedLineTimings& operator=(const ScopedLineTimings&) = delete;

 private:
  LineTimings previous_;
};

}  // namespace SerComm

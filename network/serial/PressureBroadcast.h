#pragma once
// The three pressure-broadcast slots of the network options: each enabled
// slot asks its instrument for a broadcast once its next time has passed,
// then counts its interval from that moment (not on a grid).
#include <functional>

#include "network/serial/SerialPort.h"

namespace PardeloStravon {

class InstrNetOpt;

// Executor thread, every turn while periodic reception is on. A slot whose
// address is not in the network is asked all the same.
void AskPressureBroadcast(InstrNetOpt& options, const SerComm::SerialLogSink* sink);

// The pause after each broadcast request: 3 s of sleep. Tests put a
// recorder in its place while the object lives.
constexpr int BroadcastPauseSeconds = 3;

class ScopedBroadcastPause {
 public:
  explicit ScopedBroadcastPause(std::function<void(int seconds)> pause);
  ~ScopedBroadcastPause();
  ScopedBroadcastPause(const ScopedBroadcastPause&) = delete;
  ScopedBroadcastPause& operator=(const ScopedBroadcastPause&) = delete;

 private:
  std::function<void(int)> previous_;
};

}  // namespace PardeloStravon

#include "network/serial/PressureBroadcast.h"

#include <mutex>

#include "foundation/core/Clock.h"
#include "foundation/core/TextConv.h"
#include "foundation/core/TimeStamp.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/serial/MemoryTransactions.h"

namespace PardeloStravon {
namespace {

std::mutex pauseMutex;
std::function<void(int)> pause = SleepSeconds;

void Pause(int seconds) {
  std::function<void(int)> p;
  {
    std::lock_guard<std::mutex> lock(pauseMutex);
    p = pause;
  }
  p(seconds);
}

}  // namespace

ScopedBroadcastPause::ScopedBroadcastPause(std::function<void(int)> p) {
  std::lock_guard<std::mutex> lock(pauseMutex);
  previous_ = pause;
  pause = std::move(p);
}

ScopedBroadcastPause::~ScopedBroadcastPause() {
  std::lock_guard<std::mutex> lock(pauseMutex);
  pause = previous_;
}

void AskPressureBroadcast(InstrNetOpt& options, const SerComm::SerialLogSink* sink) {
  for (int slot = 0; slot < BroadcastSlots; ++slot) {
    const NetOptRecord opt = options.Options();
    if (!opt.periodicBroadcastEn_[slot]) continue;
    const std::time_t now = Now();
    if (!(now > options.NetState().nextBroadcast_[slot])) continue;
    // Only this slot's time is stored: the GUI thread owns the alarm fields.
    options.UpdateNetState([&](NetStateRecord& st) {
      st.nextBroadcast_[slot] = static_cast<long>(now + opt.periodicBroadcastInt_[slot]);
    });

    const int address = opt.periodicBroadcastAddr_[slot];
    SerComm::WriteToSink(sink, SerComm::atNotice,
                         L"\n" + TimeStamp() +
                             L" Going to ask broadcasting pressure from instrument nr. " +
                             ToWStr(address) + L" ...\n");
    SerComm::RequestBroadcast(address, sink);
    SerComm::WriteToSink(sink, SerComm::atNotice,
                         TimeStamp() + L" Request for pressure broadcast from instrument nr. " +
                             ToWStr(address) + L" completed.\n");
    Pause(BroadcastPauseSeconds);
  }
}

}  // namespace PardeloStravon

#pragma once
// The network-wide options the user edits, and the run-time state that goes
// with them. Both are copied whole; the network options hand out copies.
#include "foundation/core/NoInit.h"

namespace PardeloStravon {

constexpr int BroadcastSlots = 3;

struct NetOptRecord {
  NoInit<bool, 0> rxEn_;           // periodic reception
  NoInit<bool, 0> troubleshoot_;   // serial troubleshooting; not saved
  NoInit<bool, 0> periodicBroadcastEn_[BroadcastSlots];
  NoInit<int, 60> periodicBroadcastInt_[BroadcastSlots];  // seconds between broadcasts
  NoInit<int, 1> periodicBroadcastAddr_[BroadcastSlots];  // instrument asked to broadcast
  NoInit<bool, 1> onNetAlarm_;     // blackout alarm enabled
  NoInit<long, 300> intNetAlarm_;  // seconds a blackout lasts before the alarm
};

// Never saved. The executor owns nextBroadcast_, the GUI thread the rest.
struct NetStateRecord {
  NoInit<bool, 0> netAlarm_;          // the blackout alarm as last reported
  NoInit<long, 0> netAlarmDeadline_;  // debounce deadline, 0 while not armed
  NoInit<long, 0> nextBroadcast_[BroadcastSlots];  // 0: due at once
};

}  // namespace PardeloStravon

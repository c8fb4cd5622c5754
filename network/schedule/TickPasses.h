#pragma once
// The network options' share of the document's one-second tick, on the GUI
// thread: the instrument-alarm pass, the blackout alarm, the lost-link pass
// while no blackout alarm stands, and the print pass, in this order.
#include "network/DocSignal.h"

namespace PardeloStravon {

class InstrNetOpt;

// The handler of the document signal: only a tick (address 0, dsTick) runs
// the passes. The instrument-alarm, lost-link and print passes do nothing
// while periodic reception is off; the blackout alarm runs on every tick.
void RunTickPasses(InstrNetOpt& options, int address, DocSignal signal);

}  // namespace PardeloStravon

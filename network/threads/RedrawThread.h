#pragma once
// The tick: once a second, unless the network is paused, a GUI task that
// emits the document signal with address 0 and dsTick.
#include "network/threads/WorkerContext.h"

namespace PardeloStravon {

// Returns once the document stops.
void RedrawThread(WorkerContext& context);

}  // namespace PardeloStravon

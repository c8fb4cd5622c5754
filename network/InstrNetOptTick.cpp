// The network options hear the document signal here; every tick is meant to
// run the alarm and print passes on the GUI thread.
#include "network/InstrNetOptImpl.h"

namespace PardeloStravon {

void InstrNetOpt::Impl::OnDocSignal(int address, DocSignal signal) {
  if (address != 0 || signal != dsTick) return;
}

}  // namespace PardeloStravon

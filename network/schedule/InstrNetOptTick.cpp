// The network options hear the document signal here; every tick runs the
// alarm and print passes on the GUI thread.
#include "network/nodes/InstrNetOptImpl.h"
#include "network/schedule/TickPasses.h"

namespace PardeloStravon {

void InstrNetOpt::Impl::OnDocSignal(int address, DocSignal signal) {
  RunTickPasses(*owner_, address, signal);
}

}  // namespace PardeloStravon

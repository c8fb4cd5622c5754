// The network options hear the document signal here; every tick runs the
// alarm and print passes on the GUI thread.
#include "network/InstrNetOptImpl.h"
#include "network/TickPasses.h"

namespace PardeloStravon {

void InstrNetOpt::Impl::OnDocSignal(int address, DocSignal signal) {
  RunTickPasses(*owner_, address, signal);
}

}  // namespace PardeloStravon

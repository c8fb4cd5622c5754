#include "tools/simulator/SimulatedPlant.h"

#include "foundation/catalogue/InstrTable.h"
#include "tools/simulator/MovingReadings.h"

namespace Simulator {

using namespace PardeloStravon;

void SimulatedPlant::Place(int address, const std::wstring& type) {
  Placed placed{address, type, InstrByCode(type).Pars()};
  sim_.SetInstrument(address, placed.pars, InitialValues(placed.pars, address));
  SetReadings(placed);
  placed_.push_back(std::move(placed));
}

void SimulatedPlant::Advance(double seconds) {
  seconds_ = seconds;
  for (const Placed& placed : placed_) SetReadings(placed);
}

void SimulatedPlant::SetReadings(const Placed& placed) {
  if (!moving_) return;
  const InstrParValues values = MovingValues(placed.pars, seconds_);
  sim_.SetReadingsFrame(placed.address, ToVUC(ReadablePars(placed.pars), ReadableValues(placed.pars, values)));
}

int AddressByte(const InstrPars& pars) {
  int offset = 0;
  for (const InstrParPure* par : SettablePars(pars)) {
    const RTTRange* range = par->ParRange();
    if (par->ParIsMaNetAdd()) return range->ByteSize() == 1 && range->BitCount() == 0 ? offset : -1;
    offset += static_cast<int>(range->ByteSize());
  }
  return -1;
}

}  // namespace Simulator

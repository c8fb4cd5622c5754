#pragma once
// Instruments of catalogue types placed on a simulated line, each holding
// its own network address in its settings and, when moving, readings that
// follow the simulated time like a plant's (MovingReadings.h). The caller
// drives the time, so a test can pass an hour in a moment.
#include <string>
#include <vector>

#include "foundation/catalogue/Frames.h"
#include "tools/simulator/InstrumentSimulator.h"

namespace Simulator {

class SimulatedPlant {
 public:
  struct Placed {
    int address;
    std::wstring type;
    PardeloStravon::InstrPars pars;
  };

  SimulatedPlant(InstrumentSimulator& sim, bool moving) : sim_(sim), moving_(moving) {}

  // An instrument of the type at the address, its readings at the time
  // last passed to Advance. An unknown type throws InstrBadRef.
  void Place(int address, const std::wstring& type);
  // The readings of every instrument at `seconds` of simulated time; the
  // settings, which the monitor may have written, stay.
  void Advance(double seconds);
  const std::vector<Placed>& Instruments() const { return placed_; }

 private:
  void SetReadings(const Placed& placed);

  InstrumentSimulator& sim_;
  const bool moving_;
  double seconds_ = 0;
  std::vector<Placed> placed_;
};

// Where the instrument's network address lies in its settings frame: the
// byte offset of the first address parameter, -1 when it has none or the
// address is not one whole byte.
int AddressByte(const PardeloStravon::InstrPars& pars);

}  // namespace Simulator

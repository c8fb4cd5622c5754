#pragma once
// Readings that change like a plant's, as a pure function of the simulated
// time, so a test can run an hour in a moment:
// - measured numbers (temperatures, humidity, pressure, ethylene, one-byte
//   numbers) follow each their own slow wave inside their range;
// - differences (a filter's pressure drop, a sensor's drift) stay small and
//   never go below zero where their range allows;
// - durations are hour meters, one second per second;
// - plain counters count one event every few hours (a defrost, an
//   injection).
// Switches, alarm codes, clocks and addresses keep the table's default.
// Every value stays inside its parameter's range; a meter at its range's
// end starts again from the range's minimum, as an instrument's does.
#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"

namespace Simulator {

// Whether the parameter's reading moves: readable, no pad, no alarm code,
// clock or address.
bool Moves(const PardeloStravon::InstrParPure& par);

// How a moving reading moves.
enum class Motion { none, wave, smallPositive, meter, counter };
Motion MotionOf(const PardeloStravon::InstrParPure& par);

// Seconds of simulated time between two events of a counter at position
// `index` of its type's list: between four and eight hours.
double CounterInterval(std::size_t index);

// One value per parameter of `pars` (the type's whole list) at `seconds`
// since the start of the simulation.
PardeloStravon::InstrParValues MovingValues(const PardeloStravon::InstrPars& pars, double seconds);

// The table defaults of the type's whole list, with the instrument's own
// network address in its address parameters.
PardeloStravon::InstrParValues InitialValues(const PardeloStravon::InstrPars& pars, int address);

}  // namespace Simulator

#pragma once
// Readings that change like a room's: each measured number follows its own
// slow wave inside its parameter's range, so a monitor watching the
// simulator has something to plot. Switches, alarm codes, clocks and
// addresses keep the table's default.
#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"

namespace Simulator {

// Whether the parameter's reading moves: readable, no pad, no alarm code,
// clock or address.
bool Moves(const PardeloStravon::InstrParPure& par);

// One value per parameter of `pars` (the type's whole list) at `seconds`
// since the start: a point between 10 % and 40 % of the range for the
// numbers that move, the table default for the others.
PardeloStravon::InstrParValues MovingValues(const PardeloStravon::InstrPars& pars, double seconds);

}  // namespace Simulator

#pragma once
// One turn of the executor's periodic work: the next node, in address
// order, that has a serial action to run gets one settings action (h, else
// y) and one readings action (g, else x).
#include <string>

#include "network/DocSignal.h"
#include "network/serial/SerialPort.h"

namespace PardeloStravon {

class InstrNetOpt;

// Executor thread. `restart` puts the walk back on the first node; the
// executor sets it at its start and after every pause of the network. True
// when some action of some node ran; false when the walk reached the end of
// the network without work, and the next call starts at the first node.
//
// The walk remembers the address it visited last, never a position in the
// map, so a node erased meanwhile cannot leave it dangling.
bool PeriodicStep(InstrNetOpt& options, const std::wstring& folder, bool restart,
                  const GuiPoster& poster, const SerComm::SerialLogSink* sink);

}  // namespace PardeloStravon

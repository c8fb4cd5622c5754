#pragma once
// A node's link state follows the outcome of every periodic exchange: an
// answer makes it yes_link; a failure starts the lost-link delay and, once
// the delay has run out, counts the link as never made (no_link) or lost
// (lost_link). Those two are left only by an answer.
#include "foundation/catalogue/Frames.h"
#include "network/nodes/Node.h"
#include "network/serial/SerialPort.h"

namespace PardeloStravon {

// Moves the state's link and deadline after one exchange; the clock is read
// at the call.
void NextLinkState(NodeSt& st, bool answered, long lostLinkDelay);

// Executor: receive the readings (settings) frame of the instrument into
// the values and move the link state of the copy. Whether it answered.
bool ReadingsExchange(const NodeOpt& opt, NodeSt& st, const InstrPars& pars, int address,
                      InstrParValues& values, const SerComm::SerialLogSink* sink);
bool SettingsExchange(const NodeOpt& opt, NodeSt& st, const InstrPars& pars, int address,
                      InstrParValues& values, const SerComm::SerialLogSink* sink);

}  // namespace PardeloStravon

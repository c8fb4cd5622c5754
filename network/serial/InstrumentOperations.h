#pragma once
// What the rest of the system calls to talk to one instrument: receive its
// readings, receive its settings, send it settings. Each runs one memory
// transaction, bracketed by a start line and a result line to the sink,
// synchronously on the serial executor thread. Failure is only the result
// false; exceptions of the transaction and of the frame codec pass on.
#include "foundation/catalogue/Frames.h"
#include "network/serial/SerialPort.h"

namespace PardeloStravon {

// `pars` is the instrument type's ReadablePars; `values` holds one value per
// parameter of it and is set only when the whole frame was read.
bool ReceiveReadings(int address, const InstrPars& pars, InstrParValues& values,
                     const SerComm::SerialLogSink* sink);

// The same with the type's SettablePars.
bool ReceiveSettings(int address, const InstrPars& pars, InstrParValues& values,
                     const SerComm::SerialLogSink* sink);

// True when every block and the end record were echoed.
bool SendSettings(int address, const InstrPars& pars, const InstrParValues& values,
                  const SerComm::SerialLogSink* sink);

}  // namespace PardeloStravon

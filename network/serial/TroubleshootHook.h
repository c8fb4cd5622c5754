#pragma once
// The one serial log sink of the program. While serial troubleshooting is
// on, every text the serial layer reports goes, as one GUI task per text,
// to the serial communication log and the document's serial trace; while
// it is off the texts are dropped.
#include <string>

#include "network/DocSignal.h"
#include "network/serial/SerialPort.h"

namespace PardeloStravon {

class InstrNetOpt;

// With `rebind` set the sink is first bound to the options and the poster
// (the watchdog and every executor do so at their start); without it the
// pointers are not used. Returns the process-wide sink; it drops every
// text until the first binding.
const SerComm::SerialLogSink* TroubleshootHook(const InstrNetOpt* options, const GuiPoster* poster,
                                               bool rebind);

// The sink's target, on the reporting thread: posts WriteTrace while
// troubleshooting is on.
void PostTrace(const InstrNetOpt* options, const GuiPoster* poster, SerComm::ActionType kind,
               const std::wstring& text);

// GUI thread: the text, unchanged, to the serial log and the trace; then
// the document signal with address 0 and dsTraceLine when the full trace
// dropped old lines to take it, dsTraceText otherwise.
void WriteTrace(const InstrNetOpt* options, SerComm::ActionType kind, const std::wstring& text);

}  // namespace PardeloStravon

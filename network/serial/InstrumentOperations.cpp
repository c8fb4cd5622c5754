#include "network/serial/InstrumentOperations.h"

#include "foundation/core/TextConv.h"
#include "foundation/core/TimeStamp.h"
#include "network/serial/MemoryTransactions.h"

namespace PardeloStravon {

using SerComm::WriteToSink;

namespace {

constexpr int BlockSize = SerComm::MaxBlockSize;

void StartLine(const SerComm::SerialLogSink* sink, const wchar_t* text, int address) {
  WriteToSink(sink, SerComm::atProgress, L"\n" + TimeStamp() + text + ToWStr(address) + L" ...\n");
}

void ResultLine(const SerComm::SerialLogSink* sink, SerComm::ActionType kind, const wchar_t* text,
                int address, bool ok) {
  WriteToSink(sink, kind,
              TimeStamp() + text + ToWStr(address) + (ok ? L" completed ok\n" : L" failed ko\n"));
}

bool Receive(int address, const InstrPars& pars, InstrParValues& values,
             const SerComm::SerialLogSink* sink, SerComm::Command command, const wchar_t* start,
             const wchar_t* result, SerComm::ActionType resultKind) {
  VUC frame(FrameLength(pars), 0);
  StartLine(sink, start, address);
  const bool ok = SerComm::ReadBlocks(address, frame, BlockSize, sink, command);
  ResultLine(sink, resultKind, result, address, ok);
  if (ok) FromVUC(pars, values, frame);
  return ok;
}

}  // namespace

bool ReceiveReadings(int address, const InstrPars& pars, InstrParValues& values,
                     const SerComm::SerialLogSink* sink) {
  return Receive(address, pars, values, sink, SerComm::cmdReadReadings,
                 L" Going to receive readings for instrument nr. ",
                 L" Reading reception for instrument nr. ", SerComm::atNotice);
}

bool ReceiveSettings(int address, const InstrPars& pars, InstrParValues& values,
                     const SerComm::SerialLogSink* sink) {
  return Receive(address, pars, values, sink, SerComm::cmdReadSettings,
                 L" Going to receive settings for instrument nr. ",
                 L" Setting reception for instrument nr. ", SerComm::atProgress);
}

bool SendSettings(int address, const InstrPars& pars, const InstrParValues& values,
                  const SerComm::SerialLogSink* sink) {
  const VUC frame = ToVUC(pars, values);
  StartLine(sink, L" Going to send settings for instrument nr. ", address);
  const bool ok = SerComm::WriteBlocks(address, frame, BlockSize, sink);
  ResultLine(sink, SerComm::atProgress, L" Setting sending for instrument nr. ", address, ok);
  return ok;
}

}  // namespace PardeloStravon

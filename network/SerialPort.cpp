#include "network/SerialPort.h"

#include "foundation/TextConv.h"
#include "network/LineTimings.h"

namespace SerComm {

using PardeloStravon::ToWStr;

namespace {

bool Valid(PortHandle h) { return h != nullptr && h != Platform::InvalidSerialHandle; }

std::wstring ErrorNumber() { return ToWStr(Platform::SerialLastError()); }

}  // namespace

void WriteToSink(const SerialLogSink* sink, ActionType kind, const std::wstring& text) {
  if (sink) (*sink)(kind, text);
}

std::string CommSetSimple::SetPort(std::string name) {
  std::swap(port_, name);
  return name;
}

bool CommSetSimple::Open(const SerialLogSink* sink) {
  handle_ = OpenPort(*this, sink);
  return handle_ != nullptr;
}

void CommSetSimple::Close(const SerialLogSink* sink) {
  ClosePort(handle_, sink);
  handle_ = nullptr;
}

bool CommSetSimple::Purge(const SerialLogSink* sink) {
  if (!Valid(handle_)) {
    WriteToSink(sink, atError, L" Handle purge run with an invalid handle: no action performed.\n");
    return true;
  }
  WriteToSink(sink, atProgress, L" Going to purge handle ... ");
  Platform::PurgeSerial(handle_);
  return true;
}

bool CommSetSimple::IsOpen() const { return Valid(handle_); }

PortHandle CommSetSimple::ExchangeHandle(PortHandle h) {
  std::swap(handle_, h);
  return h;
}

CommSetSimple& SerialPort() {
  static CommSetSimple port;
  return port;
}

PortHandle OpenPort(CommSetWithHandle& port, const SerialLogSink* sink) {
  if (port.IsOpen()) {
    WriteToSink(sink, atError,
                L" Trying to open an already open handle! Going to close it before proceeding.\n");
    port.Close(sink);
  }
  PortHandle h = Platform::OpenSerial(port.Port(), port.Access(), port.Share());
  if (h == Platform::InvalidSerialHandle) {
    WriteToSink(sink, atError,
                L" Impossible to get a valid communication handle during channell opening! "
                L"Trasmission aborted!\n");
    return nullptr;
  }
  WriteToSink(sink, atProgress,
              L" Obtained a valid communication handle during channell opening ... ");
  Platform::SerialState state;
  if (!Platform::GetSerialState(h, state)) {
    WriteToSink(sink, atError,
                L"Impossible to get the communication status after a valid handle has been get! "
                L"Trasmission aborted!\n");
    ClosePort(h, sink);
    return nullptr;
  }
  WriteToSink(sink, atProgress, L"communication status get ok ... ");
  state.baudRate = port.Baud();
  state.byteSize = port.ByteSize();
  state.parity = port.Parity();
  state.stopBits = port.StopBits();
  state.ctsFlow = false;
  state.outX = false;
  state.inX = false;
  state.dtr = false;
  state.rts = false;
  if (!Platform::SetSerialState(h, state)) {
    WriteToSink(sink, atError,
                L"Impossible to set the communication status nr. 1! Trasmission aborted!\n");
    ClosePort(h, sink);
    return nullptr;
  }
  WriteToSink(sink, atProgress, L"communication status set nr. 1 ok ... ");
  if (!Platform::SetSerialTimeouts(h, CurrentLineTimings().port)) {
    WriteToSink(sink, atError,
                L"Impossible to set the communication status nr. 2! Trasmission aborted!\n");
    ClosePort(h, sink);
    return nullptr;
  }
  WriteToSink(sink, atProgress,
              L"communication status set nr. 2 ok. Communication opening completed "
              L"succesfully.\n");
  // A stale character waiting in the driver is thrown away; on a quiet line
  // this waits the full one-character read time-out.
  unsigned char scratch = 0;
  std::size_t got = 0;
  Platform::ReadSerial(h, &scratch, 1, got);
  return h;
}

bool ClosePort(PortHandle h, const SerialLogSink* sink) {
  if (!Valid(h)) {
    WriteToSink(sink, atError, L" Handle closure run with an invalid handle: no action performed.\n");
    return true;
  }
  WriteToSink(sink, atProgress, L" Handle closure: going to cancel IO ... ");
  if (Platform::CancelSerialIo(h))
    WriteToSink(sink, atProgress, L"cancel IO ok ");
  else
    WriteToSink(sink, atProgress, L"cancel IO ko with error nr " + ErrorNumber() + L" ");
  WriteToSink(sink, atProgress, L"going to close handle ... ");
  if (Platform::CloseSerial(h))
    WriteToSink(sink, atProgress, L"handle closure ok.\n");
  else
    WriteToSink(sink, atProgress, L"handle closure ko with error nr " + ErrorNumber() + L".\n");
  return true;
}

}  // namespace SerComm

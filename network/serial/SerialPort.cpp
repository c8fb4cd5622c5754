#include "network/serial/SerialPort.h"

#include "foundation/core/TextConv.h"
#include "network/serial/LineTimings.h"

namespace SerComm {

using PardeloStravon::ToWStr;

namespace {

bool Valid(PortHandle h) { return h != nullptr && h != Platform::InvalidSerialHandle; }

// Closes the handle unless released, so that a sink that throws while the
// opening is reported cannot leave the device held for good.
class HandleOwner {
 public:
  explicit HandleOwner(PortHandle h) : h_(h) {}
  ~HandleOwner() {
    if (h_) Platform::CloseSerial(h_);
  }
  HandleOwner(const HandleOwner&) = delete;
  HandleOwner& operator=(const HandleOwner&) = delete;
  PortHandle Release() {
    PortHandle h = h_;
    h_ = nullptr;
    return h;
  }
  PortHandle Get() const { return h_; }

 private:
  PortHandle h_;
};

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

void CommSetSimple::Close(const SerialLogSink* sink) { ClosePort(ExchangeHandle(nullptr), sink); }

bool CommSetSimple::Purge(const SerialLogSink* sink) {
  if (!Valid(handle_)) {
    WriteToSink(sink, atError, L" Handle purge run with an invalid handle: no action performed.\n");
    return true;
  }
  WriteToSink(sink, atProgress, L" Going to purge handle ... ");
  Platform::PurgeSerialInput(handle_);
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
  const PortHandle opened = Platform::OpenSerial(port.Port(), port.Access(), port.Share());
  if (opened == Platform::InvalidSerialHandle) {
    WriteToSink(sink, atError,
                L" Impossible to get a valid communication handle during channell opening! "
                L"Trasmission aborted!\n");
    return nullptr;
  }
  HandleOwner owner(opened);
  const PortHandle h = owner.Get();
  WriteToSink(sink, atProgress,
              L" Obtained a valid communication handle during channell opening ... ");
  Platform::SerialState state;
  if (!Platform::GetSerialState(h, state)) {
    WriteToSink(sink, atError,
                L"Impossible to get the communication status after a valid handle has been get! "
                L"Trasmission aborted!\n");
    ClosePort(owner.Release(), sink);
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
    ClosePort(owner.Release(), sink);
    return nullptr;
  }
  WriteToSink(sink, atProgress, L"communication status set nr. 1 ok ... ");
  if (!Platform::SetSerialTimeouts(h, CurrentLineTimings().port)) {
    WriteToSink(sink, atError,
                L"Impossible to set the communication status nr. 2! Trasmission aborted!\n");
    ClosePort(owner.Release(), sink);
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
  return owner.Release();
}

bool ClosePort(PortHandle h, const SerialLogSink* sink) {
  if (!Valid(h)) {
    WriteToSink(sink, atError,
                L" Handle closure run with an invalid handle: no action performed.\n");
    return true;
  }
  // Released before anything is reported, so that a sink that throws cannot
  // leave the device held.
  const bool cancelled = Platform::CancelSerialIo(h);
  const int cancelError = Platform::SerialLastError();
  const bool closed = Platform::CloseSerial(h);
  const int closeError = Platform::SerialLastError();
  WriteToSink(sink, atProgress, L" Handle closure: going to cancel IO ... ");
  WriteToSink(
      sink, atProgress,
      cancelled ? L"cancel IO ok " : L"cancel IO ko with error nr " + ToWStr(cancelError) + L" ");
  WriteToSink(sink, atProgress, L"going to close handle ... ");
  WriteToSink(sink, atProgress,
              closed ? L"handle closure ok.\n"
                     : L"handle closure ko with error nr " + ToWStr(closeError) + L".\n");
  return true;
}

}  // namespace SerComm

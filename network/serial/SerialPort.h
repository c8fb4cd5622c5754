#pragma once
// The one serial port of the program, its fixed settings, and the log sink
// through which the whole serial layer reports what it does. The port is
// opened at the start and closed at the end of every transaction, and only
// the serial executor thread uses it. No operation throws for a port
// failure: each failure is an error text to the sink and a false result.
#include <boost/function.hpp>
#include <cstdint>
#include <string>

#include "platform/SerialDevice.h"

namespace SerComm {

enum ActionType {
  atProgress = 0,  // opening, closing, exchanging, each character waited for
  atNotice = 1,    // result of a readings reception, pressure broadcasts
  atReply = 2,     // whether the instrument's reply began
  atError = 3,     // failures
};

typedef boost::function<void(ActionType, std::wstring)> SerialLogSink;

// Calls the sink unless the pointer is null; an empty sink raises
// boost::bad_function_call.
void WriteToSink(const SerialLogSink* sink, ActionType kind, const std::wstring& text);

typedef Platform::SerialHandle PortHandle;

class CommSet {
 public:
  virtual ~CommSet() = default;
  // Returns the previous name.
  virtual std::string SetPort(std::string name) = 0;
  virtual std::string Port() const = 0;
  virtual std::uint32_t Access() const = 0;
  virtual std::uint32_t Share() const = 0;
  virtual std::uint32_t Baud() const = 0;
  virtual int ByteSize() const = 0;
  virtual int Parity() const = 0;
  virtual int StopBits() const = 0;
  // True when a configured handle was obtained.
  virtual bool Open(const SerialLogSink* sink) = 0;
  // Closes the held handle and forgets it, whatever the close reported.
  virtual void Close(const SerialLogSink* sink) = 0;
  // Discards what waits in the receive queue; always true.
  virtual bool Purge(const SerialLogSink* sink) = 0;
  virtual bool IsOpen() const = 0;
};

class CommSetWithHandle : public CommSet {
 public:
  virtual PortHandle Handle() const = 0;
  // Stores the new handle and returns the previous one.
  virtual PortHandle ExchangeHandle(PortHandle h) = 0;
};

// "COM1", read and write, not shared, 9600 baud, 8 data bits, no parity,
// one stop bit.
class CommSetSimple : public CommSetWithHandle {
 public:
  std::string SetPort(std::string name) override;
  std::string Port() const override { return port_; }
  std::uint32_t Access() const override { return access_; }
  std::uint32_t Share() const override { return share_; }
  std::uint32_t Baud() const override { return baud_; }
  int ByteSize() const override { return byteSize_; }
  int Parity() const override { return parity_; }
  int StopBits() const override { return stopBits_; }
  bool Open(const SerialLogSink* sink) override;
  void Close(const SerialLogSink* sink) override;
  bool Purge(const SerialLogSink* sink) override;
  bool IsOpen() const override;
  PortHandle Handle() const override { return handle_; }
  PortHandle ExchangeHandle(PortHandle h) override;

 private:
  std::string port_ = "COM1";
  std::uint32_t access_ = Platform::SerialAccessRead | Platform::SerialAccessWrite;
  std::uint32_t share_ = Platform::SerialShareNone;
  std::uint32_t baud_ = 9600;
  int byteSize_ = 8;
  int parity_ = Platform::SerialNoParity;
  int stopBits_ = Platform::SerialOneStopBit;
  PortHandle handle_ = nullptr;
};

// The program's single port, made on first use.
CommSetSimple& SerialPort();

// Opens and configures the port; the handle, or null on any failure (a
// handle obtained before the failure is closed again). An open handle the
// port still holds is closed first.
PortHandle OpenPort(CommSetWithHandle& port, const SerialLogSink* sink);
// Always true; a failed cancel or close is reported and the handle is gone
// all the same.
bool ClosePort(PortHandle h, const SerialLogSink* sink);

}  // namespace SerComm

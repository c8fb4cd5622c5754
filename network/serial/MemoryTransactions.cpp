#include "network/serial/MemoryTransactions.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "foundation/core/LogChannel.h"
#include "foundation/core/TextConv.h"
#include "foundation/core/TimeStamp.h"
#include "network/serial/LineExchange.h"
#include "network/serial/LineTimings.h"

namespace SerComm {

using IntelHex::Record;
using PardeloStravon::ActivityLog;
using PardeloStravon::TimeStamp;
using PardeloStravon::ToWStr;
using PardeloStravon::VUC;

namespace {

void CheckBlockSize(int blockSize, const char* function) {
  if (blockSize < 1 || blockSize > MaxBlockSize)
    throw std::invalid_argument(std::string("In ") + function + ": block size out of 1 to 15");
}

void ReportToSinkAndActivity(const SerialLogSink* sink, const std::wstring& text) {
  WriteToSink(sink, atError, text);
  ActivityLog << text;
}

// The block index is one byte: a longer frame would wrap it and overwrite
// the instrument's memory from the start.
bool FitsBlockIndex(std::size_t frameSize, int blockSize, const SerialLogSink* sink) {
  const std::size_t blocks = (frameSize + blockSize - 1) / blockSize;
  if (blocks <= static_cast<std::size_t>(MaxBlocks)) return true;
  ReportToSinkAndActivity(sink, TimeStamp() + L" Frame of " +
                                    ToWStr(static_cast<long long>(frameSize)) +
                                    L" bytes needs more than 256 blocks: transaction refused.\n");
  return false;
}

bool PortOpened(const SerialLogSink* sink) {
  if (SerialPort().IsOpen()) return true;
  ReportToSinkAndActivity(sink, TimeStamp() + L" Impossible to open serial port.\n");
  return false;
}

// Instruments need not echo the address field, so an answer is refused for
// it only when it names another instrument of the line: then it is certainly
// not this instrument's (a late answer to an earlier request).
bool NamesAnotherInstrument(const Record& answer, const Record& request) {
  const int field = answer.Address();
  return field >= AddressOffset + 1 && field <= AddressOffset + 0xFE &&
         field != request.Address();
}

void BlockPause() {
  std::this_thread::sleep_for(std::chrono::milliseconds(CurrentLineTimings().blockPause));
}

}  // namespace

bool ReadBlocks(int address, VUC& frame, int blockSize, const SerialLogSink* sink,
                Command readCommand) {
  if (readCommand != cmdReadReadings && readCommand != cmdReadSettings)
    throw std::invalid_argument("In ReadBlocks: not a read command");
  CheckBlockSize(blockSize, "ReadBlocks");
  if (!FitsBlockIndex(frame.size(), blockSize, sink)) return false;
  PortGuard guard(SerialPort(), sink);
  if (!PortOpened(sink)) return false;
  for (std::size_t offset = 0, k = 0; offset < frame.size(); offset += blockSize, ++k) {
    const int n = static_cast<int>(std::min<std::size_t>(blockSize, frame.size() - offset));
    const Record request(2, address + AddressOffset, readCommand,
                         {static_cast<unsigned char>(k), static_cast<unsigned char>(n)});
    const Record answer = HexSendGet(SerialPort(), request, 3, sink);
    if (!answer.IsValid() || answer.Type() != readCommand || answer.Count() != n + 1 ||
        answer.Data()[0] != k || NamesAnotherInstrument(answer, request))
      return false;
    std::copy_n(answer.Data().begin() + 1, n, frame.begin() + offset);
    BlockPause();
  }
  return true;
}

bool WriteBlocks(int address, const VUC& frame, int blockSize, const SerialLogSink* sink) {
  CheckBlockSize(blockSize, "WriteBlocks");
  if (!FitsBlockIndex(frame.size(), blockSize, sink)) return false;
  PortGuard guard(SerialPort(), sink);
  if (!PortOpened(sink)) return false;
  for (std::size_t offset = 0, k = 0; offset < frame.size(); offset += blockSize, ++k) {
    const int n = static_cast<int>(std::min<std::size_t>(blockSize, frame.size() - offset));
    VUC data(n + 1, static_cast<unsigned char>(k));
    std::copy_n(frame.begin() + offset, n, data.begin() + 1);
    const Record block(n + 1, address + AddressOffset, cmdWriteBlock, data);
    if (!SendWithAck(SerialPort(), block, 6, sink)) return false;
    BlockPause();
  }
  return SendWithAck(SerialPort(), Record(0, address + AddressOffset, cmdEndWrite, {}), 9, sink);
}

bool RequestBroadcast(int address, const SerialLogSink* sink) {
  PortGuard guard(SerialPort(), sink);
  if (!PortOpened(sink)) return false;
  SendWithAck(SerialPort(), Record(0, address + AddressOffset, cmdBroadcast, {}), 1, sink);
  return true;
}

}  // namespace SerComm

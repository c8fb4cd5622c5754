// Block reads and block writes against a line that answers with the fuzz
// bytes. A transaction that reports success must have been answered for
// every block: a read's frame holds exactly what a right answer carried, a
// write was echoed record for record. Input: mode, address, frame size,
// block size, then the line's bytes.
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/values/VUC.h"
#include "network/serial/IntelHex.h"
#include "network/serial/LineTimings.h"
#include "network/serial/MemoryTransactions.h"
#include "network/serial/Parity.h"
#include "tests/network/serial/fuzz/FuzzPort.h"
#include "tests/support/fuzz/FuzzCheck.h"

namespace {

// Every record that can be read from the text, wherever a colon starts one.
std::vector<IntelHex::Record> RecordsIn(const std::string& text)
{
  std::vector<IntelHex::Record> records;
  for (std::size_t at = text.find(':'); at != std::string::npos; at = text.find(':', at + 1)) {
    IntelHex::Record r = IntelHex::ParseRecord(text.substr(at));
    if (r.IsValid()) records.push_back(r);
  }
  return records;
}

std::string WithoutParity(const std::string& wire)
{
  std::string text = wire;
  for (char& c : text) c = static_cast<char>(static_cast<unsigned char>(c) & 0x7F);
  return text;
}

// Instruments need not echo the address field: an answer can be this
// instrument's unless its field names another instrument of the line.
bool MayBeFrom(const IntelHex::Record& answer, int address)
{
  const int field = answer.Address();
  const bool namesAnInstrument =
      field >= SerComm::AddressOffset + 1 && field <= SerComm::AddressOffset + 0xFE;
  return !namesAnInstrument || field == address + SerComm::AddressOffset;
}

void CheckRead(SerComm::Command command, int address, int frameSize, int blockSize, const std::string& line)
{
  PardeloStravon::VUC frame(frameSize, 0);
  const bool ok = SerComm::ReadBlocks(address, frame, blockSize, nullptr, command);
  FUZZ_CHECK(static_cast<int>(frame.size()) == frameSize);
  if (!ok) return;
  const auto answers = RecordsIn(SerComm::CheckParity(line));
  for (int offset = 0, k = 0; offset < frameSize; offset += blockSize, ++k) {
    const int n = std::min(blockSize, frameSize - offset);
    bool answered = false;
    for (const auto& a : answers) {
      if (a.Type() != command || a.Count() != n + 1 || a.Data()[0] != k) continue;
      if (!MayBeFrom(a, address)) continue;
      if (std::equal(a.Data().begin() + 1, a.Data().end(), frame.begin() + offset)) answered = true;
    }
    FUZZ_CHECK(answered);
  }
}

void CheckWrite(int address, int frameSize, int blockSize, const std::string& line)
{
  PardeloStravon::VUC frame(frameSize);
  for (int i = 0; i < frameSize; ++i) frame[i] = static_cast<unsigned char>(i * 37 + address);
  const bool ok = SerComm::WriteBlocks(address, frame, blockSize, nullptr);
  const auto sent = RecordsIn(WithoutParity(FuzzPort::Written()));
  for (const auto& r : sent) FUZZ_CHECK(r.Address() == address + SerComm::AddressOffset);
  if (!ok) return;
  FUZZ_CHECK(!sent.empty() && sent.back().Type() == SerComm::cmdEndWrite);
  // Every record sent was echoed, character for character, and the blocks
  // carry the frame in order.
  const std::string echoes = SerComm::CheckParity(line);
  PardeloStravon::VUC carried;
  int lastIndex = -1;
  for (const auto& r : sent) {
    FUZZ_CHECK(echoes.find(r.Text()) != std::string::npos);
    if (r.Type() != SerComm::cmdWriteBlock || r.Data()[0] == lastIndex) continue;
    lastIndex = r.Data()[0];
    carried.insert(carried.end(), r.Data().begin() + 1, r.Data().end());
  }
  FUZZ_CHECK(carried == frame);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  if (size < 4) return 0;
  SerComm::LineTimings timings;
  timings.blockPause = 0;
  const SerComm::ScopedLineTimings fast(timings);
  const int mode = data[0] % 3;
  const int address = data[1];
  const int frameSize = data[2] % 64;
  const int blockSize = 1 + data[3] % SerComm::MaxBlockSize;
  FuzzPort::Feed(data + 4, size - 4);
  const std::string line = FuzzInput::Text(data + 4, size - 4);
  if (mode == 2)
    CheckWrite(address, frameSize, blockSize, line);
  else
    CheckRead(mode == 0 ? SerComm::cmdReadReadings : SerComm::cmdReadSettings, address, frameSize,
              blockSize, line);
  return 0;
}

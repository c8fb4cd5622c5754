#pragma once
// Transactions on instrument memory over the line. Each opens the program's
// serial port at its start and closes it at its end; a port or line failure
// is reported to the sink and gives false. A request record that cannot be
// built (an address field outside 0 to 0xFFFF) raises IntelHex::BadHexRec.
#include "foundation/values/VUC.h"
#include "network/serial/SerialPort.h"

namespace SerComm {

// Record types of the line protocol.
enum Command {
  cmdWriteBlock = 129,    // block index, then the block's bytes; echoed
  cmdEndWrite = 130,      // no data; echoed
  cmdReadSettings = 131,  // block index and byte count; answered with both
  cmdReadReadings = 132,  //   the index and the bytes
  cmdBroadcast = 139,     // pressure broadcast request; echoed
};

// An instrument's address field is its address plus this.
constexpr int AddressOffset = 6144;
// The block index is one byte.
constexpr int MaxBlocks = 256;
// A block answer carries the index and at most 15 bytes.
constexpr int MaxBlockSize = 15;

// Fills the frame, whose size is the number of bytes to read, block by
// block with `readCommand` (cmdReadReadings or cmdReadSettings); 3 attempts
// per block. An answer of another type, count or block index, or whose
// address field names another instrument (0x1801 to 0xFE + 0x1800), fails
// the read at once. A failed read leaves the blocks already read in the
// frame. A frame that needs more than 256 blocks is refused before anything
// is sent.
bool ReadBlocks(int address, PardeloStravon::VUC& frame, int blockSize, const SerialLogSink* sink,
                Command readCommand);

// Writes the frame block by block (6 attempts each), then the end record
// (9 attempts); true when every record was echoed. After a failed block
// nothing more is sent.
bool WriteBlocks(int address, const PardeloStravon::VUC& frame, int blockSize,
                 const SerialLogSink* sink);

// Asks the instrument for a pressure broadcast, once. True whenever the
// port opened, whatever the instrument answered.
bool RequestBroadcast(int address, const SerialLogSink* sink);

}  // namespace SerComm

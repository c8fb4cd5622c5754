#pragma once
// Test equipment: room controllers on a serial line, simulated on a
// pseudo-terminal. The monitor opens DevicePath() like any serial device
// (for example SerComm::SerialPort().SetPort(sim.DevicePath())); the
// simulator answers there as the instruments at the addresses it was given:
//
// - a block read (types 131 settings, 132 readings) of block k with n bytes
//   is answered with the same type, count n + 1, data k and frame bytes
//   15k .. 15k + n - 1; a block beyond the frame's end is not answered;
// - a block write (129) is stored and echoed; the end record (130) is
//   echoed and makes the blocks written since the last end record the new
//   settings frame;
// - a pressure broadcast request (139) is echoed.
//
// Requests to addresses without an instrument, requests with a character
// of wrong parity and records that do not parse go unanswered, as on the
// real line. Faults armed with ArmFault change the next answers.
//
// Every member may be called from the test's thread while the simulator
// serves the line on its own thread; the pseudo-terminal's simulator end
// stays open for the simulator's whole life.
#include <chrono>
#include <string>
#include <vector>

#include "foundation/catalogue/Frames.h"
#include "foundation/core/ImmPtr.h"
#include "foundation/values/VUC.h"

namespace Simulator {

enum class Fault {
  silence,          // no answer at all
  garbage,          // Options::garbage instead of the answer
  badChecksum,      // the last checksum digit changed
  badParity,        // one character of the answer with its parity bit flipped
  wrongEcho,        // a valid record that differs from the right answer in one data byte
  shortAnswer,      // the answer cut after half its characters
  lateAnswer,       // the answer, but only after Options::lateDelay
  otherAddress,     // the answer with Options::otherAddressField in its address field
  wrongBlockIndex,  // the answer's first data byte one higher
  wrongType,        // the answer carries the other read command (131 <-> 132)
  wrongCount,       // the answer one data byte short
};

struct Options {
  // Like a 9600-baud line: requests count as arrived only after their line
  // time, and answers go out at this many characters a second.
  bool paced = false;
  int charsPerSecond = 960;
  // The instruments' reaction time before every answer.
  std::chrono::milliseconds replyDelay{0};
  // How late a lateAnswer comes.
  std::chrono::milliseconds lateDelay{1500};
  // The address field of an otherAddress answer; -1: the next address.
  int otherAddressField = -1;
  // What a garbage answer sends; it must hold no colon.
  std::string garbage = "GARBAGE#GARBAGE#";
  // Besides the armed faults: the share of answers (0 to 1) that get one of
  // randomFaults, drawn from a generator started with randomSeed.
  double randomFaultRate = 0;
  std::vector<Fault> randomFaults = {Fault::garbage, Fault::silence, Fault::wrongEcho,
                                     Fault::lateAnswer};
  unsigned randomSeed = 1;
};

class InstrumentSimulator {
 public:
  static constexpr int anyAddress = -1;
  static constexpr int anyCommand = -1;
  static constexpr int forever = -1;

  explicit InstrumentSimulator(const Options& options = Options());
  ~InstrumentSimulator();
  InstrumentSimulator(const InstrumentSimulator&) = delete;
  InstrumentSimulator& operator=(const InstrumentSimulator&) = delete;

  // The serial device to open.
  std::string DevicePath() const;

  // An instrument of the catalogue's type with parameter list `pars` (the
  // type's whole list) holding `values`, one per parameter of that list:
  // its readings frame holds the readable values, its settings frame the
  // settable ones.
  void SetInstrument(int address, const PardeloStravon::InstrPars& pars,
                     const PardeloStravon::InstrParValues& values);
  // The settings the instrument holds, decoded with the settable parameters
  // of `pars`; std::range_error when the frame does not fit them.
  PardeloStravon::InstrParValues SettingsValues(int address,
                                                const PardeloStravon::InstrPars& pars) const;

  // Raw frames. Setting either frame puts an instrument at the address.
  void SetReadingsFrame(int address, const PardeloStravon::VUC& frame);
  void SetSettingsFrame(int address, const PardeloStravon::VUC& frame);
  PardeloStravon::VUC ReadingsFrame(int address) const;
  // The settings frame as set or as last written by the monitor.
  PardeloStravon::VUC SettingsFrame(int address) const;
  // How many settings writes ended with the end record.
  int CompletedWrites(int address) const;
  void RemoveInstrument(int address);

  // The next `times` answers (forever: all) of the instrument at the
  // address (anyAddress: of any instrument) get the fault. Faults armed
  // earlier apply first.
  void ArmFault(Fault fault, int times = 1, int address = anyAddress);
  void ClearFaults();
  // Replaces Options::lateDelay for the answers given from now on.
  void SetLateDelay(std::chrono::milliseconds delay);

  // Well-formed records received, by instrument address and record type.
  int Requests(int address = anyAddress, int command = anyCommand) const;
  // Every complete record received, parity removed, in order.
  std::vector<std::string> RequestTexts() const;
  // Every byte received, as it came over the line.
  std::string RawInput() const;
  // Characters received with a wrong parity bit.
  int ParityErrors() const;
  void ResetCounters();

 private:
  struct Impl;
  PardeloStravon::ImmScoped<Impl> impl_;
};

}  // namespace Simulator

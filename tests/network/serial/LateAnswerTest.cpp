// Late answers and answers that name another instrument, on a line twenty
// times faster than the real one: a reading is reported only when it
// certainly holds the asked instrument's own bytes.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "network/serial/MemoryTransactions.h"
#include "tests/support/LineFixture.h"

using namespace SerComm;
using NetworkTest::ScaledInstruments;
using NetworkTest::ScaledTimings;
using NetworkTest::SimulatedLine;
using PardeloStravon::VUC;
using Simulator::Fault;
using Simulator::InstrumentSimulator;

namespace {

constexpr unsigned Speedup = 20;
// An instrument's reaction time on the real line, in milliseconds.
constexpr unsigned ReactionMs = 100;
// How long the colon read waits on the real line before an attempt counts
// as unanswered.
constexpr int BlockTimeoutMs = 1020;

// One block each, same type: an answer of one fits the other's request in
// type, count and block index.
const VUC frameOf5(15, 0x55);
const VUC frameOf7(15, 0x77);

std::chrono::milliseconds OnTheLine(int realMs) {
  return std::chrono::milliseconds(realMs / static_cast<int>(Speedup));
}

struct Reading {
  bool ok;
  VUC frame;
};

Reading Read(int address) {
  Reading r{false, VUC(15, 0)};
  r.ok = ReadBlocks(address, r.frame, 15, nullptr, cmdReadReadings);
  return r;
}

// What was reported OK must be the instrument's own bytes.
void ExpectOwnOrFailed(const Reading& r, const VUC& own, const std::string& where) {
  if (r.ok) {
    EXPECT_EQ(r.frame, own) << where << ": reported OK with another instrument's bytes";
  }
}

enum class Expect { own, ownOrFail, fail };

struct Case {
  const char* name;
  int lateOf5Ms;       // on the real line; 0: 5 answers in time
  int addressFieldOf7;  // the address field of 7's answers; -1: its own
  Expect expect;
};

}  // namespace

TEST(LateAnswerTest, ReadingRightAfterAFaultyAnswer_HoldsItsOwnBytesOrFails) {
  const Case cases[] = {
      {"5 late by 60 ms", 60, -1, Expect::own},
      {"5 late by 300 ms", 300, -1, Expect::own},
      {"5 late by 1.5 s", 1500, -1, Expect::ownOrFail},
      {"5 late by 3.3 s", 3300, -1, Expect::ownOrFail},
      {"7's answer naming instrument 9", 0, 0x1809, Expect::fail},
      {"7's answer naming instrument 5", 0, 0x1805, Expect::fail},
      {"7's answer with address field 0x0000", 0, 0x0000, Expect::own},
      {"7's answer with address field 0x18FF", 0, 0x18FF, Expect::own},
      {"7's answer with address field 0x1800", 0, 0x1800, Expect::own},
  };
  for (const Case& c : cases) {
    Simulator::Options options = ScaledInstruments(Speedup, ReactionMs);
    options.lateDelay = OnTheLine(c.lateOf5Ms);
    if (c.addressFieldOf7 >= 0) options.otherAddressField = c.addressFieldOf7;
    SimulatedLine line(options, ScaledTimings(Speedup));
    InstrumentSimulator& sim = line.Sim();
    sim.SetReadingsFrame(5, frameOf5);
    sim.SetReadingsFrame(7, frameOf7);
    sim.SetReadingsFrame(9, VUC(15, 0x99));
    if (c.lateOf5Ms > 0) sim.ArmFault(Fault::lateAnswer, InstrumentSimulator::forever, 5);
    if (c.addressFieldOf7 >= 0) sim.ArmFault(Fault::otherAddress, InstrumentSimulator::forever, 7);

    ExpectOwnOrFailed(Read(5), frameOf5, c.name);
    const Reading of7 = Read(7);
    ExpectOwnOrFailed(of7, frameOf7, c.name);
    if (c.expect != Expect::ownOrFail) {
      EXPECT_EQ(of7.ok, c.expect == Expect::own) << c.name;
    }
  }
}

// The late answers of 5 fall at every moment of 7's exchange in turn; the
// steps are a small share of the time-out.
TEST(LateAnswerTest, LateDelaySweptAroundTheBlockTimeout_NeverMixesTheInstruments) {
  SimulatedLine line(ScaledInstruments(Speedup, ReactionMs), ScaledTimings(Speedup));
  InstrumentSimulator& sim = line.Sim();
  sim.SetReadingsFrame(5, frameOf5);
  sim.SetReadingsFrame(7, frameOf7);
  sim.ArmFault(Fault::lateAnswer, InstrumentSimulator::forever, 5);
  int okOf7 = 0;
  for (int lateMs = BlockTimeoutMs / 2; lateMs <= 7 * BlockTimeoutMs / 2; lateMs += 40) {
    sim.SetLateDelay(OnTheLine(lateMs));
    const std::string where = "5 late by " + std::to_string(lateMs) + " ms";
    ExpectOwnOrFailed(Read(5), frameOf5, where);
    const Reading of7 = Read(7);
    ExpectOwnOrFailed(of7, frameOf7, where);
    okOf7 += of7.ok;
  }
  // Refusing everything would pass the checks above.
  EXPECT_GT(okOf7, 0);
}

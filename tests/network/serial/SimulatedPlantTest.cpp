// The simulator as a plant: every instrument answers with its own network
// address in its settings, its readings stay in their ranges over an hour of
// simulated time, meters count one second per second and counters one event
// every few hours; random faults hit about the share of answers asked for.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/core/TextConv.h"
#include "foundation/values/ValueRange.h"
#include "network/serial/InstrumentOperations.h"
#include "network/serial/MemoryTransactions.h"
#include "tests/support/LineFixture.h"
#include "tests/support/TestCatalogue.h"
#include "tools/simulator/MovingReadings.h"
#include "tools/simulator/SimulatedPlant.h"

using namespace PardeloStravon;
using Simulator::Motion;

namespace {

// Far apart, and the highest address a line holds.
int AddressOfType(std::size_t typeIndex) { return typeIndex == 0 ? 247 : static_cast<int>(3 + 11 * typeIndex); }

InstrParValues ReadingsAt(const Simulator::InstrumentSimulator& sim, int address, const InstrPars& pars) {
  const InstrPars readable = ReadablePars(pars);
  InstrParValues values = DefaultValues(readable);
  FromVUC(readable, values, sim.ReadingsFrame(address));
  return values;
}

TEST(SimulatedPlant, EveryTypesInstrumentsAnswerWithTheirOwnAddressAndStayInRangeForAnHour) {
  TestSupport::LoadNetworkTestCatalogue();
  NetworkTest::SimulatedLine line;
  Simulator::SimulatedPlant plant(line.Sim(), true);
  const std::vector<std::wstring>& codes = InstrCodes();
  for (std::size_t t = 0; t < codes.size(); ++t) plant.Place(AddressOfType(t), codes[t]);

  int typesWithAddress = 0;
  for (const auto& placed : plant.Instruments()) {
    SCOPED_TRACE(ToUtf8(placed.type));
    // Through the monitor's own settings read, over the line.
    const InstrPars settable = SettablePars(placed.pars);
    InstrParValues settings = DefaultValues(settable);
    ASSERT_TRUE(ReceiveSettings(placed.address, settable, settings, nullptr));
    for (std::size_t i = 0; i < settable.size(); ++i) {
      if (!settable[i]->ParIsMaNetAdd()) continue;
      EXPECT_EQ(settable[i]->ParRange()->ToDouble(settings[i]), placed.address % 256);
      ++typesWithAddress;
    }
  }
  EXPECT_GE(typesWithAddress, 3) << "the shipped types hold their address";

  constexpr int step = 10, hour = 3600;
  std::map<int, InstrParValues> previous, first;
  std::set<std::pair<int, std::size_t>> wrapped;
  for (int seconds = 0; seconds <= hour; seconds += step) {
    plant.Advance(seconds);
    for (const auto& placed : plant.Instruments()) {
      const InstrPars readable = ReadablePars(placed.pars);
      const InstrParValues values = ReadingsAt(line.Sim(), placed.address, placed.pars);
      for (std::size_t i = 0; i < readable.size(); ++i) {
        const RTTRange& range = *readable[i]->ParRange();
        const std::string where = ToUtf8(placed.type) + " " + ToUtf8(readable[i]->ParID()) + " at " +
                                  std::to_string(seconds) + " s";
        ASSERT_TRUE(ValueInRange(range, values[i])) << where;
        const Motion motion = Simulator::MotionOf(*readable[i]);
        const double now = range.ToDouble(values[i]);
        if (motion != Motion::wave && motion != Motion::none) {
          EXPECT_GE(now, 0) << where;
        }
        if (seconds == 0) continue;
        const double before = range.ToDouble(previous[placed.address][i]);
        if (motion == Motion::meter) {
          if (now > before) {
            EXPECT_EQ(now - before, step) << where;
          } else {
            EXPECT_GT(before + step, range.ToDouble(range.Max())) << where << ": wraps only at its end";
            wrapped.insert({placed.address, i});
          }
        }
        if (motion == Motion::counter && now != before) {
          EXPECT_EQ(now - before, 1) << where;
        }
      }
      previous[placed.address] = values;
      if (seconds == 0) first[placed.address] = values;
    }
  }
  for (const auto& placed : plant.Instruments()) {
    const InstrPars readable = ReadablePars(placed.pars);
    for (std::size_t i = 0; i < readable.size(); ++i) {
      const RTTRange& range = *readable[i]->ParRange();
      const double gain = range.ToDouble(previous[placed.address][i]) - range.ToDouble(first[placed.address][i]);
      const std::string where = ToUtf8(placed.type) + " " + ToUtf8(readable[i]->ParID());
      const Motion motion = Simulator::MotionOf(*readable[i]);
      if (motion == Motion::meter && !wrapped.contains({placed.address, i})) {
        EXPECT_EQ(gain, hour) << where << ": one hour an hour";
      }
      if (motion == Motion::counter) {
        EXPECT_LE(gain, 1) << where << ": one event at most";
      }
    }
  }
}

TEST(SimulatedPlant, CountersCountOneEventEveryFewHoursAndDifferencesStaySmallAndPositive) {
  TestSupport::LoadNetworkTestCatalogue();
  for (const std::wstring& code : InstrCodes()) {
    SCOPED_TRACE(ToUtf8(code));
    const InstrPars pars = InstrByCode(code).Pars();
    const InstrParValues start = Simulator::MovingValues(pars, 0);
    const InstrParValues day = Simulator::MovingValues(pars, 86400);
    for (std::size_t i = 0; i < pars.size(); ++i) {
      const RTTRange& range = *pars[i]->ParRange();
      const double hi = range.ToDouble(range.Max());
      switch (Simulator::MotionOf(*pars[i])) {
        case Motion::counter: {
          const double events = range.ToDouble(day[i]) - range.ToDouble(start[i]);
          EXPECT_GE(events, 3) << ToUtf8(pars[i]->ParID());
          EXPECT_LE(events, 6) << ToUtf8(pars[i]->ParID());
          break;
        }
        case Motion::smallPositive:
          for (double seconds = 0; seconds < 7200; seconds += 17) {
            const double v = range.ToDouble(Simulator::MovingValues(pars, seconds)[i]);
            EXPECT_GE(v, 0) << ToUtf8(pars[i]->ParID());
            EXPECT_LE(v, std::max(0.1 * hi, range.ToDouble(range.Min()))) << ToUtf8(pars[i]->ParID());
          }
          break;
        default:
          break;
      }
    }
  }
}

struct RandomFaultCase {
  double rate;
  int least, most;  // wrong answers of 100
};

class RandomFaults : public ::testing::TestWithParam<RandomFaultCase> {};

TEST_P(RandomFaults, HitAboutTheShareOfAnswersAskedFor) {
  Simulator::Options options;
  options.randomFaultRate = GetParam().rate;
  options.randomFaults = {Simulator::Fault::wrongEcho};
  NetworkTest::SimulatedLine line(options);
  // A hundred blocks in one transaction: a wrong echo changes its block's
  // last byte and passes, as nothing on the line can tell.
  const VUC frame = NetworkTest::CountingFrame(100 * 15);
  line.Sim().SetReadingsFrame(4, frame);
  VUC read(frame.size());
  ASSERT_TRUE(SerComm::ReadBlocks(4, read, 15, nullptr, SerComm::cmdReadReadings));
  int wrong = 0;
  for (std::size_t block = 0; block < 100; ++block)
    wrong += !std::equal(frame.begin() + 15 * block, frame.begin() + 15 * (block + 1), read.begin() + 15 * block);
  EXPECT_GE(wrong, GetParam().least);
  EXPECT_LE(wrong, GetParam().most);
}

INSTANTIATE_TEST_SUITE_P(Rates, RandomFaults,
                         ::testing::Values(RandomFaultCase{0, 0, 0}, RandomFaultCase{0.25, 10, 45},
                                           RandomFaultCase{1, 100, 100}));

}  // namespace

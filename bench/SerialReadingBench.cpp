// One whole reading of the ripening-room controller (60 bytes of readings,
// four blocks) against the simulator paced like a 9600-baud line, at the
// line's own timings. Besides the time of a reading, the counters give the
// time its characters alone need on the line and the fixed waits the
// protocol imposes; what is left over is our own.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include "bench/BenchCatalogue.h"
#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/LoadResources.h"
#include "foundation/core/LogFiles.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"
#include "network/serial/InstrumentOperations.h"
#include "network/serial/LineTimings.h"
#include "network/serial/MemoryTransactions.h"
#include "tools/simulator/InstrumentSimulator.h"

using namespace PardeloStravon;

namespace {

struct LineBudget {
  double lineMs;
  double fixedMs;
};

// What a reading of `frameBytes` costs on the line before any work of ours.
LineBudget Budget(unsigned frameBytes, double charsPerSecond) {
  const SerComm::LineTimings t;
  double chars = 0;
  double fixed =
      t.port.readTotalMultiplier + t.port.readTotalConstant;  // discarded read at opening
  for (unsigned offset = 0; offset < frameBytes; offset += SerComm::MaxBlockSize) {
    const unsigned n = std::min<unsigned>(SerComm::MaxBlockSize, frameBytes - offset);
    chars += 15 + 11 + 2 * (n + 1);  // request, answer
    fixed += t.blockPause;
    // An answer shorter than the longest record ends its read by the gap.
    if (n < SerComm::MaxBlockSize) fixed += t.port.readInterval;
  }
  return {chars * 1000.0 / charsPerSecond, fixed};
}

void BM_ReceiveReadings_60Bytes_9600Baud(benchmark::State& state) {
  if (!Bench::LoadCatalogue()) {
    state.SkipWithError("the shipped tables do not load");
    return;
  }
  const InstrPars pars = InstrByCode(L"RC500").Pars();
  const InstrPars readable = ReadablePars(pars);
  Simulator::Options paced;
  paced.paced = true;
  Simulator::InstrumentSimulator sim(paced);
  const std::string previous = SerComm::SerialPort().SetPort(sim.DevicePath());
  InstrParValues held;
  for (const InstrParPure* p : pars) held.push_back(p->ParMax());
  sim.SetInstrument(5, pars, held);

  InstrParValues got = DefaultValues(readable);
  double totalMs = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    if (!ReceiveReadings(5, readable, got, nullptr)) state.SkipWithError("the reading failed");
    totalMs +=
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  }
  SerComm::SerialPort().SetPort(previous);

  const LineBudget budget = Budget(FrameLength(readable), paced.charsPerSecond);
  const double readingMs = totalMs / static_cast<double>(state.iterations());
  state.counters["frame_bytes"] = FrameLength(readable);
  state.counters["line_ms"] = budget.lineMs;
  state.counters["fixed_waits_ms"] = budget.fixedMs;
  state.counters["own_ms"] = readingMs - budget.lineMs - budget.fixedMs;
}
BENCHMARK(BM_ReceiveReadings_60Bytes_9600Baud)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();

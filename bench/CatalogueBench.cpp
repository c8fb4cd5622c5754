// Start-up load of the shipped tables, and the frame codec on the largest
// shipped readings frame.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/LoadResources.h"
#include "foundation/core/LogFiles.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"

using namespace PardeloStravon;

namespace {

// The shipped tables travel next to the program.
const std::wstring Shipped = ProgramFolder();

void LoadOrSkip(benchmark::State& state) {
  if (!LoadResources(Shipped).empty()) state.SkipWithError("the shipped tables do not load");
}

// The readable parameters of the type with the longest readings frame, each
// holding its maximum so that every bit area is busy.
InstrPars LargestReadings(InstrParValues& values) {
  InstrPars largest;
  for (const std::wstring& code : InstrCodes()) {
    InstrPars readable = ReadablePars(InstrByCode(code).Pars());
    if (FrameLength(readable) > FrameLength(largest)) largest = readable;
  }
  values.clear();
  for (const InstrParPure* p : largest) values.push_back(p->ParMax());
  return largest;
}

void BM_LoadShippedTables(benchmark::State& state) {
  for (auto _ : state) LoadOrSkip(state);
}
BENCHMARK(BM_LoadShippedTables)->Unit(benchmark::kMillisecond);

void BM_ToVUC_LargestReadings(benchmark::State& state) {
  LoadOrSkip(state);
  InstrParValues values;
  const InstrPars pars = LargestReadings(values);
  state.counters["bytes"] = FrameLength(pars);
  for (auto _ : state) benchmark::DoNotOptimize(ToVUC(pars, values));
}
BENCHMARK(BM_ToVUC_LargestReadings);

void BM_FromVUC_LargestReadings(benchmark::State& state) {
  LoadOrSkip(state);
  InstrParValues values;
  const InstrPars pars = LargestReadings(values);
  const VUC frame = ToVUC(pars, values);
  state.counters["bytes"] = frame.size();
  InstrParValues decoded = DefaultValues(pars);
  for (auto _ : state) {
    FromVUC(pars, decoded, frame);
    benchmark::DoNotOptimize(decoded.data());
  }
}
BENCHMARK(BM_FromVUC_LargestReadings);

}  // namespace

// The log channels write wide text; they go to files so that the narrow
// report on the standard output stays readable.
int main(int argc, char** argv) {
  const std::filesystem::path logs = std::filesystem::temp_directory_path() / "vantor-bench-logs";
  std::filesystem::create_directories(logs);
  LogFiles files(FromUtf8(logs.string()));
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

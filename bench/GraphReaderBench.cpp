// Reading a year of recordings back for a graph: one-minute readings of the
// largest shipped readings frame (525,600 records), a settings record every
// hour and a few link-loss lines, written as the program writes them. The
// whole year, and its last day (which still reads the file from the start),
// with the node's own plot selection and with every readable parameter
// plotted. Counters: records kept, series, the data's bytes, page faults, user
// and system time per reading, the process's peak resident memory, and
// x_scan: a reading's wall time over that of a plain scan counting the same
// file's line ends (read in blocks, std::count), measured in the same run.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "bench/BenchCatalogue.h"
#include "bench/YearRecording.h"
#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/core/TextConv.h"
#include "network/nodes/Node.h"
#include "network/schedule/RecordingFiles.h"
#include "views/graph/GphData.h"

using namespace PardeloStravon;

namespace {

using namespace Bench;

rusage Usage() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage;
}

double Milliseconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

// The yardstick: the file read in blocks and its line ends counted; the
// fastest of a few runs, in milliseconds.
double ScanMilliseconds(const YearFile& year) {
  const std::string path = (year.folder / ToUtf8(MasterLogName(Address))).string();
  std::vector<char> block(1 << 18);
  double best = 1e300;
  for (int run = 0; run < 5; ++run) {
    const auto start = std::chrono::steady_clock::now();
    std::ifstream in(path, std::ios::binary);
    std::size_t lines = 0;
    while (in.read(block.data(), static_cast<std::streamsize>(block.size())) || in.gcount() > 0)
      lines += static_cast<std::size_t>(std::count(block.data(), block.data() + in.gcount(), '\n'));
    benchmark::DoNotOptimize(lines);
    best = std::min(best, Milliseconds(std::chrono::steady_clock::now() - start));
  }
  return best;
}

void ReadWindow(benchmark::State& state, long from, bool plotAll) {
  if (!Bench::LoadCatalogue()) return state.SkipWithError("the shipped tables do not load");
  const YearFile& year = Year();
  Node node(year.code);
  if (plotAll)
    for (InstrParOptPlt& o : node.OptPlt()) o.pltDefOpt_ = true;
  std::size_t kept = 0;
  std::size_t series = 0;
  std::size_t dataBytes = 0;
  const double scan = ScanMilliseconds(year);
  const rusage before = Usage();
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    const GphData data(node, Address, from, End, year.Folder());
    kept = data.times_.size();
    series = data.series_.size();
    // What the records fill: room reserved beyond them stays virtual.
    dataBytes = data.times_.size() * sizeof(long);
    for (const std::vector<double>& s : data.series_) dataBytes += s.size() * sizeof(double);
    benchmark::DoNotOptimize(data.times_.data());
  }
  const double readMs = Milliseconds(std::chrono::steady_clock::now() - start) /
                        static_cast<double>(state.iterations());
  state.counters["scan_ms"] = scan;
  state.counters["x_scan"] = readMs / scan;
  state.counters["records"] = static_cast<double>(kept);
  state.counters["series"] = static_cast<double>(series);
  state.counters["file_MB"] = year.bytes / 1048576.0;
  state.counters["data_MB"] = dataBytes / 1048576.0;
  // Touching the fresh pages of the series is a large part of a year's
  // reading on a virtual machine.
  const rusage after = Usage();
  const double n = static_cast<double>(state.iterations());
  const auto ms = [](const timeval& a, const timeval& b) {
    return (b.tv_sec - a.tv_sec) * 1e3 + (b.tv_usec - a.tv_usec) / 1e3;
  };
  state.counters["page_faults"] = static_cast<double>(after.ru_minflt - before.ru_minflt) / n;
  state.counters["user_ms"] = ms(before.ru_utime, after.ru_utime) / n;
  state.counters["system_ms"] = ms(before.ru_stime, after.ru_stime) / n;
  state.counters["peak_RSS_MB"] = after.ru_maxrss / 1024.0;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * year.bytes));
}

void BM_ReadGphData_Year_DefaultPlot(benchmark::State& state) { ReadWindow(state, Start, false); }
void BM_ReadGphData_Year_AllReadablePlotted(benchmark::State& state) { ReadWindow(state, Start, true); }
void BM_ReadGphData_LastDay_DefaultPlot(benchmark::State& state) { ReadWindow(state, End - 86400, false); }
void BM_ReadGphData_LastDay_AllReadablePlotted(benchmark::State& state) {
  ReadWindow(state, End - 86400, true);
}
BENCHMARK(BM_ReadGphData_Year_DefaultPlot)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadGphData_Year_AllReadablePlotted)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadGphData_LastDay_DefaultPlot)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadGphData_LastDay_AllReadablePlotted)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// Reading a year of recordings back for a graph: one-minute readings of the
// largest shipped readings frame (525,600 records), a settings record every
// hour and a few link-loss lines, written as the program writes them. The
// whole year, and its last day (which still reads the file from the start),
// with the node's own plot selection and with every readable parameter
// plotted. Counters: records kept, series, the data's bytes, page faults, user
// and system time per reading, and the process's peak resident memory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdint>
#include <filesystem>
#include <random>

#include "bench/BenchCatalogue.h"
#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/core/TextConv.h"
#include "network/nodes/Node.h"
#include "network/schedule/RecordingFiles.h"
#include "views/graph/GphData.h"

using namespace PardeloStravon;

namespace {

constexpr int Address = 1;
constexpr long Minutes = 365L * 24 * 60;
constexpr long Start = 1672531200;  // 1 January 2023, 00:00 UTC
constexpr long End = Start + (Minutes - 1) * 60;

std::wstring LargestReadingsType() {
  std::wstring best;
  unsigned most = 0;
  for (const std::wstring& code : InstrCodes()) {
    const unsigned n = FrameLength(ReadablePars(InstrByCode(code).Pars()));
    if (n > most) most = n, best = code;
  }
  return best;
}

// The year's file, written once per run.
struct YearFile {
  std::filesystem::path folder = std::filesystem::temp_directory_path() / "vantor-graph-reader-bench";
  std::wstring code;
  std::uintmax_t bytes = 0;

  YearFile() {
    code = LargestReadingsType();
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const InstrPars pars = InstrByCode(code).Pars();
    const InstrPars readable = ReadablePars(pars);
    const InstrPars settable = SettablePars(pars);
    const VUC settings = ToVUC(settable, DefaultValues(settable));
    const std::wstring path = MasterLogPath(Folder(), Address);
    std::mt19937 random(2023);
    VUC frame(FrameLength(readable));
    // A day of lines per append: the lines are the program's own, the file
    // is only opened less often.
    std::string day;
    for (long m = 0; m < Minutes; ++m) {
      const long t = Start + m * 60;
      if (m % 60 == 0) day += RecordLine(SettingsSeparator, settings, t) + "\r\n";
      if (m % 100000 == 50000) day += RecordLine(" *** no link ***", {}, t) + "\r\n";
      for (unsigned char& b : frame) b = static_cast<unsigned char>(random());
      day += RecordLine(ReadingsSeparator, frame, t);
      if ((m + 1) % 1440 == 0 || m + 1 == Minutes) {
        AppendRecordLine(path, day);
        day.clear();
      } else {
        day += "\r\n";
      }
    }
    bytes = std::filesystem::file_size(folder / ToUtf8(MasterLogName(Address)));
  }
  ~YearFile() { std::filesystem::remove_all(folder); }

  std::wstring Folder() const { return FromUtf8(folder.string()); }
};

const YearFile& Year() {
  static const YearFile year;
  return year;
}

rusage Usage() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage;
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
  const rusage before = Usage();
  for (auto _ : state) {
    const GphData data(node, Address, from, End, year.Folder());
    kept = data.times_.size();
    series = data.series_.size();
    dataBytes = data.times_.capacity() * sizeof(long);
    for (const std::vector<double>& s : data.series_) dataBytes += s.capacity() * sizeof(double);
    benchmark::DoNotOptimize(data.times_.data());
  }
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

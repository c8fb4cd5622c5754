// Writing the logs through their files (repeats collapsing, size kept), as
// a ratio to a plain UTF-8 file written out at every insertion, the way
// the logs were written before: the serial trace of a busy line, and an
// outage's repeated failure.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "foundation/core/LogChannel.h"
#include "foundation/core/LogFiles.h"
#include "foundation/core/TextConv.h"
#include "foundation/core/TimeStamp.h"

using namespace PardeloStravon;

namespace {

using Clock = std::chrono::steady_clock;

// The insertions of 100 exchanges as the troubleshooting trace writes them.
std::vector<std::wstring> TraceInsertions(int round) {
  std::vector<std::wstring> pieces;
  for (int i = 0; i < 100; ++i) {
    const std::wstring record = L":0A" + std::to_wstring(1000 + round % 9000) + std::to_wstring(i) + L"00FF";
    pieces.push_back(L" " + record + L" to be sent by PC ... ");
    pieces.push_back(L"sent, now waiting for \":\" ... ");
    pieces.push_back(L"received ok ... ");
    pieces.push_back(record + L" ack ok!\n");
  }
  return pieces;
}

std::vector<std::wstring> OutageInsertions() {
  return std::vector<std::wstring>(100, TimeStamp() + L" Impossible to open serial port.\n");
}

void Run(benchmark::State& state, std::vector<std::wstring> (*make)(int)) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "vantor-log-bench";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  std::wfilebuf plain;
  plain.pubimbue(Utf8Locale());
  plain.open((dir / "plain.txt").string(), std::ios::out | std::ios::app);
  double ours = 0, yardstick = 0;
  {
    LogFiles files(FromUtf8(dir.string()));
    int round = 0;
    for (auto _ : state) {
      const std::vector<std::wstring> pieces = make(round++);
      const auto t0 = Clock::now();
      for (const std::wstring& piece : pieces) SerCommLog << piece;
      const auto t1 = Clock::now();
      for (const std::wstring& piece : pieces) {
        plain.sputn(piece.data(), static_cast<std::streamsize>(piece.size()));
        plain.pubsync();
      }
      const auto t2 = Clock::now();
      ours += std::chrono::duration<double>(t1 - t0).count();
      yardstick += std::chrono::duration<double>(t2 - t1).count();
    }
  }
  state.counters["vs_plain_file"] = yardstick > 0 ? ours / yardstick : 0;
  std::filesystem::remove_all(dir);
}

void BM_SerialTrace(benchmark::State& state) { Run(state, TraceInsertions); }
BENCHMARK(BM_SerialTrace)->Unit(benchmark::kMicrosecond);

void BM_OutageRepeats(benchmark::State& state) {
  Run(state, [](int) { return OutageInsertions(); });
}
BENCHMARK(BM_OutageRepeats)->Unit(benchmark::kMicrosecond);

}  // namespace

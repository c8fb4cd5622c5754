// The document's GUI-thread work while its own threads keep the line busy
// (a paced simulated instrument read every second): appending to a full
// serial trace, and 10000 GUI tasks posted from a worker thread and drained
// by RunGuiTasks.
#include <benchmark/benchmark.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <thread>

#include "bench/BenchCatalogue.h"
#include "document/QziDocF.h"
#include "document/QziDocIStd.h"
#include "document/ShellServices.h"
#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/LoadResources.h"
#include "foundation/core/LogFiles.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/Node.h"
#include "network/serial/SerialPort.h"
#include "tools/simulator/InstrumentSimulator.h"

using namespace PardeloStravon;

namespace {

// A main window that only counts the commands 136 it receives.
class CountingShell : public ShellServices {
 public:
  bool HasMainWindow() const override { return true; }
  void PostRunGuiTasks() override { ++commands_; }
  void ApplyAppStrings() override {}
  void ShowMessageBox(const std::wstring&) override {}
  void Beep(BeepKind) override {}
  void BeginWaitCursor() override {}
  void EndWaitCursor() override {}
  void RefreshAllText() override {}
  std::atomic<long> commands_{0};
};

// A document with one instrument read every second on a paced line.
class BusyDocument {
 public:
  BusyDocument() : sim_(Paced()), previousPort_(SerComm::SerialPort().SetPort(sim_.DevicePath())) {
    InstallShellServices(&shell_);
    const InstrPars pars = InstrByCode(L"RC500").Pars();
    InstrParValues held;
    for (const InstrParPure* p : pars) held.push_back(p->ParMax());
    sim_.SetInstrument(5, pars, held);
    std::filesystem::create_directories(folder_);
    CreateContent(content_, nullptr);
    QziDocIStd& doc = Doc();
    doc.SetDocPath(JoinPath(FromUtf8(folder_.string()), L"bench.qzid"));
    Node node(L"RC500");
    NodeOpt opt = node.Opt();
    opt.xs_ = 1;
    opt.gs_ = 5;
    node.SetOpt(opt);
    doc.NetOpt().Network().InsertNew(5, node);
    doc.NetOpt().SetRxEnabled(true);
    doc.StartThreads();
  }
  ~BusyDocument() {
    content_.reset();
    InstallShellServices(nullptr);
    SerComm::SerialPort().SetPort(previousPort_);
    std::filesystem::remove_all(folder_);
  }

  QziDocIStd& Doc() { return *content_->GetIStd(); }

 private:
  static Simulator::Options Paced() {
    Simulator::Options o;
    o.paced = true;
    return o;
  }

  CountingShell shell_;
  Simulator::InstrumentSimulator sim_;
  std::string previousPort_;
  std::filesystem::path folder_ = std::filesystem::temp_directory_path() / "vantor-doc-bench";
  ImmScoped<QziDocF> content_;
};

void BM_TraceAppend_FullTrace(benchmark::State& state) {
  if (!Bench::LoadCatalogue()) return state.SkipWithError("the shipped tables do not load");
  BusyDocument busy;
  QziDocIStd& doc = busy.Doc();
  const std::wstring fullLine(990, L'x');
  for (int i = 0; i < 10000; ++i) doc.TraceAppend(L"\n" + fullLine);
  // One line as the serial layer reports it.
  const std::wstring text = L"\n:10180000000102030405060708090A0B0C0D0E0F40 received";
  for (auto _ : state) benchmark::DoNotOptimize(doc.TraceAppend(text));
  if (doc.TraceLineCount() != 10000) state.SkipWithError("the trace is not full");
}
BENCHMARK(BM_TraceAppend_FullTrace)->Unit(benchmark::kMicrosecond);

void BM_GuiTasks_10000PostedFromAWorkerAndDrained(benchmark::State& state) {
  if (!Bench::LoadCatalogue()) return state.SkipWithError("the shipped tables do not load");
  BusyDocument busy;
  QziDocIStd& doc = busy.Doc();
  constexpr int tasks = 10000;
  for (auto _ : state) {
    std::atomic<int> ran{0};
    std::atomic<bool> posted{false};
    std::thread worker([poster = doc.GetGuiPoster(), &ran, &posted] {
      for (int i = 0; i < tasks; ++i) poster([&ran] { ++ran; });
      posted = true;
    });
    // Until all ran, or all were posted and nothing is left: a dropped task
    // must not hang the run.
    while (ran.load() < tasks)
      if (!doc.RunGuiTasks() && posted.load()) break;
    worker.join();
    doc.RunGuiTasks();
    if (ran.load() != tasks) state.SkipWithError("GUI tasks were dropped");
  }
  state.SetItemsProcessed(state.iterations() * tasks);
}
BENCHMARK(BM_GuiTasks_10000PostedFromAWorkerAndDrained)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();

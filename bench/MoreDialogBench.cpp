// Opening the advanced options dialog (template, controls, first Refresh,
// first paint) against the goals a user's wait sets, reading its cells on OK, for the largest shipped instrument type and
// a synthetic one of 300 parameters in 30 sub-groups. Needs a display: run
// under xvfb-run.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "bench/BenchToolkit.h"
#include "foundation/catalogue/InstrTable.h"
#include "network/nodes/Node.h"
#include "tests/support/TestCatalogue.h"
#include "views/dialogs/EOMore.h"
#include "views/dialogs/EditNodeCopies.h"

using namespace PardeloStravon;

namespace {

std::wstring LargestShippedType() {
  std::wstring largest;
  std::size_t most = 0;
  for (const std::wstring& code : InstrCodes()) {
    if (code.rfind(L"TST_", 0) == 0) continue;
    const std::size_t n = InstrByCode(code).Pars().size();
    if (n > most) {
      most = n;
      largest = code;
    }
  }
  return largest;
}

struct OpenMore {
  Node node;
  EditNodeCopies copies;
  std::unique_ptr<EOMore> dialog;

  explicit OpenMore(const std::wstring& code) : node(code), copies(EditNodeCopies::Of(node)) {
    std::vector<InterfItem> items;
    MoreLayout layout = MakeMoreLayout(node, true, true, items);
    dialog = std::make_unique<EOMore>(&copies.vIPOSt, &copies.vIPOPlt, &copies.vIPOFrm, &copies.vIPOFrmSub,
                                      &copies.vIPOFrmGrp, std::move(layout), items);
    dialog->Show();  // initialises the dialog: full size, maximised, Refresh
    wxTheApp->Yield(true);
  }
  ~OpenMore() {
    dialog->Hide();
    dialog.reset();
    wxTheApp->Yield(true);
  }
};

// goalMs: the longest a user should wait for the dialog; x_goal is the mean
// opening time over it (below 1 meets the goal).
void Open(benchmark::State& state, const std::wstring& code, double goalMs) {
  std::size_t controls = 0;
  std::chrono::steady_clock::duration opening{};
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    auto more = std::make_unique<OpenMore>(code);
    opening += std::chrono::steady_clock::now() - start;
    controls = more->dialog->Content().GetChildren().size();
    state.PauseTiming();
    more.reset();
    state.ResumeTiming();
  }
  state.counters["controls"] = static_cast<double>(controls);
  const double meanMs = std::chrono::duration<double, std::milli>(opening).count() / static_cast<double>(state.iterations());
  state.counters["x_goal"] = meanMs / goalMs;
}

void Read(benchmark::State& state, const std::wstring& code) {
  OpenMore more(code);
  for (auto _ : state) more.dialog->ReadControls();
  state.counters["controls"] = static_cast<double>(more.dialog->Content().GetChildren().size());
}

void Close(benchmark::State& state, const std::wstring& code) {
  for (auto _ : state) {
    state.PauseTiming();
    auto more = std::make_unique<OpenMore>(code);
    state.ResumeTiming();
    more.reset();
  }
}

// One page down and back: every control is moved twice.
void ScrollPages(benchmark::State& state, const std::wstring& code) {
  OpenMore more(code);
  for (auto _ : state) {
    more.dialog->OnVScroll(Scroll::SB_PAGEDOWN, 0);
    more.dialog->OnVScroll(Scroll::SB_PAGEUP, 0);
    wxTheApp->Yield(true);
  }
}

void BM_OpenMore_LargestShipped(benchmark::State& state) { Open(state, LargestShippedType(), 300.0); }
void BM_OpenMore_300Parameters(benchmark::State& state) { Open(state, TestSupport::LargeType, 2000.0); }
void BM_ReadControls_LargestShipped(benchmark::State& state) { Read(state, LargestShippedType()); }
void BM_ReadControls_300Parameters(benchmark::State& state) { Read(state, TestSupport::LargeType); }

void BM_CloseMore_300Parameters(benchmark::State& state) { Close(state, TestSupport::LargeType); }
void BM_ScrollPageDownAndUp_300Parameters(benchmark::State& state) { ScrollPages(state, TestSupport::LargeType); }

BENCHMARK(BM_OpenMore_LargestShipped)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_OpenMore_300Parameters)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadControls_LargestShipped)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadControls_300Parameters)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CloseMore_300Parameters)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ScrollPageDownAndUp_300Parameters)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
  return Bench::RunWithToolkit(argc, argv, [] {
    TestSupport::LoadNetworkTestCatalogue();
    // The theme's style sheets, icons and fonts load with the first dialog
    // of a session, before this one: not counted here.
    OpenMore warmUp(LargestShippedType());
  });
}

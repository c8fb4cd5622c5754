// Opening a graph of a year of one-minute readings: reading the recording
// file, building the plot, styling it for the screen and the first drawing
// into a 1920 x 1080 memory bitmap; then a restyle and a redraw alone, and
// the first drawing with every segment drawn (no decimation) for
// comparison. Counters: records, series, the process's peak resident
// memory. Needs a display: run under xvfb-run.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <wx/dcmemory.h>

#include "bench/BenchToolkit.h"
#include "bench/BenchCatalogue.h"
#include "bench/YearRecording.h"
#include "network/nodes/Node.h"
#include "views/graph/PlotConstruction.h"
#include "views/graph/RowRange.h"
#include "views/plot/PlotView.h"

using namespace PardeloStravon;
using namespace Bench;

namespace {

const wxSize Screen(1920, 1080);

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

void Decimate(PlotRegion& root, bool on) {
  for (std::size_t i = 0; i < root.GetNChildren(); ++i)
    for (auto& o : root.GetChild(i)->GetObjectManager())
      if (auto* line = dynamic_cast<PlotLine2D*>(o.get())) line->SetDecimation(on);
}

struct Graph {
  Node node;
  wxBitmap bitmap{Screen.x, Screen.y, 24};
  wxMemoryDC dc{bitmap};
  PlotHost host;

  explicit Graph(bool plotAll) : node(Year().code) {
    if (plotAll)
      for (InstrParOptPlt& o : node.OptPlt()) o.pltDefOpt_ = true;
    host.node = &node;
    host.address = Address;
    host.folder = Year().Folder();
    host.from = Start;
    host.to = End;
    host.dc = &dc;
  }

  std::shared_ptr<PlotRegion> Open(bool decimate) {
    auto root = BuildPlot(host);
    if (!root) return root;
    SetFontColorLine(root.get(), host);
    if (!decimate) Decimate(*root, false);
    DrawPlotTree(dc, root.get(), wxRect(Screen));
    return root;
  }
};

void Report(benchmark::State& state, const PlotRegion* root) {
  state.counters["records"] = root ? RowPointCount(root->GetChild(0).get()) : 0;
  state.counters["series"] = root ? static_cast<double>(root->GetNChildren()) : 0;
  state.counters["peak_RSS_MB"] = PeakMegabytes();
}

void OpenYear(benchmark::State& state, bool plotAll, bool decimate) {
  if (!LoadCatalogue()) return state.SkipWithError("the shipped tables do not load");
  Year();
  Graph g(plotAll);
  std::shared_ptr<PlotRegion> root;
  for (auto _ : state) root = g.Open(decimate);
  if (!root) return state.SkipWithError("no plot");
  Report(state, root.get());
}

void BM_OpenGraph_Year_DefaultPlot(benchmark::State& state) { OpenYear(state, false, true); }
void BM_OpenGraph_Year_AllReadablePlotted(benchmark::State& state) { OpenYear(state, true, true); }
void BM_OpenGraph_Year_DefaultPlot_EverySegment(benchmark::State& state) { OpenYear(state, false, false); }

void BM_Restyle_Year(benchmark::State& state) {
  if (!LoadCatalogue()) return state.SkipWithError("the shipped tables do not load");
  Graph g(false);
  const auto root = g.Open(true);
  if (!root) return state.SkipWithError("no plot");
  for (auto _ : state) SetFontColorLine(root.get(), g.host);
  Report(state, root.get());
}

void Redraw(benchmark::State& state, bool decimate) {
  if (!LoadCatalogue()) return state.SkipWithError("the shipped tables do not load");
  Graph g(false);
  const auto root = g.Open(decimate);
  if (!root) return state.SkipWithError("no plot");
  for (auto _ : state) DrawPlotTree(g.dc, root.get(), wxRect(Screen));
  Report(state, root.get());
}
void BM_Redraw_Year(benchmark::State& state) { Redraw(state, true); }
void BM_Redraw_Year_EverySegment(benchmark::State& state) { Redraw(state, false); }

BENCHMARK(BM_OpenGraph_Year_DefaultPlot)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenGraph_Year_AllReadablePlotted)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenGraph_Year_DefaultPlot_EverySegment)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Restyle_Year)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redraw_Year)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redraw_Year_EverySegment)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return Bench::RunWithToolkit(argc, argv); }

// The graph view on a year of one-minute readings: opening it through the
// view (frame, reading, building, styling) up to its first painted frame;
// one wheel zoom step (the samples' range and a redraw into a 1920 x 1080
// memory bitmap, no restyle) at full view and after ten zoom-ins, around the
// same place each time (the rows keep what they drew there) or around a
// new place each time (every line stroked afresh); the pointer's text.
// Needs a display: run under xvfb-run.
#include <benchmark/benchmark.h>
#include <wx/dcmemory.h>

#include <chrono>
#include <memory>

#include "bench/BenchCatalogue.h"
#include "bench/BenchMainFrame.h"
#include "bench/BenchToolkit.h"
#include "bench/YearRecording.h"
#include "document/QziDocIStd.h"
#include "document/gui/DocTemplates.h"
#include "document/gui/QziDoc.h"
#include "document/gui/QziDocManager.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/Node.h"
#include "views/graph/GphView.h"
#include "views/graph/GphZoom.h"
#include "views/graph/PlotConstruction.h"
#include "views/graph/RowRange.h"
#include "views/placeholder/PlaceholderViews.h"
#include "views/plot/PlotView.h"

using namespace PardeloStravon;
using namespace Bench;

namespace {

const wxSize Screen(1920, 1080);

void Pump() {
  for (int round = 0; round < 3; ++round) {
    wxTheApp->ProcessPendingEvents();
    wxTheApp->Yield(true);
  }
}

// The main frame and templates with the graph view, and a document whose
// folder holds the year's recording.
struct Program {
  QziDocManager* manager = new QziDocManager;
  TheAppIMFC templates{manager,
                       {wxCLASSINFO(OptionsPlaceholder), wxCLASSINFO(StatusPlaceholder),
                        wxCLASSINFO(SerialPlaceholder), wxCLASSINFO(GphView), wxCLASSINFO(ProgramPlaceholder)}};
  MainFrame* main = nullptr;
  QziDoc* doc = nullptr;

  Program() {
    main = ShowBenchMainFrame(manager, Screen);
    doc = templates.FileNew();
    doc->Std().SetDocPath(Year().Folder() + L"/year.qzid");
    doc->Std().NetOpt().Network().InsertNew(Address, Node(Year().code));
    Pump();
  }
  ~Program() {
    doc->Std().SetModified(false);
    doc->Modify(false);
    doc->FileClose();
    Pump();
    main->Destroy();
    Pump();
    delete manager;
    SetTheTemplates(nullptr);
  }
};

void BM_NewGraphic_Year_ToFirstPaint(benchmark::State& state) {
  if (!LoadCatalogue()) return state.SkipWithError("the shipped tables do not load");
  Year();
  Program program;
  int records = 0;
  for (auto _ : state) {
    GphView* view = GphView::NewGraphic(Address, program.doc, Start, End, false, false);
    if (!view) return state.SkipWithError("no graph");
    // Painted once the frame is laid out and shown.
    while (view->GetImpl()->reads_ == 0) {
      Pump();
      view->Window()->Update();
    }
    state.PauseTiming();
    if (auto root = view->Window()->GetRegion()) records = static_cast<int>(RowPointCount(root->GetChild(0).get()));
    view->GetImpl()->CloseFrame();
    Pump();
    state.ResumeTiming();
  }
  state.counters["records"] = records;
}

// A plot of the year as the view builds and styles it for the screen.
struct YearPlot {
  Node node{Year().code};
  wxBitmap bitmap{Screen.x, Screen.y, 24};
  wxMemoryDC dc{bitmap};
  PlotHost host;
  std::shared_ptr<PlotRegion> root;

  YearPlot() {
    host.node = &node;
    host.address = Address;
    host.folder = Year().Folder();
    host.from = Start;
    host.to = End;
    host.dc = &dc;
    root = BuildPlot(host);
    if (!root) return;
    SetFontColorLine(root.get(), host);
    DrawPlotTree(dc, root.get(), wxRect(Screen));
  }
  PlotRegion* Row() const { return root->GetChild(0).get(); }
};

void ZoomStep(benchmark::State& state, int zoomIns, bool newPlace = false) {
  if (!LoadCatalogue()) return state.SkipWithError("the shipped tables do not load");
  YearPlot plot;
  if (!plot.root) return state.SkipWithError("no plot");
  const long middle = (End - Start) / 2;
  for (int i = 0; i < zoomIns; ++i) ZoomRowsAround(plot.dc, plot.Row(), 2.0, middle);
  const PlotRect lim = plot.Row()->GetAxe()->GetLimits();
  const int lo = NearestIndex(plot.Row(), static_cast<long>(lim.left));
  const int hi = NearestIndex(plot.Row(), static_cast<long>(lim.right));
  long shift = 0;
  for (auto _ : state) {
    // An hour further each time: limits never seen before.
    if (newPlace) shift += 3600;
    ZoomRowsAround(plot.dc, plot.Row(), 2.0, middle + shift);
    DrawPlotTree(plot.dc, plot.root.get(), wxRect(Screen));
    state.PauseTiming();
    SetIndexRange(plot.dc, plot.root.get(), lo, hi, true);
    state.ResumeTiming();
  }
  state.counters["shown_before"] = hi - lo + 1;
}
void BM_WheelZoomStep_FullView(benchmark::State& state) { ZoomStep(state, 0); }
void BM_WheelZoomStep_AfterTenZoomIns(benchmark::State& state) { ZoomStep(state, 10); }
void BM_WheelZoomStep_FullView_NewPlace(benchmark::State& state) { ZoomStep(state, 0, true); }

void BM_PointerInfoText_Year(benchmark::State& state) {
  if (!LoadCatalogue()) return state.SkipWithError("the shipped tables do not load");
  YearPlot plot;
  if (!plot.root) return state.SkipWithError("no plot");
  const wxRect area = plot.Row()->AxisArea();
  const std::wstring format = plot.host.options.dteFmt_.get().Text();
  std::size_t length = 0;
  for (auto _ : state) {
    const std::wstring text = PointerInfoText(plot.Row(), area.x + area.width / 2, area.y + 5, Start, format);
    length += text.size();
    benchmark::DoNotOptimize(length);
  }
}

BENCHMARK(BM_NewGraphic_Year_ToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_WheelZoomStep_FullView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WheelZoomStep_AfterTenZoomIns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WheelZoomStep_FullView_NewPlace)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PointerInfoText_Year)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return Bench::RunWithToolkit(argc, argv); }

// The status view of a 247-instrument network in a 1920 x 1080 frame: one
// tick's results repainting their rows (1, 25 and all 247 instruments'
// results before one paint), and the whole view painted again; the window
// shows about 70 rows. The options view beside it, painted whole, as every
// result has it. Yardsticks in the same run: a frame (16 ms, counter
// x_frame) and the shown rows' texts drawn straight onto the window with
// no view in between (x_plain).
// Needs a display: run under xvfb-run.
#include <benchmark/benchmark.h>
#include <wx/dcclient.h>
#include <wx/wx.h>
#include <wx/aui/tabmdi.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "bench/BenchCatalogue.h"
#include "bench/BenchMainFrame.h"
#include "bench/BenchToolkit.h"
#include "document/QziDocIStd.h"
#include "document/gui/DocTemplates.h"
#include "document/gui/QziDoc.h"
#include "document/gui/QziDocManager.h"
#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/Node.h"
#include "network/schedule/StatusTexts.h"
#include "platform/gui/ProgramIds.h"
#include "views/placeholder/PlaceholderViews.h"
#include "views/tables/OptView.h"
#include "views/tables/StsView.h"

using namespace PardeloStravon;

namespace {

const wxSize Screen(1920, 1080);
constexpr int Instruments = 247;

void Pump() {
  for (int round = 0; round < 3; ++round) {
    wxTheApp->ProcessPendingEvents();
    wxTheApp->Yield(true);
  }
}

// A reading of every readable parameter, so the status texts show values.
void GiveReadings(Node& node) {
  const InstrPars pars = node.Type().Pars();
  const InstrParValues defaults = DefaultValues(pars);
  InstrParValues read;
  for (std::size_t i = 0; i < pars.size(); ++i)
    if (pars[i]->ParIsRead()) read.push_back(defaults[i]);
  try {
    node.LatestReadings(read);
  } catch (const std::exception&) {
    // A type whose defaults do not make a frame shows "***": still a row.
  }
}

// The main frame with the status view on a document of 247 active
// instruments of every shipped type, each linked.
struct Program {
  QziDocManager* manager = new QziDocManager;
  TheAppIMFC templates{manager,
                       {wxCLASSINFO(OptView), wxCLASSINFO(StsView), wxCLASSINFO(SerialPlaceholder),
                        wxCLASSINFO(GraphPlaceholder), wxCLASSINFO(ProgramPlaceholder)}};
  MainFrame* main = nullptr;
  QziDoc* doc = nullptr;
  StsView* view = nullptr;
  int rowsDrawn = 0;
  int paints = 0;
  int fullPaints = 0;

  Program() {
    main = ShowBenchMainFrame(manager, Screen);
    doc = templates.FileNew();
    InstrNet& net = doc->Std().NetOpt().Network();
    const std::vector<std::wstring>& codes = InstrCodes();
    for (int a = 1; a <= Instruments; ++a) {
      Node node(codes[a % codes.size()]);
      node.Opt().nm_ = L"Ripening room " + std::to_wstring(a);
      node.Opt().act_ = true;
      node.UpdateState([](NodeSt& st) { st.link_ = Node::yes_link; });
      GiveReadings(node);
      net.InsertNew(a, node);
    }
    doc->Std().EmitDocSignal(1, dsAddInstr);
    main->RouteCommand(Platform::ID_VIEW_STATUS);
    Pump();
    for (wxView* v : doc->GetViewsVector())
      if (auto* s = dynamic_cast<StsView*>(v)) view = s;
    if (!view) return;
    view->SetPaintProbe([this](bool full, const std::vector<int>& rows) {
      fullPaints += full;
      ++paints;
      rowsDrawn += static_cast<int>(rows.size());
    });
    Settle();
  }
  ~Program() {
    if (view) view->SetPaintProbe(nullptr);
    doc->Std().SetModified(false);
    doc->Modify(false);
    doc->FileClose();
    Pump();
    main->Destroy();
    Pump();
    delete manager;
    SetTheTemplates(nullptr);
  }
  // What the event loop does next: the work posted, then every pending
  // paint of the view.
  void Paint() {
    wxTheApp->ProcessPendingEvents();
    view->Window()->Update();
  }
  void Settle() {
    Pump();
    Paint();
    Pump();
  }
};

// Seconds a plain drawing of every row's texts took, from the yardstick
// run before the view's benchmarks.
double plainSeconds = 0;

using Clock = std::chrono::steady_clock;

// The ratios of a benchmark's mean time per iteration.
void RatioCounters(benchmark::State& state, double seconds) {
  const double mean = seconds / std::max<double>(1, static_cast<double>(state.iterations()));
  state.counters["x_frame"] = mean / 0.016;
  if (plainSeconds > 0) state.counters["x_plain"] = mean / plainSeconds;
}

// The results of `changed` instruments, spread over the network, before
// one paint.
void BM_StatusView_Tick(benchmark::State& state) {
  if (!Bench::LoadCatalogue()) return state.SkipWithError("the shipped tables do not load");
  Program p;
  if (!p.view) return state.SkipWithError("no status view");
  const int changed = static_cast<int>(state.range(0));
  std::vector<int> addresses;
  for (int i = 0; i < changed; ++i) addresses.push_back(1 + i * Instruments / changed);
  p.Settle();
  p.rowsDrawn = p.paints = p.fullPaints = 0;
  double seconds = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    for (int a : addresses) p.doc->Std().EmitDocSignal(a, dsRxOk);
    p.Paint();
    seconds += std::chrono::duration<double>(Clock::now() - start).count();
  }
  RatioCounters(state, seconds);
  state.counters["rows_per_tick"] = benchmark::Counter(p.rowsDrawn, benchmark::Counter::kAvgIterations);
  state.counters["paints_per_tick"] = benchmark::Counter(p.paints, benchmark::Counter::kAvgIterations);
  state.counters["whole_paints_per_tick"] = benchmark::Counter(p.fullPaints, benchmark::Counter::kAvgIterations);
}

void BM_StatusView_WholeView(benchmark::State& state) {
  if (!Bench::LoadCatalogue()) return state.SkipWithError("the shipped tables do not load");
  Program p;
  if (!p.view) return state.SkipWithError("no status view");
  p.Settle();
  p.rowsDrawn = p.paints = p.fullPaints = 0;
  double seconds = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    p.view->Window()->Refresh();
    p.Paint();
    seconds += std::chrono::duration<double>(Clock::now() - start).count();
  }
  RatioCounters(state, seconds);
  state.counters["rows_per_paint"] = benchmark::Counter(p.rowsDrawn, benchmark::Counter::kAvgIterations);
}

// The yardstick: the texts of the rows the window shows (name, link,
// alarm, status) drawn on the view's window with the toolkit's own call,
// nothing measured or cut, nothing else.
void BM_Yardstick_PlainTextRows(benchmark::State& state) {
  if (!Bench::LoadCatalogue()) return state.SkipWithError("the shipped tables do not load");
  Program p;
  if (!p.view) return state.SkipWithError("no status view");
  const InstrNet& net = p.doc->Std().NetOpt().Network();
  // As many rows as the window shows, header included.
  const double rowPixels = -p.view->GetImpl()->CharSize().GetHeight() * TableView::WindowScale();
  const int shown = static_cast<int>(p.view->Window()->GetClientSize().GetHeight() / std::max(1.0, rowPixels)) + 1;
  std::vector<std::wstring> texts;
  for (auto h = net.Begin(); h != net.End() && static_cast<int>(texts.size()) < 4 * shown; h = net.Next(h)) {
    const Node& node = h->second;
    texts.push_back(node.Opt().nm_);
    texts.push_back(LinkText(Node::yes_link));
    texts.push_back(node.Type().AlarmText(0));
    texts.push_back(NodeStatusText(node));
  }
  p.Settle();
  double seconds = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    {
      wxClientDC dc(p.view->Window());
      int y = 0;
      for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i % 4 == 0) y += 18;
        dc.DrawText(texts[i], static_cast<int>(i % 4) * 200, y % 1000);
      }
    }
    seconds += std::chrono::duration<double>(Clock::now() - start).count();
  }
  plainSeconds = seconds / std::max<double>(1, static_cast<double>(state.iterations()));
  state.counters["rows"] = static_cast<double>(texts.size() / 4);
}

// The options view beside it, painted whole as every result has it: the
// columns placed for all 247 rows and the rows the window shows drawn.
void BM_OptionsView_WholeView(benchmark::State& state) {
  if (!Bench::LoadCatalogue()) return state.SkipWithError("the shipped tables do not load");
  Program p;
  OptView* options = nullptr;
  for (wxView* v : p.doc->GetViewsVector())
    if (auto* o = dynamic_cast<OptView*>(v)) options = o;
  if (!options) return state.SkipWithError("no options view");
  static_cast<wxAuiMDIChildFrame*>(options->GetFrame())->Activate();
  Pump();
  options->Window()->Update();
  double seconds = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    options->Window()->Refresh();
    options->Window()->Update();
    seconds += std::chrono::duration<double>(Clock::now() - start).count();
  }
  RatioCounters(state, seconds);
}

BENCHMARK(BM_Yardstick_PlainTextRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StatusView_Tick)->Arg(1)->Arg(25)->Arg(Instruments)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StatusView_WholeView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OptionsView_WholeView)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return Bench::RunWithToolkit(argc, argv); }

#include "tests/views/graph/GraphFixture.h"

#include <wx/dcclient.h>

#include <chrono>

#include "document/QziDocIStd.h"
#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/core/TextConv.h"
#include "foundation/values/UnitTypes.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/Node.h"
#include "network/schedule/RecordingFiles.h"
#include "platform/gui/PrintTarget.h"
#include "tests/support/GuiTest.h"
#include "tests/support/TestCatalogue.h"
#include "views/placeholder/PlaceholderViews.h"

namespace TestSupport {

using namespace PardeloStravon;

GphView* GraphViews::NewGraphic(QziDoc* doc, int address, std::time_t from, std::time_t to, bool follow,
                                bool print) {
  graphs.push_back(address);
  return GphView::NewGraphic(address, doc, from, to, follow, print);
}

bool GraphViews::PrintGraphic(QziDoc* doc, int address, std::time_t from, std::time_t to) {
  return GphView::PrintGraphic(address, doc, from, to);
}

void GraphFixture::SetUpTestSuite() { LoadNetworkTestCatalogue(); }

TheAppIMFC::ViewClasses GraphFixture::ViewClasses() const {
  TheAppIMFC::ViewClasses classes = FrameworkFixture::ViewClasses();
  classes.graph = wxCLASSINFO(GphView);
  return classes;
}

void GraphFixture::SetUp() {
  FrameworkFixture::SetUp();
  InstallViewServices(&graphViews_);
  clock_.emplace(T0 + 3600);
  ThreadTimings timings;
  timings.executorPause = std::chrono::hours(1);
  timings.tickPause = std::chrono::hours(1);
  timings.watchPause = std::chrono::milliseconds(20);
  // The test clock jumps by hours: the watchdog must not take that for a
  // silent executor.
  timings.heartbeatLimit = 1000000000;
  timings.closeWaitLimit = 2;
  timings.closeWaitPause = std::chrono::milliseconds(20);
  QziDoc::SetThreadTimings(timings);
  doc_ = templates_->FileNew();
  ASSERT_NE(doc_, nullptr);
  doc_->Std().SetDocPath(dir_.Wide() + L"/graphs.qzid");
  PumpEvents();
}

void GraphFixture::TearDown() {
  Platform::SetPrintToFile("");
  PumpEvents();
  FrameworkFixture::TearDown();
  clock_.reset();
}

Node& GraphFixture::AddInstrument(int address, const std::wstring& name, const std::vector<Sample>& samples) {
  Node node(SparseFrameType);
  for (std::size_t p = 0; p < node.OptPlt().size(); ++p) node.OptPlt()[p] = {L"Label " + std::to_wstring(p), false};
  for (std::size_t p : {0u, 2u, 5u}) node.OptPlt()[p].pltDefOpt_ = true;
  node.Opt().nm_ = name;
  node.Opt().act_ = true;
  node.Opt().vr_ = true;
  node.Opt().vs_ = 60L;
  node.Opt().pr_ = false;
  node.Opt().ps_ = 3600L;
  InstrNet& net = doc_->Std().NetOpt().Network();
  net.InsertNew(address, node);
  WriteSamples(address, samples);
  return net.GetPresent(address);
}

void GraphFixture::WriteSamples(int address, const std::vector<Sample>& samples) const {
  const Node& node = doc_->Std().NetOpt().Network().GetPresent(address);
  const InstrPars readable = ReadablePars(node.Type().Pars());
  const std::wstring path = MasterLogPath(dir_.Wide(), address);
  WriteFileBytes(ToUtf8(path), "");
  for (const Sample& s : samples)
    AppendRecordLine(path, RecordLine(ReadingsSeparator,
                                      ToVUC(readable, {Temper(s.temper), s.bit, Humidity(s.humidity)}), s.t));
}

std::vector<Sample> GraphFixture::Minutes(int n, long start) {
  std::vector<Sample> samples;
  for (int i = 0; i < n; ++i)
    samples.push_back({start + 60L * i, 10.0 + i * 0.5, i % 2 == 0, 40.0 + (i % 7)});
  return samples;
}

GphView* GraphFixture::Open(int address, std::time_t from, std::time_t to, bool follow, bool print) {
  GphView* view = GphView::NewGraphic(address, doc_, from, to, follow, print);
  PumpEvents();
  return view;
}

void GraphFixture::Draw(GphView& view) {
  wxSize size = view.Window()->GetClientSize();
  if (size.x < 50 || size.y < 50) size = wxSize(800, 600);
  wxBitmap bitmap(size, 24);
  wxMemoryDC dc(bitmap);
  view.OnDraw(&dc);
}

std::string GraphFixture::PdfPath(const std::string& name) const { return dir_.File(name).string(); }

wxPreviewFrame* GraphFixture::PreviewFrame() {
  wxPreviewFrame* frame = nullptr;
  for (wxWindow* w : wxTopLevelWindows)
    if (auto* p = dynamic_cast<wxPreviewFrame*>(w)) frame = p;
  return frame;
}

int GraphFixture::GraphViewCount() const {
  int n = 0;
  if (!doc_) return 0;
  for (wxList::compatibility_iterator node = doc_->GetViews().GetFirst(); node; node = node->GetNext())
    if (dynamic_cast<GphView*>(static_cast<wxView*>(node->GetData()))) ++n;
  return n;
}

}  // namespace TestSupport

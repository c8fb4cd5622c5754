// The graph view on a document: opening, the document signal, following the
// clock and the order of reading and styling.
#include <gtest/gtest.h>

#include <boost/any.hpp>
#include <stdexcept>

#include "document/QziDocIStd.h"
#include "document/gui/ChildFrm.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/core/TimeStamp.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/Node.h"
#include "network/schedule/Schedule.h"
#include "tests/support/GuiTest.h"
#include "tests/views/graph/GraphFixture.h"

namespace {

using namespace PardeloStravon;
using TestSupport::GraphFixture;
using TestSupport::PumpEvents;

constexpr int Own = 5, Other = 6;

class GphViewTest : public GraphFixture {
 protected:
  void SetUp() override {
    GraphFixture::SetUp();
    node_ = &AddInstrument(Own, L"Cold room", Minutes(150));
    AddInstrument(Other, L"Warm room", Minutes(30));
  }
  QziDocIStd& Std() { return Doc().Std(); }
  void SetDue(Node& node, bool due) {
    node.UpdateState([due](NodeSt& st) { st.vn_ = static_cast<long>(due ? T0 : Now() + 100); });
  }
  Node* node_ = nullptr;
};

TEST_F(GphViewTest, Opening_ShowsATitledFrameWithClearedStatusAndReadsOnTheFirstDrawing) {
  const int tabs = ChildCount();
  GphView* view = Open(Own, T0, T0 + 1800, false);
  ASSERT_NE(view, nullptr);
  ChildFrm* frame = view->Frame();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(ChildCount(), tabs + 1);
  EXPECT_EQ(frame->GetTitle().ToStdWstring(),
            Doc().GetTitle().ToStdWstring() + DictText(CTW_Graphic_Title) + L"Cold room");
  EXPECT_EQ(frame->StatusPane(0), L"");
  Draw(*view);
  EXPECT_EQ(view->GetImpl()->reads_, 1);
  ASSERT_TRUE(view->Window()->GetRegion());
  EXPECT_EQ(view->Window()->GetRegion()->GetNChildren(), 3u);
  EXPECT_NE(view->Window()->GetEvent(), nullptr);
  EXPECT_EQ(errors_.Text(), L"");
}

TEST_F(GphViewTest, Opening_WithAStartValueOfAnotherTypeFailsAndLeavesNoWindow) {
  const int tabs = ChildCount();
  const int views = GraphViewCount();
  EXPECT_THROW(templates_->TplGph()->CreateNewFrameEx(&Doc(), nullptr, boost::any(42)), boost::bad_any_cast);
  EXPECT_THROW(templates_->TplGph()->CreateNewFrameEx(&Doc(), nullptr, boost::any()), boost::bad_any_cast);
  PumpEvents();
  EXPECT_EQ(ChildCount(), tabs);
  EXPECT_EQ(GraphViewCount(), views);
}

TEST_F(GphViewTest, Opening_WithFromAfterToFailsTheAssertionAndLeavesNoWindow) {
  const int tabs = ChildCount();
  EXPECT_THROW(GphView::NewGraphic(Own, &Doc(), T0 + 10, T0, false, false), std::exception);
  PumpEvents();
  EXPECT_NE(errors_.Text().find(L"Assertion failed: !from_<=to_"), std::wstring::npos) << errors_.Text();
  EXPECT_EQ(ChildCount(), tabs);
  EXPECT_EQ(GraphViewCount(), 0);
}

TEST_F(GphViewTest, Opening_WithoutDocumentOrTemplateLogsTheMissingFrame) {
  EXPECT_EQ(GphView::NewGraphic(Own, nullptr, T0, T0 + 10, false, false), nullptr);
  const std::wstring log = errors_.Text();
  EXPECT_NE(log.find(L"Error in GphView::NewGraphic() creating pNF\n"), std::wstring::npos) << log;
}

TEST_F(GphViewTest, ViewGraphicCommandAndStartupPlotReachTheGraph) {
  // The document's service, as the start-up plot pass calls it.
  Std().NewGraphic(Own, T0, T0 + 600, true, false);
  PumpEvents();
  ASSERT_EQ(GraphViewCount(), 1);
  EXPECT_EQ(graphViews_.graphs, std::vector<int>{Own});
}

// Each case: a fresh graph, drawn once; then one signal; then one drawing.
TEST_F(GphViewTest, SignalRules_AsOneTable) {
  enum Addr { Zero, Mine, Another };
  struct Case {
    const char* what;
    bool follow, print, rx, due, busy;
    Addr addr;
    DocSignal signal;
    // What follows.
    bool shifted;
    int reads, restyles;
    bool closed, statusCleared, retitled;
    int plotUpdates;
    bool modified;
  } cases[] = {
      {"tick, following, due", true, false, true, true, false, Zero, dsTick, true, 1, 1, false, false, false, 1, true},
      {"tick with its own address", true, false, true, true, false, Mine, dsTick, true, 1, 1, false, false, false, 1,
       true},
      {"tick, reception off", true, false, false, true, false, Zero, dsTick, false, 0, 0, false, false, false, 0,
       false},
      {"tick, not due", true, false, true, false, false, Zero, dsTick, false, 0, 0, false, false, false, 0, false},
      {"tick, not following", false, false, true, true, false, Zero, dsTick, false, 0, 0, false, false, false, 0,
       false},
      {"tick for another address", true, false, true, true, false, Another, dsTick, false, 0, 0, false, false, false,
       0, false},
      {"tick, print-only", true, true, true, true, false, Zero, dsTick, false, 0, 0, false, false, false, 0, false},
      {"tick, busy", true, false, true, true, true, Zero, dsTick, false, 0, 0, false, false, false, 0, false},
      {"plot update, following", true, false, false, false, false, Zero, dsPlotUpdate, true, 1, 1, false, false,
       false, 0, false},
      {"plot update, not following", false, false, false, false, false, Zero, dsPlotUpdate, false, 0, 0, false, false,
       false, 0, false},
      {"plot update for another address", true, false, false, false, false, Another, dsPlotUpdate, false, 0, 0, false,
       false, false, 0, false},
      {"edit instrument", false, false, false, false, false, Mine, dsEditInstr, false, 1, 1, false, true, false, 0,
       false},
      {"edit instrument, print-only", false, true, false, false, false, Mine, dsEditInstr, false, 0, 0, false, false,
       false, 0, false},
      {"edit instrument, busy", false, false, false, false, true, Mine, dsEditInstr, false, 0, 0, false, false, false,
       0, false},
      {"edit another instrument", false, false, false, false, false, Another, dsEditInstr, false, 0, 0, false, false,
       false, 0, false},
      {"language", false, false, false, false, false, Zero, dsLanguage, false, 1, 1, false, true, true, 0, false},
      {"graph format", false, false, false, false, false, Zero, dsGraphFormat, false, 0, 1, false, false, false, 0,
       false},
      {"remove instrument", false, false, false, false, false, Mine, dsRemoveInstr, false, 0, 0, true, false, false,
       0, false},
      {"remove another instrument", false, false, false, false, false, Another, dsRemoveInstr, false, 0, 0, false,
       false, false, 0, false},
      {"remove instrument, print-only", false, true, false, false, false, Mine, dsRemoveInstr, false, 0, 0, false,
       false, false, 0, false},
      {"reception switched", false, false, false, false, false, Zero, dsRxEnable, false, 0, 0, false, true, false, 0,
       false},
      {"login", false, false, false, false, false, Zero, dsLogin, false, 0, 0, false, true, false, 0, false},
      {"supervisor login", false, false, false, false, false, Zero, dsLoginSup, false, 0, 0, false, true, false, 0,
       false},
      {"readings received", false, false, false, false, false, Mine, dsRxOk, false, 0, 0, false, false, false, 0,
       false},
  };
  const std::wstring title = Doc().GetTitle().ToStdWstring();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    clock_->Set(T0 + 3600);
    GphView* view = Open(Own, T0, T0 + 1800, c.follow, c.print);
    ASSERT_NE(view, nullptr);
    GphView::Impl& impl = *view->GetImpl();
    Draw(*view);
    const int reads = impl.reads_, restyles = impl.restyles_;
    if (ChildFrm* frame = view->Frame()) frame->SetStatusPanes(L"x");
    Std().NetOpt().SetRxEnabled(c.rx);
    Std().SetModified(false);
    if (c.busy) impl.SetBusy(true);
    int plotUpdates = 0;
    boost::signals2::scoped_connection counter =
        Std().ConnectDocSignal([&](int, DocSignal s) { plotUpdates += s == dsPlotUpdate; });
    Doc().SetTitle(L"Renamed");
    clock_->Set(T0 + 7200);
    SetDue(*node_, c.due);

    Std().EmitDocSignal(c.addr == Zero ? 0 : c.addr == Mine ? Own : Other, c.signal);

    if (c.signal == dsPlotUpdate) --plotUpdates;
    EXPECT_EQ(plotUpdates, c.plotUpdates);
    EXPECT_EQ(Std().IsModified(), c.modified);
    EXPECT_EQ(impl.closing_, c.closed);
    if (ChildFrm* frame = view->Frame()) {
      EXPECT_EQ(frame->StatusPane(0), c.statusCleared ? L"" : L"x");
      EXPECT_EQ(frame->GetTitle().ToStdWstring().rfind(L"Renamed", 0) == 0, c.retitled);
    }
    if (c.busy) impl.SetBusy(false);
    Draw(*view);
    EXPECT_EQ(impl.reads_ - reads, c.reads);
    EXPECT_EQ(impl.restyles_ - restyles, c.restyles);
    EXPECT_EQ(impl.to_ == T0 + 7200, c.shifted);
    EXPECT_EQ(impl.to_ - impl.from_, 1800);  // the window keeps its length

    Doc().SetTitle(title);
    Std().NetOpt().SetRxEnabled(false);
    impl.CloseFrame();
    PumpEvents();
    EXPECT_EQ(GraphViewCount(), 0);
  }
  EXPECT_EQ(errors_.Text(), L"");
}

TEST_F(GphViewTest, TwoFollowingGraphs_BothMoveToNowWhenEitherIsDueEachKeepingItsLength) {
  Node& other = Doc().Std().NetOpt().Network().GetPresent(Other);
  GphView* a = Open(Own, T0, T0 + 600, true);
  GphView* b = Open(Other, T0 + 60, T0 + 1800, true);
  ASSERT_TRUE(a && b);
  Draw(*a);
  Draw(*b);
  Std().NetOpt().SetRxEnabled(true);
  SetDue(*node_, false);
  SetDue(other, true);
  clock_->Set(T0 + 5000);
  Std().EmitDocSignal(0, dsTick);
  Std().NetOpt().SetRxEnabled(false);
  // The due time moved on: the next tick does not move them again.
  EXPECT_FALSE(DueV(other.Opt(), other.State()));
  for (GphView* v : {a, b}) {
    const int reads = v->GetImpl()->reads_;
    Draw(*v);
    EXPECT_EQ(v->GetImpl()->to_, T0 + 5000);
    EXPECT_EQ(v->GetImpl()->reads_, reads + 1);
  }
  EXPECT_EQ(a->GetImpl()->to_ - a->GetImpl()->from_, 600);
  EXPECT_EQ(b->GetImpl()->to_ - b->GetImpl()->from_, 1740);
}

TEST_F(GphViewTest, Resize_RestylesWithoutReading) {
  GphView* view = Open(Own, T0, T0 + 1800, false);
  ASSERT_NE(view, nullptr);
  Draw(*view);
  const int reads = view->GetImpl()->reads_, restyles = view->GetImpl()->restyles_;
  Draw(*view);
  EXPECT_EQ(view->GetImpl()->restyles_, restyles);  // nothing asked for one
  view->Frame()->SetSize(view->Frame()->GetSize() + wxSize(-40, -30));
  view->Window()->SetSize(view->Window()->GetSize() + wxSize(-40, -30));
  ASSERT_TRUE(view->Window()->IsResizeNeeded());
  Draw(*view);
  EXPECT_EQ(view->GetImpl()->reads_, reads);
  EXPECT_EQ(view->GetImpl()->restyles_, restyles + 1);
}

TEST_F(GphViewTest, DrawingAfterTheInstrumentWentLogsTheRecordAndClosesTheFrame) {
  GphView* view = Open(Own, T0, T0 + 1800, false);
  ASSERT_NE(view, nullptr);
  Draw(*view);
  errors_.Clear();
  // Removed without its signal; the next drawing reads again.
  Std().NetOpt().Network().ErasePresent(Own);
  Std().EmitDocSignal(Own, dsEditInstr);
  const int tabs = ChildCount();
  Draw(*view);
  // Directly after the time stamp, without a line end.
  EXPECT_EQ(errors_.Text(), TimeStamp() + L"Error in CPGLView::OnDraw(CDC* pDC)");
  EXPECT_TRUE(view->GetImpl()->closing_);
  PumpEvents();
  EXPECT_EQ(ChildCount(), tabs - 1);
  EXPECT_EQ(GraphViewCount(), 0);
}

TEST_F(GphViewTest, SmallRecordingGivesNoPlotAndHandlersChangeNothing) {
  WriteSamples(Own, Minutes(2));
  GphView* view = Open(Own, T0, T0 + 1800, false);
  ASSERT_NE(view, nullptr);
  Draw(*view);
  EXPECT_EQ(view->GetImpl()->reads_, 1);
  EXPECT_FALSE(view->Window()->GetRegion());
}

}  // namespace

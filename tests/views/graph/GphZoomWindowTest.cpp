// The graph's zoom and pointer information driven through its window's
// mouse and key events.
#include <gtest/gtest.h>

#include <wx/event.h>
#include <wx/utils.h>

#include <chrono>
#include <cmath>

#include "document/gui/ChildFrm.h"
#include "document/gui/MainFrameBase.h"
#include "tests/support/GuiTest.h"
#include "tests/views/graph/GraphFixture.h"
#include "views/graph/GphEvent.h"
#include "views/graph/GphZoom.h"
#include "views/graph/RowRange.h"

namespace {

using namespace PardeloStravon;
using TestSupport::GraphFixture;
using TestSupport::PumpEvents;

constexpr int Address = 5;
constexpr int Samples = 150;  // a minute apart

class GphZoomWindowTest : public GraphFixture {
 protected:
  void SetUp() override {
    GraphFixture::SetUp();
    AddInstrument(Address, L"Cold room", Minutes(Samples));
  }

  // The rows are built at the graph's first paint, which a busy display may
  // give only after a few rounds of events; null when none came.
  GphView* OpenShown() {
    GphView* view = Open(Address, T0, T0 + 9000, false);
    if (!view) return nullptr;
    view->Window()->Update();
    PumpEvents();
    const auto built = [view] {
      const auto region = view->Window()->GetRegion();
      return region && region->GetNChildren() > 0;
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!built() && std::chrono::steady_clock::now() < deadline) {
      wxMilliSleep(20);
      view->Window()->Refresh();
      view->Window()->Update();
      PumpEvents();
    }
    return built() ? view : nullptr;
  }
  static PlotRegion* Row(GphView& view, std::size_t k) { return view.Window()->GetRegion()->GetChild(k).get(); }
  static std::pair<int, int> Shown(GphView& view, std::size_t k = 0) {
    const PlotRect lim = Row(view, k)->GetAxe()->GetLimits();
    return {NearestIndex(Row(view, k), static_cast<long>(lim.left)),
            NearestIndex(Row(view, k), static_cast<long>(lim.right))};
  }
  static void Mouse(GphView& view, wxEventType type, wxPoint p, int rotation = 0) {
    wxMouseEvent e(type);
    e.SetPosition(p);
    e.SetEventObject(view.Window());
    e.m_wheelRotation = rotation;
    e.m_wheelDelta = 120;
    view.Window()->GetEventHandler()->ProcessEvent(e);
  }
  static void Key(GphView& view, int code) {
    wxKeyEvent e(wxEVT_KEY_DOWN);
    e.m_keyCode = code;
    e.SetEventObject(view.Window());
    view.Window()->GetEventHandler()->ProcessEvent(e);
  }
  // The middle of a row's axis area at its last drawing.
  static wxPoint Inside(GphView& view, std::size_t k, double share = 0.5) {
    const wxRect area = Row(view, k)->AxisArea();
    return wxPoint(area.x + static_cast<int>(area.width * share), area.y + area.height / 2);
  }
};

TEST_F(GphZoomWindowTest, ClickThenWheelZoomsEveryRowAroundTheClick) {
  GphView* view = OpenShown();
  ASSERT_NE(view, nullptr);
  ASSERT_EQ(view->GetImpl()->reads_, 1);
  ASSERT_EQ(view->Window()->GetRegion()->GetNChildren(), 3u);
  ASSERT_EQ(Shown(*view), std::make_pair(0, Samples - 1));

  const wxPoint click = Inside(*view, 1, 0.3);
  Mouse(*view, wxEVT_LEFT_DOWN, click);
  const long centre = PixelToX(Row(*view, 1), click.x);
  Mouse(*view, wxEVT_MOUSEWHEEL, Inside(*view, 2), -120);
  view->Window()->Update();
  PumpEvents();

  // Half the seconds shown, around the click, in every row.
  for (std::size_t k = 0; k < 3; ++k) {
    const PlotRect lim = Row(*view, k)->GetAxe()->GetLimits();
    EXPECT_NEAR(lim.right - lim.left, 8940 / 2, 60) << k;
    EXPECT_NEAR((lim.left + lim.right) / 2, centre, 60) << k;
    EXPECT_EQ(Shown(*view, k), Shown(*view, 0));
  }
  EXPECT_FALSE(view->GetImpl()->busy_);
  const auto zoomed = Shown(*view);
  TestSupport::SaveWindowShot(*main_, "graph-zoomed");

  // One notch away from the user widens around the middle.
  Mouse(*view, wxEVT_MOUSEWHEEL, Inside(*view, 0), 120);
  const auto wider = Shown(*view);
  EXPECT_LT(wider.first, zoomed.first);
  EXPECT_GT(wider.second, zoomed.second);
  EXPECT_NEAR((wider.first + wider.second) / 2.0, (zoomed.first + zoomed.second) / 2.0, 1.0);
  EXPECT_NEAR(wider.second - wider.first, (zoomed.second - zoomed.first) / GphZoomOut, 2.0);
}

TEST_F(GphZoomWindowTest, KeysOfTheMainKeyboardZoomAndTheKeypadsDoNothing) {
  GphView* view = OpenShown();
  ASSERT_NE(view, nullptr);
  enum Effect { Narrower, Wider, All, Same };
  struct Case {
    int code;
    Effect effect;
  } cases[] = {{'+', Narrower},          {'=', Narrower},           {'-', Wider}, {'0', All},
               {WXK_NUMPAD_ADD, Same}, {WXK_NUMPAD_SUBTRACT, Same}, {WXK_NUMPAD0, Same}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    SetIndexRange(view->Window()->GetGfxInterface(), view->Window()->GetRegion().get(), 40, 90, true);
    Mouse(*view, wxEVT_LEFT_DOWN, Inside(*view, 0));
    Mouse(*view, wxEVT_MOTION, Inside(*view, 0));
    Key(*view, c.code);
    const auto shown = Shown(*view);
    switch (c.effect) {
      case Narrower:
        EXPECT_GT(shown.first, 40);
        EXPECT_LT(shown.second, 90);
        break;
      case Wider:
        EXPECT_LT(shown.first, 40);
        EXPECT_GT(shown.second, 90);
        break;
      case All: EXPECT_EQ(shown, std::make_pair(0, Samples - 1)); break;
      case Same: EXPECT_EQ(shown, std::make_pair(40, 90)); break;
    }
    EXPECT_FALSE(view->GetImpl()->busy_);
  }
}

TEST_F(GphZoomWindowTest, HandlersWithoutPointerOrPlotOrWhileBusyChangeNothing) {
  GphView* view = OpenShown();
  ASSERT_NE(view, nullptr);
  SetIndexRange(view->Window()->GetGfxInterface(), view->Window()->GetRegion().get(), 40, 90, true);
  // No mouse event yet: no row to zoom.
  Key(*view, '0');
  Key(*view, '+');
  EXPECT_EQ(Shown(*view), std::make_pair(40, 90));
  // A busy graph: the handler stops at its guard and leaves the view busy.
  Mouse(*view, wxEVT_MOTION, Inside(*view, 0));
  view->GetImpl()->SetBusy(true);
  Key(*view, '0');
  EXPECT_EQ(Shown(*view), std::make_pair(40, 90));
  EXPECT_TRUE(view->GetImpl()->busy_);
  view->GetImpl()->SetBusy(false);

  // Two records: no plot; the handlers run without marking the view.
  WriteSamples(Address, Minutes(2));
  Doc().Std().EmitDocSignal(Address, dsEditInstr);
  view->Window()->Update();
  PumpEvents();
  ASSERT_FALSE(view->Window()->GetRegion());
  auto* handler = dynamic_cast<GphEvent*>(view->Window()->GetEvent());
  ASSERT_NE(handler, nullptr);  // the last plot's, kept
  EXPECT_FALSE(handler->Guard(true));
  EXPECT_FALSE(view->GetImpl()->busy_);
  Mouse(*view, wxEVT_MOUSEWHEEL, wxPoint(50, 50), -120);
  Key(*view, '-');
  EXPECT_FALSE(view->GetImpl()->busy_);
}

TEST_F(GphZoomWindowTest, PointerMoveWritesItsInformationIntoTheFirstPane) {
  GphView* view = OpenShown();
  ASSERT_NE(view, nullptr);
  const wxPoint p = Inside(*view, 1);
  Mouse(*view, wxEVT_MOTION, p);
  const std::wstring pane = view->Frame()->StatusPane(0);
  const std::wstring head = L"(" + std::to_wstring(p.x) + L"," + std::to_wstring(p.y) + L")(";
  EXPECT_EQ(pane.substr(0, head.size()), head) << pane;
  for (const wchar_t* label : {L",Label 0=", L",Label 2=", L",Label 5="})
    EXPECT_NE(pane.find(label), std::wstring::npos) << pane;
  EXPECT_FALSE(view->GetImpl()->busy_);
}

TEST_F(GphZoomWindowTest, TheGraphTakesTheKeyboardWhenItsFrameIsActivated) {
  GphView* first = OpenShown();
  GphView* second = OpenShown();
  ASSERT_TRUE(first && second);
  first->Frame()->Activate();
  PumpEvents();
  EXPECT_EQ(wxWindow::FindFocus(), first->Window());
  second->Frame()->Activate();
  PumpEvents();
  EXPECT_EQ(wxWindow::FindFocus(), second->Window());
}

}  // namespace

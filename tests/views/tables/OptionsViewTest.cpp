// The options view: what each document signal does to pane 0, the caption,
// the menu and the paints, and what a paint draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "document/gui/ChildFrm.h"
#include "document/gui/MainFrameBase.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "platform/gui/ProgramIds.h"
#include "platform/gui/WindowImage.h"
#include "tests/support/GuiTest.h"
#include "tests/views/tables/TableViewsFixture.h"
#include "views/tables/OptView.h"

namespace {

using namespace PardeloStravon;
using namespace Platform;

class OptionsView : public TestSupport::TableViewsFixture {
 protected:
  void SetUp() override {
    TableViewsFixture::SetUp();
    Add(3, L"Cold room 3");
    Add(5, L"Ripening 5", false);
    Add(9, L"Gone 9");
    Add(12, L"Dock 12");
    Net().ErasePresent(9);
    view_ = Find<OptView>();
    ASSERT_NE(view_, nullptr);
    view_->SetPaintProbe([this](int rows) {
      ++paints_;
      rows_ = rows;
    });
    view_->Window()->Refresh();
    Settle(view_->Window(), &paints_);
    paints_ = 0;
  }
  void TearDown() override {
    if (view_) view_->SetPaintProbe(nullptr);
    TableViewsFixture::TearDown();
  }
  ChildFrm* Frame() { return dynamic_cast<ChildFrm*>(view_->GetFrame()); }

  OptView* view_ = nullptr;
  int paints_ = 0;
  int rows_ = -1;
};

TEST_F(OptionsView, EverySignalSetsThePaneRepaintsAndRetitlesAsItsKindSays) {
  const std::wstring title = Frame()->GetTitle().ToStdWstring();
  auto named = [](const wchar_t* prefix, const std::wstring& token) { return prefix + DictText(token); };
  const struct Case {
    DocSignal signal;
    int address;
    std::wstring pane;  // empty: unchanged
    bool repaint;
    bool retitled = false;
    bool throws = false;
  } cases[] = {
      {dsRxOk, 3, named(L"3 - Cold room 3: ", CTW_RX_OK), true},
      {dsRyKo, 5, named(L"5 - Ripening 5: ", CTW_RY_KO), true},
      {dsRhKo, 12, named(L"12 - Dock 12: ", CTW_RH_KO), true},
      {dsPrinted, 3, named(L"3 - Cold room 3: ", CTW_ID_EDINSTR_PRINT_NEXT), true},
      {dsPlotUpdate, 0, DictText(CTW_ID_EDINSTR_UPD_NEXT), true},
      {dsEditInstr, 12, named(L"12 - Dock 12: ", CTW_ID_EDIT_EDIT), true},
      {dsAddInstr, 5, named(L"5 - Ripening 5: ", CTW_ID_EDIT_ADD), true},
      {dsRemoveInstr, 9, named(L"9: ", CTW_ID_EDIT_REMOVE), true},
      {dsFontOptions, 0, DictText(CTW_ID_EDIT_FONT_OPTION), true},
      {dsTimeFormat, 0, DictText(CTW_ID_EDIT_TIME_INTERVALS_AS_DHMS), true},
      {dsLanguage, 0, DictText(CTW_ID_EDIT_LANGUAGE), true, true},
      {dsRxEnable, 0, DictText(CTW_ID_EDIT_RX), false},
      {dsLogin, 0, DictText(CTW_ID_EDIT_LOGIN), false},
      {dsLoginSup, 0, DictText(CTW_ID_EDIT_LOGIN_SUP), false},
      // The status-only signals and the settings sends repaint nothing.
      {dsTyOk, 3, L"", false},
      {dsTyKo, 3, L"", false},
      {dsTick, 0, L"", false},
      {dsFontStatus, 0, L"", false},
      {dsGraphFormat, 0, L"", false},
      {dsTraceLine, 0, L"", false},
      // The node is looked up for every signal.
      {dsRxOk, 9, L"", false, false, true},
      {dsTyKo, 9, L"", false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "signal " << c.signal << " address " << c.address);
    Frame()->SetStatusPanes(L"before");
    Frame()->SetTitle(L"old caption");
    Frame()->GetMenuBar()->SetMenuLabel(0, L"stale");
    Settle(view_->Window(), &paints_);
    paints_ = 0;
    if (c.throws) {
      EXPECT_THROW(Std().EmitDocSignal(c.address, c.signal), std::invalid_argument);
    } else {
      EXPECT_NO_THROW(Std().EmitDocSignal(c.address, c.signal));
    }
    Settle(view_->Window(), &paints_);
    EXPECT_EQ(Pane(view_), c.pane.empty() ? L"before" : c.pane);
    EXPECT_EQ(Frame()->GetTitle().ToStdWstring(), c.retitled ? title : L"old caption");
    EXPECT_EQ(Frame()->GetMenuBar()->GetMenuLabelText(0).ToStdWstring() == DictText(CTW_POP_File), c.retitled);
    EXPECT_EQ(paints_ > 0, c.repaint);
    // Every paint draws every instrument, inactive ones included.
    if (c.repaint) {
      EXPECT_EQ(rows_, 3);
    }
  }
}

TEST_F(OptionsView, TheTableFollowsTheNetworkAndAnEmptyOneHasOnlyItsHeader) {
  const wxSize before = view_->GetImpl()->ContentSize(false);
  const int cy = view_->GetImpl()->CharSize().GetHeight();
  EXPECT_LT(cy, 0);
  const int header = view_->GetImpl()->HeaderLines();
  EXPECT_GE(header, 1);
  EXPECT_EQ(before.GetHeight(), 10 - (3 + 1 + header) * cy);
  // As wide as the nominal table, or as its last column needs.
  EXPECT_GE(before.GetWidth(), view_->GetImpl()->XPos(4100));
  EXPECT_GE(before.GetWidth(), view_->GetImpl()->ColumnEnd(OptView::Impl::ColumnCount - 1));
  Net().ErasePresent(3);
  Net().ErasePresent(5);
  Net().ErasePresent(12);
  Std().EmitDocSignal(12, dsRemoveInstr);
  Settle(view_->Window(), &paints_);
  EXPECT_EQ(rows_, 0);
  EXPECT_EQ(view_->GetImpl()->ContentSize(false).GetHeight(), 10 - (1 + view_->GetImpl()->HeaderLines()) * cy);
}

// A paint draws the rows its region touches: a whole window's worth, not
// the whole network; scrolled to the end, the last instrument shows.
TEST_F(OptionsView, APaintDrawsTheRowsItsRegionTouchesAndScrollingShowsTheRest) {
  for (int a = 20; a < 220; ++a) Add(a, L"Room " + std::to_wstring(a));
  Std().EmitDocSignal(20, dsAddInstr);
  Settle(view_->Window(), &paints_);
  const int nodes = static_cast<int>(Net().Size());
  view_->Window()->Refresh();
  Settle(view_->Window(), &paints_);
  EXPECT_GT(rows_, 5);
  EXPECT_LT(rows_, nodes);

  TableWindow* window = view_->Window();
  int unitX = 0, unitY = 0;
  window->GetScrollPixelsPerUnit(&unitX, &unitY);
  ASSERT_GT(unitY, 0);
  window->Scroll(0, window->GetVirtualSize().GetHeight() / unitY);
  Settle(view_->Window(), &paints_);
  const OptView::Impl& impl = *view_->GetImpl();
  const int cy = impl.CharSize().GetHeight();
  // The last instrument's line, as client pixels.
  const int line = impl.HeaderLines() + nodes - 1;
  const wxRect last = view_->LogicalToClient(impl.ColumnX(0), line * cy - 10, impl.ColumnX(3), (line + 1) * cy - 10);
  ASSERT_GE(last.GetTop(), 0);
  ASSERT_LE(last.GetBottom(), window->GetClientSize().GetHeight());
  const wxImage shot = Platform::WindowImage(*window);
  ASSERT_TRUE(shot.IsOk());
  shot.SaveFile((TestSupport::ArtifactDir() / "options-scrolled-to-end.png").string(), wxBITMAP_TYPE_PNG);
  int ink = 0;
  for (int y = std::max(0, last.GetTop()); y < std::min(shot.GetHeight(), last.GetBottom()); ++y)
    for (int x = std::max(0, last.GetLeft()); x < std::min(shot.GetWidth(), last.GetRight()); ++x)
      ink += shot.GetRed(x, y) < 128;
  EXPECT_GT(ink, 10);
}

}  // namespace

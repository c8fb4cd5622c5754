// The serial troubleshooting view: its signals, the rows a trace signal
// repaints, every drawn row's line, and closing it.
#include <gtest/gtest.h>

#include <stdexcept>

#include "document/gui/ChildFrm.h"
#include "document/gui/MainFrameBase.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "platform/gui/ProgramIds.h"
#include "tests/support/GuiTest.h"
#include "tests/views/tables/TableViewsFixture.h"
#include "views/tables/SerView.h"

namespace {

using namespace PardeloStravon;
using namespace Platform;

class SerialView : public TestSupport::TableViewsFixture {
 protected:
  void SetUp() override {
    TableViewsFixture::SetUp();
    Add(3, L"Cold room 3");
    Add(9, L"Gone 9");
    Net().ErasePresent(9);
    main_->RouteCommand(ID_EDIT_TROUBLESHOOT_S_COMM);
    TestSupport::PumpEvents();
    view_ = Find<SerView>();
    ASSERT_NE(view_, nullptr);
    view_->SetPaintProbe([this](bool full, const std::vector<std::pair<int, std::wstring>>& rows) {
      ++log_.paints;
      if (full) ++log_.fullPaints;
      for (const auto& row : rows) {
        log_.rows.insert(row.first);
        // Each drawn row shows the line the ring's order gives it.
        const SerialRing& ring = view_->GetImpl()->Ring();
        const unsigned n = static_cast<unsigned>(Std().TraceLineCount());
        EXPECT_EQ(row.second, Std().TraceLine(static_cast<int>(ring.LineAt(row.first, n)))) << "row " << row.first;
      }
    });
    view_->Window()->Refresh();
    Settle(view_->Window(), &log_.paints);
    log_.Clear();
  }
  void TearDown() override {
    if (view_) view_->SetPaintProbe(nullptr);
    TableViewsFixture::TearDown();
  }
  ChildFrm* Frame() { return dynamic_cast<ChildFrm*>(view_->GetFrame()); }
  // A serial text and its signal, as the serial layer's sink sends them.
  void Trace(const std::wstring& text) {
    const bool dropped = Std().TraceAppend(text);
    Std().EmitDocSignal(0, dropped ? dsTraceLine : dsTraceText);
  }

  SerView* view_ = nullptr;
  TestSupport::PaintLog log_;
};

TEST_F(SerialView, EverySignalSetsThePaneRepaintsAndRetitlesAsItsKindSays) {
  const std::wstring title = Frame()->GetTitle().ToStdWstring();
  const std::wstring trace = DictText(CTW_Serial_Line_Troubleshooting);
  auto named = [](const wchar_t* prefix, const std::wstring& token) { return prefix + DictText(token); };
  enum Repaint { none, rows, whole };
  const struct Case {
    DocSignal signal;
    int address;
    std::wstring pane;  // empty: unchanged
    Repaint repaint;
    bool retitled = false;
    bool throws = false;
  } cases[] = {
      {dsRxOk, 3, named(L"3 - Cold room 3: ", CTW_RX_OK), none},
      {dsTyOk, 3, named(L"3 - Cold room 3: ", CTW_TY_OK), none},
      {dsRhKo, 3, named(L"3 - Cold room 3: ", CTW_RH_KO), none},
      {dsLanguage, 0, DictText(CTW_ID_EDIT_LANGUAGE), none, true},
      {dsLoginSup, 0, DictText(CTW_ID_EDIT_LOGIN_SUP), none},
      {dsFontStatus, 0, DictText(CTW_ID_EDIT_FONTFORSTATUS), whole},
      {dsTraceText, 0, trace, rows},
      {dsTraceLine, 0, trace, rows},
      // Signals it does not show: no pane, and no lookup of the node.
      {dsTyKo, 9, L"", none},
      {dsPrinted, 9, L"", none},
      {dsTick, 0, L"", none},
      {dsEditInstr, 3, L"", none},
      {dsRxOk, 9, L"", none, false, true},
      {dsRxOk, -1, L"", none, false, true},
      {dsTraceText, 256, L"", none, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "signal " << c.signal << " address " << c.address);
    Std().TraceAppend(L"\nline before the signal");
    Frame()->SetStatusPanes(L"before");
    Frame()->SetTitle(L"old caption");
    Frame()->GetMenuBar()->SetMenuLabel(0, L"stale");
    Settle(view_->Window(), &log_.paints);
    log_.Clear();
    // Straight to the view: the options view beside it looks every node up.
    SerView::Impl& impl = *view_->GetImpl();
    if (c.throws) {
      EXPECT_THROW(impl.OnSignal(c.address, c.signal), std::exception);
    } else {
      EXPECT_NO_THROW(impl.OnSignal(c.address, c.signal));
    }
    Settle(view_->Window(), &log_.paints);
    EXPECT_EQ(Pane(view_), c.pane.empty() ? L"before" : c.pane);
    EXPECT_EQ(Frame()->GetTitle().ToStdWstring(), c.retitled ? title : L"old caption");
    EXPECT_EQ(Frame()->GetMenuBar()->GetMenuLabelText(0).ToStdWstring() == DictText(CTW_POP_File), c.retitled);
    switch (c.repaint) {
      case none: EXPECT_EQ(log_.paints, 0); break;
      case rows: EXPECT_EQ(log_.fullPaints, 0); EXPECT_GE(log_.paints, 1); break;
      case whole: EXPECT_GE(log_.fullPaints, 1); break;
    }
  }
}

TEST_F(SerialView, ATraceSignalRepaintsTheRowsOfTheLinesItStartedAndTheNewestIsAtTheCursor) {
  Trace(L"first");
  Settle(view_->Window(), &log_.paints);
  log_.Clear();
  // Not full: from the cursor row to the new last row.
  Trace(L"\nsecond\nthird");
  Settle(view_->Window(), &log_.paints);
  EXPECT_EQ(log_.fullPaints, 0);
  const int n = Std().TraceLineCount();
  EXPECT_EQ(log_.rows, (std::set<int>{n - 3, n - 2, n - 1}));
  EXPECT_EQ(view_->GetImpl()->Ring().CursorRow(), static_cast<unsigned>(n - 1));
  // A text that only lengthens the newest line repaints the cursor row.
  log_.Clear();
  Trace(L" more");
  Settle(view_->Window(), &log_.paints);
  EXPECT_EQ(log_.rows, std::set<int>{n - 1});
}

TEST_F(SerialView, AFullTraceWrapsTheCursorAndDrawsEveryRowWithItsLine) {
  // Fill the trace to its 10000 lines, then two texts that start lines.
  std::wstring text;
  for (int i = 0; Std().TraceLineCount() + i < 10000; ++i) text += L"\nfill " + std::to_wstring(i);
  Trace(text);
  Settle(view_->Window(), &log_.paints);
  ASSERT_EQ(Std().TraceLineCount(), 10000);
  const unsigned cursor = view_->GetImpl()->Ring().CursorRow();
  EXPECT_EQ(cursor, 9999u);
  log_.Clear();
  Trace(L"\nwrapped\nto row 1");
  EXPECT_EQ(view_->GetImpl()->Ring().DirtyBands(10000), (std::vector<std::pair<unsigned, unsigned>>{{9999, 9999}, {0, 1}}));
  Settle(view_->Window(), &log_.paints);
  EXPECT_EQ(view_->GetImpl()->Ring().CursorRow(), 1u);
  // Rows 0 and 1 are within the window: both new lines were drawn there.
  EXPECT_TRUE(log_.rows.count(0) && log_.rows.count(1));
  // The troubleshooting switch's line comes without a signal: a repaint
  // still puts every line in its row.
  Std().TraceAppend(L"\nswitch line");
  log_.Clear();
  view_->Window()->Refresh();
  Settle(view_->Window(), &log_.paints);
  EXPECT_GE(log_.fullPaints, 1);
  EXPECT_EQ(view_->GetImpl()->Ring().CursorRow(), 2u);
}

TEST_F(SerialView, ClosingTheViewSwitchesTroubleshootingOffAndKeepsTheTrace) {
  EXPECT_TRUE(Std().NetOpt().TroubleshootSerial());
  const int lines = Std().TraceLineCount();
  ASSERT_GT(lines, 0);  // the switch's own line
  view_->GetFrame()->Close();
  TestSupport::PumpEvents();
  view_ = nullptr;
  EXPECT_FALSE(Std().NetOpt().TroubleshootSerial());
  EXPECT_GE(Std().TraceLineCount(), lines);
  EXPECT_NO_THROW(Std().EmitDocSignal(0, dsTraceText));
}

}  // namespace

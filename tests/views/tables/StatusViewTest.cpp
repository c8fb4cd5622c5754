// The status view: what each document signal does to pane 0, the caption,
// the menu and the paints; which rows a paint draws; the colours of the
// cells.
#include <gtest/gtest.h>

#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/stattext.h>

#include <algorithm>
#include <functional>
#include <set>
#include <stdexcept>

#include "document/QziDocIMFC.h"
#include "document/gui/ChildFrm.h"
#include "document/gui/MainFrameBase.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/core/Assert.h"
#include "foundation/gui/TextDrawing.h"
#include "network/schedule/StatusTexts.h"
#include "platform/gui/ProgramIds.h"
#include "tests/support/GuiTest.h"
#include "tests/views/tables/TableViewsFixture.h"
#include "views/tables/StsView.h"

namespace {

using namespace PardeloStravon;
using namespace Platform;
using TestSupport::PaintLog;

class StatusView : public TestSupport::TableViewsFixture {
 protected:
  void SetUp() override {
    TableViewsFixture::SetUp();
    Add(3, L"Cold room 3");
    Add(5, L"Ripening 5", false);
    Add(8, L"Storage 8");
    Add(9, L"Gone 9");
    Add(12, L"Dock 12");
    // Just removed: the views were not told.
    Net().ErasePresent(9);
    main_->RouteCommand(ID_VIEW_STATUS);
    TestSupport::PumpEvents();
    view_ = Find<StsView>();
    ASSERT_NE(view_, nullptr);
    view_->SetPaintProbe([this](bool full, const std::vector<int>& rows) {
      ++log_.paints;
      if (full) ++log_.fullPaints;
      log_.rows.insert(rows.begin(), rows.end());
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

  StsView* view_ = nullptr;
  PaintLog log_;
};

enum class Repaint { none, rows, whole };

TEST_F(StatusView, EverySignalSetsThePaneRepaintsAndRetitlesAsItsKindSays) {
  const std::wstring title = Frame()->GetTitle().ToStdWstring();
  auto named = [](const wchar_t* prefix, const std::wstring& token) { return prefix + DictText(token); };
  const struct Case {
    DocSignal signal;
    int address;
    std::wstring pane;  // empty: unchanged
    Repaint repaint;
    bool retitled = false;
    bool throws = false;
  } cases[] = {
      {dsRxOk, 3, named(L"3 - Cold room 3: ", CTW_RX_OK), Repaint::rows},
      {dsRgKo, 12, named(L"12 - Dock 12: ", CTW_RG_KO), Repaint::rows},
      {dsTyOk, 8, named(L"8 - Storage 8: ", CTW_TY_OK), Repaint::rows},
      // A failed send is reported as a successful one is.
      {dsTyKo, 8, named(L"8 - Storage 8: ", CTW_TY_KO), Repaint::rows},
      {dsRhOk, 5, named(L"5 - Ripening 5: ", CTW_RH_OK), Repaint::none},  // inactive: no row
      {dsRxKo, 0, DictText(CTW_RX_KO), Repaint::whole},
      {dsRxOk, 9, L"", Repaint::none, false, true},
      {dsLanguage, 0, DictText(CTW_ID_EDIT_LANGUAGE), Repaint::whole, true},
      {dsEditInstr, 3, named(L"3 - Cold room 3: ", CTW_ID_EDIT_EDIT), Repaint::whole},
      {dsAddInstr, 12, named(L"12 - Dock 12: ", CTW_ID_EDIT_ADD), Repaint::whole},
      {dsRemoveInstr, 9, named(L"9: ", CTW_ID_EDIT_REMOVE), Repaint::whole},
      {dsFontStatus, 0, DictText(CTW_ID_EDIT_FONTFORSTATUS), Repaint::whole},
      {dsRxEnable, 0, DictText(CTW_ID_EDIT_RX), Repaint::none},
      {dsLogin, 0, DictText(CTW_ID_EDIT_LOGIN), Repaint::none},
      {dsLoginSup, 0, DictText(CTW_ID_EDIT_LOGIN_SUP), Repaint::none},
      {dsTick, 0, L"", Repaint::none},
      {dsPrinted, 3, L"", Repaint::none},
      {dsPrinted, 9, L"", Repaint::none, false, true},
      {dsTraceLine, 0, L"", Repaint::none},
      {dsFontOptions, 0, L"", Repaint::none},
      {dsRxOk, -1, L"", Repaint::none, false, true},
      {dsRxOk, 256, L"", Repaint::none, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "signal " << c.signal << " address " << c.address);
    Frame()->SetStatusPanes(L"before");
    Frame()->SetTitle(L"old caption");
    Settle(view_->Window(), &log_.paints);
    log_.Clear();
    Frame()->GetMenuBar()->SetMenuLabel(0, L"stale");
    if (c.throws) {
      EXPECT_THROW(Std().EmitDocSignal(c.address, c.signal), std::exception);
    } else {
      EXPECT_NO_THROW(Std().EmitDocSignal(c.address, c.signal));
    }
    Settle(view_->Window(), &log_.paints);
    EXPECT_EQ(Pane(view_), c.pane.empty() ? L"before" : c.pane);
    EXPECT_EQ(Frame()->GetTitle().ToStdWstring(), c.retitled ? title : L"old caption");
    EXPECT_EQ(Frame()->GetMenuBar()->GetMenuLabelText(0).ToStdWstring() == DictText(CTW_POP_File), c.retitled);
    switch (c.repaint) {
      case Repaint::none: EXPECT_EQ(log_.paints, 0); break;
      case Repaint::rows:
        EXPECT_EQ(log_.fullPaints, 0);
        EXPECT_EQ(log_.rows, std::set<int>{c.address});
        break;
      case Repaint::whole:
        EXPECT_GE(log_.fullPaints, 1);
        EXPECT_EQ(log_.rows, (std::set<int>{3, 8, 12}));
        break;
    }
  }
}

TEST_F(StatusView, ThreeResultsBeforeOnePaintRedrawExactlyThoseRows) {
  // The panes redraw at once, and on this toolkit that paints every window
  // of the frame beside them: hidden, they leave the strips to one paint.
  for (wxWindow* child : Frame()->GetChildren())
    if (dynamic_cast<wxStaticText*>(child)) child->Hide();
  Settle(view_->Window(), &log_.paints);
  log_.Clear();
  Std().EmitDocSignal(3, dsRxOk);
  Std().EmitDocSignal(12, dsRgOk);
  Std().EmitDocSignal(8, dsRxKo);
  Settle(view_->Window(), &log_.paints);
  EXPECT_EQ(log_.paints, 1);
  EXPECT_EQ(log_.fullPaints, 0);
  EXPECT_EQ(log_.rows, (std::set<int>{3, 8, 12}));
}

TEST_F(StatusView, AnExposureRedrawsEveryRowAndMeasuresTheFontAgain) {
  const wxSize before = view_->GetImpl()->CharSize();
  // A larger status font, changed without its signal: only a whole paint
  // measures it.
  Fonts().sLF_ = [] {
    LOGFONTW lf{};
    lf.lfHeight = -54;
    return lf;
  }();
  Std().EmitDocSignal(3, dsRxOk);
  Settle(view_->Window(), &log_.paints);
  EXPECT_EQ(view_->GetImpl()->CharSize(), before);
  log_.Clear();
  view_->Window()->Refresh();
  Settle(view_->Window(), &log_.paints);
  EXPECT_GE(log_.fullPaints, 1);
  EXPECT_EQ(log_.rows, (std::set<int>{3, 8, 12}));
  EXPECT_LT(view_->GetImpl()->CharSize().GetHeight(), before.GetHeight());
}

TEST_F(StatusView, InactiveInstrumentsLeaveNoGapAndTheirResultsRepaintNothing) {
  Std().EmitDocSignal(5, dsRxOk);
  Settle(view_->Window(), &log_.paints);
  EXPECT_EQ(log_.paints, 0);
  EXPECT_FALSE(view_->GetImpl()->UpToDate(5));
  // Row k of the k-th active instrument: 3, 8, 12 are rows 1, 2, 3.
  const int cy = view_->GetImpl()->CharSize().GetHeight();
  const wxRect second = view_->LogicalToClient(0, 2 * cy - 10, 10, 3 * cy - 9);
  const wxRect third = view_->LogicalToClient(0, 3 * cy - 10, 10, 4 * cy - 9);
  wxRegion seen;
  std::vector<int> drawn;
  view_->SetPaintProbe([&](bool, const std::vector<int>& rows) {
    seen.Union(view_->Window()->GetUpdateRegion());
    drawn.insert(drawn.end(), rows.begin(), rows.end());
  });
  Std().EmitDocSignal(12, dsRxOk);
  Settle(view_->Window());
  EXPECT_EQ(drawn, std::vector<int>{12});
  EXPECT_NE(seen.Contains(third.GetLeft() + 3, third.GetTop() + third.GetHeight() / 2), wxOutRegion);
  EXPECT_EQ(seen.Contains(second.GetLeft() + 3, second.GetTop() + second.GetHeight() / 2), wxOutRegion);
}

TEST_F(StatusView, CloseStatusAndCatchMyTestLogTheirLinesAndTheBoxSaysOk) {
  main_->RouteCommand(134);
  EXPECT_NE(activity_.Text().find(L" CatchMyTest OK!!!\n"), std::wstring::npos);
  ASSERT_EQ(shell_.boxes.size(), 1u);
  EXPECT_EQ(shell_.boxes[0], L"CatchMyTest OK!!!");
  const int children = ChildCount();
  main_->RouteCommand(ID_VIEW_CLOSE_STATUS);
  TestSupport::PumpEvents();
  view_ = nullptr;
  EXPECT_NE(activity_.Text().find(L" StatusView closure menu invocation\n"), std::wstring::npos);
  EXPECT_EQ(ChildCount(), children - 1);
  EXPECT_EQ(Find<StsView>(), nullptr);
  // No signal reaches the closed view.
  EXPECT_NO_THROW(Std().EmitDocSignal(3, dsRxOk));
}

// One row per link state, with alarm 0 and with an alarm.
TEST_F(StatusView, EachCellIsDrawnInTheColourOfItsLinkStateAndAlarm) {
  const COLORREF grey = RGB(128, 128, 128), yellow = RGB(224, 224, 0), red = RGB(255, 0, 0),
                 green = RGB(0, 128, 0), black = RGB(0, 0, 0);
  const struct {
    int link, alarm;
    COLORREF linkColor, alarmColor, statusColor;
  } rows[] = {
      {0, 0, grey, grey, grey},     {0, 4, grey, grey, grey},     {1, 0, yellow, grey, grey},
      {1, 4, yellow, grey, grey},   {2, 0, red, grey, grey},      {2, 4, red, grey, grey},
      {3, 0, green, green, black},  {3, 4, green, red, black},    {4, 0, yellow, green, black},
      {4, 4, yellow, red, black},   {5, 0, red, green, black},    {5, 4, red, red, black},
  };
  Fonts().sLF_ = [] {
    LOGFONTW lf{};
    lf.lfHeight = -60;
    lf.lfWeight = 700;
    return lf;
  }();
  wxBitmap bitmap(1600, 1400, 24);
  wxMemoryDC dc(bitmap);
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  StsView::Impl& impl = *view_->GetImpl();
  {
    DrawSurface surface(dc);
    surface.SetMapMode(MM_LOMETRIC);
    impl.Measure(surface);
    FontSelector font(surface, Fonts().sLF_, RGB(0, 0, 0));
    CellWriter cells(surface);
    int row = 1;
    for (const auto& r : rows)
      impl.DrawRow(cells, false, row++, L"NNN", r.link, L"LLL", r.alarm, L"AAA", L"SSS");
  }
  dc.SelectObject(wxNullBitmap);
  wxImage image = bitmap.ConvertToImage();
  const auto shot = TestSupport::ArtifactDir() / "status-colours.png";
  image.SaveFile(shot.string(), wxBITMAP_TYPE_PNG);
  const double s = DrawSurface(dc).Ppi().GetWidth() / 254.0;
  const int cy = impl.CharSize().GetHeight();
  auto cellHas = [&](int row, int fromCol, int toCol, COLORREF color) {
    const int y0 = static_cast<int>(-(row * cy - 10) * s), y1 = static_cast<int>(-((row + 1) * cy - 10) * s);
    const int x0 = static_cast<int>(impl.XPos(fromCol) * s), x1 = static_cast<int>(impl.XPos(toCol) * s);
    for (int y = y0; y < y1 && y < image.GetHeight(); ++y)
      for (int x = x0; x < x1 && x < image.GetWidth(); ++x)
        if (RGB(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)) == color) return true;
    return false;
  };
  int row = 1;
  for (const auto& r : rows) {
    SCOPED_TRACE(testing::Message() << "link " << r.link << " alarm " << r.alarm);
    EXPECT_TRUE(cellHas(row, 20, 360, black)) << "name";
    EXPECT_TRUE(cellHas(row, 360, 530, r.linkColor)) << "link";
    EXPECT_TRUE(cellHas(row, 530, 930, r.alarmColor)) << "alarm";
    EXPECT_TRUE(cellHas(row, 930, 1300, r.statusColor)) << "status";
    for (COLORREF other : {grey, yellow, red, green}) {
      if (other != r.linkColor) {
        EXPECT_FALSE(cellHas(row, 360, 530, other)) << "link";
      }
    }
    ++row;
  }
}

// Each cell's text ends before the next column, in both languages: a long
// name, the link text of an intermittent link and a long alarm text.
TEST_F(StatusView, EachCellIsCutWhereItsColumnEnds) {
  const COLORREF yellow = RGB(224, 224, 0), green = RGB(0, 128, 0), black = RGB(0, 0, 0);
  StsView::Impl& impl = *view_->GetImpl();
  for (std::size_t language : {std::size_t(0), std::size_t(1)}) {
    SCOPED_TRACE(testing::Message() << "language " << language);
    Std().SetLanguage(language);
    wxBitmap bitmap(1600, 300, 24);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    const std::wstring link = LinkText(Node::int_link);
    int linkWidth = 0;
    {
      DrawSurface surface(dc);
      surface.SetMapMode(MM_LOMETRIC);
      impl.Measure(surface);
      FontSelector font(surface, Fonts().sLF_, black);
      linkWidth = TextExtent(surface, link).GetWidth();
      CellWriter cells(surface);
      impl.DrawRow(cells, false, 1, L"Ripening room of the north wing, second floor", Node::int_link, link, 0,
                   L"No alarm, no alarm, no alarm, no alarm, no alarm, no alarm", L"");
    }
    dc.SelectObject(wxNullBitmap);
    const wxImage image = bitmap.ConvertToImage();
    image.SaveFile((TestSupport::ArtifactDir() / ("status-cut-cells-" + std::to_string(language) + ".png")).string(),
                   wxBITMAP_TYPE_PNG);
    // The same on the view, for the eye.
    Net().GetPresent(3).UpdateState([](NodeSt& st) { st.link_ = Node::int_link; });
    Std().EmitDocSignal(3, dsRxOk);
    Settle(view_->Window());
    EXPECT_FALSE(TestSupport::SaveWindowShot(*Frame(), "status-intermittent-" + std::to_string(language)).empty());
    // The text did not fit its column: it is the case at hand.
    if (language == 1) {
      EXPECT_GT(impl.XPos(360) + linkWidth, impl.XPos(530));
    }
    const double s = DrawSurface(dc).Ppi().GetWidth() / 254.0;
    auto px = [&](int logical) { return static_cast<int>(logical * s); };
    const int cy = impl.CharSize().GetHeight();
    const int y0 = px(-(cy - 10)), y1 = px(-(2 * cy - 10));
    // Each colour only between its column's start and the next column.
    const struct {
      const char* cell;
      COLORREF color;
      int from, to;
    } cells[] = {{"name", black, 20, 360}, {"link", yellow, 360, 530}, {"alarm", green, 530, 930}};
    // Small text is smoothed into the white: tell the inks by their hue.
    auto nearest = [&](int x, int y) {
      const int r = image.GetRed(x, y), g = image.GetGreen(x, y), b = image.GetBlue(x, y);
      if (r + g + b > 3 * 235) return -1;
      if (std::max({r, g, b}) - std::min({r, g, b}) < 25) return r + g + b < 3 * 200 ? 0 : -1;  // black
      if (b + 40 < r && b + 40 < g && std::abs(r - g) < 40) return 1;  // yellow
      if (g > r + 25 && g > b + 25) return 2;                          // green
      return -1;
    };
    for (int i = 0; i < 3; ++i) {
      const auto& c = cells[i];
      SCOPED_TRACE(c.cell);
      int inside = 0, outside = 0;
      for (int y = y0; y < y1 && y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x) {
          if (nearest(x, y) != i) continue;
          (x >= px(impl.XPos(c.from)) && x < px(impl.XPos(c.to))) ? ++inside : ++outside;
        }
      EXPECT_GT(inside, 0);
      EXPECT_EQ(outside, 0);
    }
  }
}

}  // namespace

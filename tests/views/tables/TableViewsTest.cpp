// The three views under the real frames: what they show on a document with
// instruments.
#include <gtest/gtest.h>

#include <wx/wx.h>
#include <wx/aui/tabmdi.h>

#include <algorithm>
#include <vector>

#include "document/gui/ChildFrm.h"
#include "document/gui/MainFrameBase.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/core/TextConv.h"
#include "foundation/gui/TextDrawing.h"
#include "platform/gui/ProgramIds.h"
#include "tests/support/GuiTest.h"
#include "tests/views/tables/TableViewsFixture.h"
#include "views/tables/OptView.h"
#include "views/tables/SerView.h"
#include "views/tables/StsView.h"

namespace {

using namespace PardeloStravon;
using namespace Platform;
using TestSupport::PumpEvents;

class TableViews : public TestSupport::TableViewsFixture {};

TEST_F(TableViews, EachViewOpensOnADocumentWithSeveralInstruments) {
  Add(3, L"Cold room 3");
  Add(7, L"Ripening 7", false);
  Add(12, L"Storage 12");
  Std().EmitDocSignal(12, dsAddInstr);
  const struct {
    int command;
    const char* shot;
    const std::wstring* caption;
  } cases[] = {
      {ID_VIEW_OPTIONS, "options-view", &CTW_Options_Title},
      {ID_VIEW_STATUS, "status-view", &CTW_Status_Title},
      {ID_EDIT_TROUBLESHOOT_S_COMM, "serial-view", &CTW_Serial_Line_Troubleshooting_Title},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shot);
    main_->RouteCommand(c.command);
    PumpEvents();
    ChildFrm* frame = dynamic_cast<ChildFrm*>(main_->GetActiveChild());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetTitle().ToStdWstring(), DictText(*c.caption) + doc_->GetTitle().ToStdWstring());
    EXPECT_FALSE(TestSupport::SaveWindowShot(*main_, c.shot).empty());
  }
}

// The options table's header on screen, in both languages: no header text
// runs into another (each line measured as drawn), every word of each
// header is there, and the table scrolls sideways to its last column.
TEST_F(TableViews, TheOptionsHeaderTakesTheLinesItNeedsAndTheTableScrollsToItsLastColumn) {
  Add(3, L"Cold room 3");
  Add(12, L"Storage room 12 of the north wing");
  Std().EmitDocSignal(12, dsAddInstr);
  OptView* view = Find<OptView>();
  ASSERT_NE(view, nullptr);
  static_cast<wxAuiMDIChildFrame*>(view->GetFrame())->Activate();
  for (std::size_t language : {std::size_t(0), std::size_t(1)}) {
    SCOPED_TRACE(testing::Message() << "language " << language);
    Std().SetLanguage(language);
    view->Window()->Scroll(0, 0);
    Settle(view->Window());
    const OptView::Impl& impl = *view->GetImpl();
    wxClientDC dc(view->Window());
    DrawSurface surface(dc);
    surface.SetMapMode(MM_LOMETRIC);
    FontSelector font(surface, Fonts().oLF_, RGB(0, 0, 0));
    const int cy = impl.CharSize().GetHeight();
    std::vector<std::pair<wxRect, std::wstring>> boxes;
    int lines = 1;
    for (int i = 0; i < OptView::Impl::ColumnCount; ++i) {
      std::wstring joined;
      int y = 0;
      for (const std::wstring& line : impl.HeaderText(i)) {
        const wxSize extent = surface.TextExtent(line);
        EXPECT_LE(impl.ColumnX(i) + extent.GetWidth(), impl.ColumnEnd(i)) << ToUtf8(line);
        boxes.emplace_back(wxRect(impl.ColumnX(i), y, extent.GetWidth(), extent.GetHeight()), line);
        joined += (joined.empty() ? L"" : L" ") + line;
        y += -cy;
      }
      lines = std::max(lines, static_cast<int>(impl.HeaderText(i).size()));
      EXPECT_EQ(joined, DictText(OptView::Impl::HeaderToken(i)));
    }
    for (std::size_t a = 0; a < boxes.size(); ++a)
      for (std::size_t b = a + 1; b < boxes.size(); ++b)
        EXPECT_FALSE(boxes[a].first.Intersects(boxes[b].first))
            << ToUtf8(boxes[a].second) << " / " << ToUtf8(boxes[b].second);
    EXPECT_EQ(impl.HeaderLines(), lines);
    EXPECT_FALSE(TestSupport::SaveWindowShot(*view->GetFrame(), "options-header-" + std::to_string(language)).empty());

    // Wider than its window: scrolled to the right end, the last column's
    // text lies inside the window.
    TableWindow* window = view->Window();
    const double s = TableView::WindowScale();
    const int tableRight = static_cast<int>(impl.ColumnEnd(OptView::Impl::ColumnCount - 1) * s);
    ASSERT_GT(tableRight, window->GetClientSize().GetWidth());
    EXPECT_GE(window->GetVirtualSize().GetWidth(), tableRight);
    int unitX = 0, unitY = 0;
    window->GetScrollPixelsPerUnit(&unitX, &unitY);
    ASSERT_GT(unitX, 0);
    window->Scroll(window->GetVirtualSize().GetWidth() / unitX, 0);
    Settle(window);
    int viewX = 0, viewY = 0;
    window->GetViewStart(&viewX, &viewY);
    EXPECT_LE(tableRight - viewX * unitX, window->GetClientSize().GetWidth());
    EXPECT_GT(viewX, 0);
    EXPECT_FALSE(TestSupport::SaveWindowShot(*view->GetFrame(), "options-scrolled-right-" + std::to_string(language)).empty());
  }
}

}  // namespace

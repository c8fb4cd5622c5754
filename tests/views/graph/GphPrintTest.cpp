// Printing the graph: the one page on the print target, the print-only
// graph that never shows, the preview, failures, and the periodic print.
#include <gtest/gtest.h>

#include <wx/aui/auibook.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/prntbase.h>

#include <cstdlib>
#include <filesystem>

#include "document/QziDocIStd.h"
#include "document/gui/ChildFrm.h"
#include "document/gui/MainFrameBase.h"
#include "foundation/core/TimeStamp.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/Node.h"
#include "network/schedule/GraphPasses.h"
#include "platform/gui/PrintTarget.h"
#include "platform/gui/ResourceIds.h"
#include "tests/support/GuiTest.h"
#include "tests/support/NoPrintServer.h"
#include "tests/support/PdfFiles.h"
#include "tests/views/graph/GraphFixture.h"

namespace {

using namespace PardeloStravon;
using TestSupport::GraphFixture;
using TestSupport::PumpEvents;

constexpr int Address = 5;

// The smallest rectangle holding every pixel that is not near white.
wxRect Inked(const wxImage& image) {
  int left = image.GetWidth(), top = image.GetHeight(), right = -1, bottom = -1;
  for (int y = 0; y < image.GetHeight(); ++y)
    for (int x = 0; x < image.GetWidth(); ++x)
      if (image.GetRed(x, y) < 235 || image.GetGreen(x, y) < 235 || image.GetBlue(x, y) < 235) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  return right < 0 ? wxRect() : wxRect(wxPoint(left, top), wxPoint(right, bottom));
}

class GphPrintTest : public GraphFixture {
 protected:
  void SetUp() override {
    GraphFixture::SetUp();
    node_ = &AddInstrument(Address, L"Cold room", Minutes(150));
  }
  QziDocIStd& Std() { return Doc().Std(); }
  Node* node_ = nullptr;
};

TEST_F(GphPrintTest, PrintOnlyGraph_IsNoTabAndNeverShows) {
  const int tabs = ChildCount();
  GphView* view = Open(Address, T0, T0 + 9000, false, true);
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->Frame(), nullptr);
  ASSERT_NE(view->HostWindow(), nullptr);
  EXPECT_FALSE(view->HostWindow()->IsShown());
  EXPECT_EQ(ChildCount(), tabs);
  // It never draws on the screen and ignores the document.
  Draw(*view);
  EXPECT_EQ(view->GetImpl()->reads_, 0);
  view->GetImpl()->CloseFrame();
  PumpEvents();
  EXPECT_EQ(GraphViewCount(), 0);
}

TEST_F(GphPrintTest, PrintGraphic_ToPdf_OnePageWithThePlotInsideTheMarginsAndNoTab) {
  const std::string pdf = (TestSupport::ArtifactDir() / "graph-printed.pdf").string();
  std::filesystem::remove(pdf);
  Platform::SetPrintToFile(pdf);
  const int tabs = ChildCount();
  int pageChanges = 0;
  main_->GetNotebook()->Bind(wxEVT_AUINOTEBOOK_PAGE_CHANGED, [&](wxAuiNotebookEvent& e) {
    ++pageChanges;
    e.Skip();
  });

  EXPECT_TRUE(GphView::PrintGraphic(Address, &Doc(), T0, T0 + 9000));
  EXPECT_EQ(ChildCount(), tabs);
  PumpEvents();
  EXPECT_EQ(pageChanges, 0);
  EXPECT_EQ(GraphViewCount(), 0);  // printed once and gone
  EXPECT_EQ(errors_.Text(), L"");

  ASSERT_EQ(TestSupport::PdfPageCount(pdf), 1);
  constexpr int ppi = 60;
  const wxImage page = TestSupport::RasterizePdf(pdf, ppi);
  ASSERT_TRUE(page.IsOk());
  const wxRect inked = Inked(page);
  ASSERT_FALSE(inked.IsEmpty()) << "a blank page";
  // Within the margins of the page setup's printable area.
  const Platform::PageGeometry g = Platform::PageSetupGeometry(wxSize(ppi, ppi));
  const PrintMargins m = PagePrintArea(g);
  EXPECT_GE(inked.GetLeft(), m.left * ppi - 2);
  EXPECT_GE(inked.GetTop(), m.top * ppi - 2);
  EXPECT_LE(inked.GetRight(), page.GetWidth() - m.right * ppi + 2);
  EXPECT_LE(inked.GetBottom(), page.GetHeight() - m.bottom * ppi + 2);
  // And it fills most of the page.
  EXPECT_GT(inked.width, page.GetWidth() * 3 / 4);
  EXPECT_GT(inked.height, page.GetHeight() * 3 / 4);
}

TEST_F(GphPrintTest, PrintGraphic_Failures_ReturnFalseAndLog) {
  struct Case {
    const char* what;
    QziDoc* doc;
    std::string pdf;  // empty: the system's printing, which has no printer here
    const wchar_t* record;
  } cases[] = {
      {"no frame", nullptr, PdfPath("none.pdf"), L"Error in GphView::NewGraphic() creating pNF\n"},
      {"no printer", &Doc(), "", L"Error in GphView::PrintGraphic()\n"},
      {"a file that cannot be written", &Doc(), PdfPath("missing/folder/graph.pdf"),
       L"Error in GphView::PrintGraphic()\n"},
  };
  const TestSupport::NoPrintServer noServer(PdfPath("no-server.sock"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    errors_.Clear();
    Platform::SetPrintToFile(c.pdf);
    EXPECT_FALSE(GphView::PrintGraphic(Address, c.doc, T0, T0 + 9000));
    EXPECT_EQ(errors_.Text(), TimeStamp() + c.record);
    PumpEvents();
    EXPECT_EQ(GraphViewCount(), 0);
    EXPECT_TRUE(shell_.boxes.empty());  // the print pass runs unattended
  }
}

TEST_F(GphPrintTest, PrintPassOnADueNodePrintsThroughTheGraph) {
  const std::string pdf = PdfPath("pass.pdf");
  Platform::SetPrintToFile(pdf);
  node_->Opt().pr_ = true;
  node_->UpdateState([](NodeSt& st) { st.pn_ = static_cast<long>(T0 + 3600); });
  clock_->Set(T0 + 7201);
  Std().NetOpt().SetRxEnabled(true);
  std::vector<int> printed;
  boost::signals2::scoped_connection c = Std().ConnectDocSignal([&](int a, DocSignal s) {
    if (s == dsPrinted) printed.push_back(a);
  });
  EXPECT_TRUE(PrintPass(Std().NetOpt()));
  Std().NetOpt().SetRxEnabled(false);
  EXPECT_EQ(printed, std::vector<int>{Address});
  EXPECT_EQ(TestSupport::PdfPageCount(pdf), 1);
  EXPECT_FALSE(Inked(TestSupport::RasterizePdf(pdf, 30)).IsEmpty());
  PumpEvents();
  EXPECT_EQ(GraphViewCount(), 0);
  EXPECT_EQ(errors_.Text(), L"");
}

TEST_F(GphPrintTest, ShownGraph_PrintsThroughTheRouterAndRestylesForTheScreenAfterwards) {
  GphView* view = Open(Address, T0, T0 + 9000, false);
  ASSERT_NE(view, nullptr);
  Draw(*view);
  auto titleHeight = [view] { return view->Window()->GetRegion()->GetChild(0)->GetAxe()->GetTitle().GetFont().lfHeight; };
  const int screen = titleHeight();
  const int reads = view->GetImpl()->reads_;
  Platform::SetPrintToFile(PdfPath("shown.pdf"));
  ASSERT_EQ(main_->ActiveChildFrm(), view->Frame());
  EXPECT_TRUE(main_->RouteCommand(Platform::ID_FILE_PRINT_DIRECT));
  EXPECT_TRUE(view->LastPrintSucceeded());
  EXPECT_EQ(TestSupport::PdfPageCount(PdfPath("shown.pdf")), 1);
  EXPECT_FALSE(view->GetImpl()->busy_);
  // Styled for paper, then for the screen at the next drawing, without
  // reading again.
  Draw(*view);
  EXPECT_EQ(titleHeight(), screen);
  EXPECT_EQ(view->GetImpl()->reads_, reads);
  // Which differs from the paper's.
  view->GetImpl()->Prepare(view->Window()->GetGfxInterface(), true, wxSize(72, 72));
  EXPECT_NE(titleHeight(), screen);
  EXPECT_EQ(GraphViewCount(), 1);
}

TEST_F(GphPrintTest, ASecondPageOrAPrintWhileBusyAborts) {
  GphView* view = Open(Address, T0, T0 + 9000, false);
  ASSERT_NE(view, nullptr);
  const Platform::PageGeometry page = Platform::PageSetupGeometry(wxSize(72, 72));
  wxBitmap bitmap(page.paper, 24);
  wxMemoryDC dc(bitmap);
  EXPECT_TRUE(view->OnPrint(dc, page));
  EXPECT_TRUE(view->GetImpl()->busy_);  // until the end of printing
  EXPECT_FALSE(view->OnPrint(dc, page));
  view->OnEndPrinting();
  EXPECT_FALSE(view->GetImpl()->busy_);
  EXPECT_TRUE(view->GetImpl()->restyle_);

  // A print job while a handler runs: aborted, nothing written.
  Platform::SetPrintToFile(PdfPath("busy.pdf"));
  view->GetImpl()->SetBusy(true);
  EXPECT_TRUE(main_->RouteCommand(Platform::ID_FILE_PRINT_DIRECT));
  EXPECT_FALSE(view->LastPrintSucceeded());
  EXPECT_FALSE(std::filesystem::exists(PdfPath("busy.pdf")));
}

TEST_F(GphPrintTest, PreviewOfAShownGraphRendersItsPage) {
  GphView* view = Open(Address, T0, T0 + 9000, false);
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(main_->RouteCommand(Platform::ID_FILE_PRINT_PREVIEW));
  PumpEvents();
  wxPreviewFrame* frame = PreviewFrame();
  ASSERT_NE(frame, nullptr);
  wxPrintPreviewBase* preview = frame->GetControlBar()->GetPrintPreview();
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(preview->RenderPage(1));
  EXPECT_FALSE(view->GetImpl()->busy_);

  // Page 1 as the preview's printout draws it, at 100 pixels an inch.
  auto* printout = dynamic_cast<Platform::TargetPrintout*>(preview->GetPrintout());
  ASSERT_NE(printout, nullptr);
  const Platform::PageGeometry page = Platform::PageSetupGeometry(wxSize(100, 100));
  wxBitmap bitmap(page.paper, 24);
  {
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    ASSERT_EQ(printout->PrepareOn(dc, page), 1);
    EXPECT_TRUE(printout->PrintOn(dc, 1));
    printout->OnEndPrinting();
  }
  const std::filesystem::path png = TestSupport::ArtifactDir() / "graph-preview-page1.png";
  ASSERT_TRUE(bitmap.SaveFile(png.string(), wxBITMAP_TYPE_PNG));
  const wxRect inked = Inked(bitmap.ConvertToImage());
  EXPECT_GT(inked.width, page.paper.x / 2);
  EXPECT_GT(inked.height, page.paper.y / 2);

  frame->SetSize(900, 700);
  TestSupport::SaveWindowShot(*frame, "graph-preview");
  frame->Close(true);
  PumpEvents();
}

// The margins the printable area leaves: never less than the unprintable
// band and a hundredth of an inch, at most a millimetre and the rounding of
// two device units more.
TEST(GphPagePrintArea, MarginsCoverTheUnprintableBandInInches) {
  struct Case {
    const char* what;
    Platform::PageGeometry page;
  } cases[] = {
      {"A4 in points, 10 mm all round", {{595, 842}, {28, 28, 539, 786}, {72, 72}}},
      {"letter at 600 dpi, quarter inch", {{5100, 6600}, {150, 150, 4800, 6300}, {600, 600}}},
      {"uneven offsets at 300 dpi", {{2480, 3508}, {60, 120, 2300, 3300}, {300, 300}}},
      {"no unprintable band", {{595, 842}, {0, 0, 595, 842}, {72, 72}}},
  };
  for (const Case& c : cases) {
    const Platform::PageGeometry& g = c.page;
    const PrintMargins m = PagePrintArea(g);
    const double ppi = g.ppi.x;
    const double band[4] = {g.printable.x / ppi, (g.paper.x - g.printable.GetRight() - 1) / ppi,
                            (g.paper.y - g.printable.GetBottom() - 1) / ppi, g.printable.y / ppi};
    const float got[4] = {m.left, m.right, m.bottom, m.top};
    for (int k = 0; k < 4; ++k) {
      EXPECT_GE(got[k], band[k] + 0.01 - 1e-4) << c.what << ", side " << k;
      EXPECT_LE(got[k], band[k] + 0.01 + 1 / 25.4 + 2.5 / ppi) << c.what << ", side " << k;
    }
  }
}

}  // namespace

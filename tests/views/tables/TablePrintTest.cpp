// Printing the three tables into PDF files, read back with poppler's tools,
// and their print previews.
#include <gtest/gtest.h>

#include <wx/wx.h>
#include <wx/aui/tabmdi.h>

#include <wx/cmndata.h>
#include <wx/print.h>
#include <wx/prntbase.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <sstream>
#include <string>

#include "document/gui/MainFrameBase.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/core/TextConv.h"
#include "platform/gui/PageSetup.h"
#include "platform/gui/PrintTarget.h"
#include "platform/gui/ProgramIds.h"
#include "platform/gui/ResourceIds.h"
#include "tests/support/GuiTest.h"
#include "tests/support/NoPrintServer.h"
#include "tests/support/PdfReadback.h"
#include "tests/support/PrintQueue.h"
#include "tests/views/tables/PdfWords.h"
#include "tests/views/tables/TableViewsFixture.h"
#include "views/tables/OptView.h"
#include "views/tables/SerView.h"
#include "views/tables/StsView.h"
#include "views/tables/TableGeometry.h"

namespace {

using namespace PardeloStravon;
using namespace Platform;
using TestSupport::HasInk;
using TestSupport::PdfPageCount;
using TestSupport::PdfPageText;
using TestSupport::RasterizePdfPage;

std::string Utf8(const std::wstring& text) { return ToUtf8(text); }

// The preview a preview frame shows.
struct PreviewAccess : wxPreviewFrame {
  static wxPrintPreviewBase* Of(wxPreviewFrame& frame) { return frame.*(&PreviewAccess::m_printPreview); }
};

// Ink inside the white page of a preview canvas, away from its edges.
bool InkOnPage(const wxImage& image) {
  int left = image.GetWidth(), top = image.GetHeight(), right = -1, bottom = -1;
  for (int y = 0; y < image.GetHeight(); ++y)
    for (int x = 0; x < image.GetWidth(); ++x)
      if (image.GetRed(x, y) == 255 && image.GetGreen(x, y) == 255 && image.GetBlue(x, y) == 255) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  if (right - left < 20 || bottom - top < 20) return false;
  for (int y = top + 5; y < bottom - 5; ++y)
    for (int x = left + 5; x < right - 5; ++x)
      if (image.GetRed(x, y) < 160 && image.GetGreen(x, y) < 160 && image.GetBlue(x, y) < 160) return true;
  return false;
}

class TablePrint : public TestSupport::TableViewsFixture {
 protected:
  void SetUp() override {
    TableViewsFixture::SetUp();
    saved_ = PageSetupData();
    Paper(wxSize(210, 297), 10);
  }
  void TearDown() override {
    SetPrintToFile("");
    PageSetupData() = saved_;
    TableViewsFixture::TearDown();
  }
  // Paper in millimetres with equal margins.
  void Paper(wxSize mm, int margin) {
    const bool landscape = mm.x > mm.y;
    wxPageSetupDialogData& setup = PageSetupData();
    setup.SetPaperId(wxPAPER_NONE);
    setup.GetPrintData().SetPaperId(wxPAPER_NONE);
    setup.SetPaperSize(mm);
    setup.GetPrintData().SetPaperSize(mm);
    setup.GetPrintData().SetOrientation(landscape ? wxLANDSCAPE : wxPORTRAIT);
    setup.SetMarginTopLeft(wxPoint(margin, margin));
    setup.SetMarginBottomRight(wxPoint(margin, margin));
  }
  // The page height in table units of a table cw units wide, on the PDF's
  // page.
  int PageHeight(int contentWidth) const {
    const PageGeometry g = PageSetupGeometry(wxSize(72, 72));
    const double pw = g.printable.GetWidth() * 254.0 / 72.0, ph = g.printable.GetHeight() * 254.0 / 72.0;
    return static_cast<int>(ph * contentWidth / pw);
  }
  // Prints the view's table with the command into a fresh PDF file.
  std::filesystem::path PrintToPdfFile(wxView* view, const std::string& name, int command = ID_FILE_PRINT) {
    const std::filesystem::path pdf = dir_.File(name);
    std::filesystem::remove(pdf);
    SetPrintToFile(pdf.string());
    Activate(view);
    main_->RouteCommand(command);
    return pdf;
  }
  static void Activate(wxView* view) {
    static_cast<wxAuiMDIChildFrame*>(view->GetFrame())->Activate();
    TestSupport::PumpEvents();
  }
  static std::string RoomName(int address) {
    char name[32];
    snprintf(name, sizeof name, "Room %03d", address);
    return name;
  }
  void AddRooms(int count, int first = 1) {
    for (int a = first; a < first + count; ++a) {
      wchar_t name[32];
      swprintf(name, 32, L"Room %03d", a);
      Add(a, name);
    }
    Std().EmitDocSignal(first, dsAddInstr);
  }
  // Every page holds its title, the header and its footer, and shows ink.
  void ExpectPages(const std::filesystem::path& pdf, int pages, const std::wstring& title,
                   const std::wstring& header) {
    ASSERT_EQ(PdfPageCount(pdf), pages);
    for (int p = 1; p <= pages; ++p) {
      SCOPED_TRACE(testing::Message() << "page " << p);
      const std::string text = PdfPageText(pdf, p);
      EXPECT_NE(text.find(Utf8(title)), std::string::npos) << text;
      // A header may take several lines: each of its words is there.
      std::wistringstream words(header);
      for (std::wstring word; words >> word;) EXPECT_NE(text.find(Utf8(word)), std::string::npos) << Utf8(word);
      EXPECT_NE(text.find(Utf8(PageFooterText(p, pages))), std::string::npos);
      const wxImage page = RasterizePdfPage(pdf, p, 60);
      EXPECT_TRUE(HasInk(page));
      page.SaveFile((TestSupport::ArtifactDir() / (pdf.stem().string() + "-page" + std::to_string(p) + ".png")).string(),
                    wxBITMAP_TYPE_PNG);
    }
  }

  wxPageSetupDialogData saved_;
};

TEST_F(TablePrint, TheStatusAndOptionsTablesPrintThreePagesInEachLanguage) {
  // Enough rows for two pages and a half at the first instrument's width.
  AddRooms(1);
  main_->RouteCommand(ID_VIEW_STATUS);
  Settle(Find<StsView>()->Window());
  StsView* status = Find<StsView>();
  const int statusRows = RowsPerPrintedPage(PageHeight(status->GetImpl()->ContentSize(false).GetWidth()), 110);
  ASSERT_GT(statusRows, 1);
  const int statusCount = 2 * statusRows + statusRows / 2;
  ASSERT_LE(statusCount, 255);
  AddRooms(statusCount - 1, 2);
  Settle(status->Window());

  for (std::size_t language : {std::size_t(0), std::size_t(1)}) {
    SCOPED_TRACE(testing::Message() << "language " << language);
    Std().SetLanguage(language);
    Settle(status->Window());
    Paper(wxSize(210, 297), 10);
    auto pdf = PrintToPdfFile(status, "status-" + std::to_string(language) + ".pdf");
    ExpectPages(pdf, 3, DictText(CTW_Status), DictText(CTW_Link));
    EXPECT_NE(PdfPageText(pdf, 1).find("Room 001"), std::string::npos);
    EXPECT_NE(PdfPageText(pdf, 3).find(RoomName(statusCount)), std::string::npos);

    // The options table is 246 widths of "X" wide: a strip of paper as wide
    // as the table prints it in one band at its own size and gives it as
    // many rows a page as the status table.
    OptView* options = Find<OptView>();
    const int cy = -options->GetImpl()->CharSize().GetHeight();
    const int cw = options->GetImpl()->ContentSize(false).GetWidth();
    const int header = options->GetImpl()->HeaderLines();
    Paper(wxSize(20 + cw / 10, 20 + ((statusRows + header) * cy + cy / 2 + 240) / 10), 10);
    const int optionRows = RowsPerBandedPage(PageHeight(cw), cy, 1, header);
    ASSERT_EQ(optionRows, statusRows);
    const int pages = PrintPageCount(statusCount, optionRows);
    pdf = PrintToPdfFile(options, "options-" + std::to_string(language) + ".pdf");
    ExpectPages(pdf, pages, DictText(CTW_Options), DictText(CTW_Lost_Link_Alarm));
    EXPECT_EQ(pages, 3);
  }
  EXPECT_TRUE(shell_.boxes.empty());
}

// A plant as a user has it: every shipped type, long names, each link
// state, and a serial trace with long lines.
class TablePrintPlant : public TablePrint {
 protected:
  void SetUp() override {
    TablePrint::SetUp();
    const std::vector<std::wstring>& codes = InstrCodes();
    for (int a = 1; a <= 60; ++a) {
      Node node(codes[a % codes.size()]);
      node.Opt().nm_ = L"Ripening room " + std::to_wstring(a) + (a % 3 ? L"" : L" north wing");
      node.Opt().act_ = a % 7 != 0;
      node.UpdateState([a](NodeSt& st) { st.link_ = static_cast<Node::InstrLink>(a % 6); });
      Net().InsertNew(a, node);
    }
    Std().EmitDocSignal(1, dsAddInstr);
    main_->RouteCommand(ID_VIEW_STATUS);
    main_->RouteCommand(ID_EDIT_TROUBLESHOOT_S_COMM);
    for (int i = 0; i < 40; ++i) {
      std::wstring line = L"\n2026-12-11 08:00:" + std::to_wstring(10 + i) + L" TX";
      for (int b = 0; b < (i % 4 == 0 ? 90 : 12); ++b) line += L" " + std::to_wstring(10 + (i * 7 + b) % 90);
      Std().TraceAppend(line);
    }
    Std().EmitDocSignal(0, dsTraceText);
    for (wxView* view : Views()) {
      Activate(view);
      static_cast<TableView*>(view)->Window()->Refresh();
      Settle(static_cast<TableView*>(view)->Window());
    }
  }
  std::vector<wxView*> Views() { return {Find<OptView>(), Find<StsView>(), Find<SerView>()}; }
  // Every word at least 2 mm high and none running into another on its page.
  static void ExpectLegibleWords(const std::filesystem::path& pdf) {
    const std::vector<TestSupport::PdfWord> words = TestSupport::PdfWords(pdf);
    ASSERT_GT(words.size(), 20u);
    double smallest = 1e9;
    for (const auto& w : words) smallest = std::min(smallest, w.Height());
    EXPECT_GE(smallest, 2.0 * TestSupport::PointsPerMm);
    int overlaps = 0;
    for (std::size_t i = 0; i < words.size(); ++i)
      for (std::size_t j = i + 1; j < words.size() && words[j].page == words[i].page; ++j)
        if (words[i].Overlaps(words[j]) && ++overlaps <= 5)
          ADD_FAILURE() << "\"" << words[i].text << "\" runs into \"" << words[j].text << "\" on page "
                        << words[i].page;
    EXPECT_EQ(overlaps, 0);
  }
};

// On A4 and US Letter, in both languages, every table prints its text at
// least 2 mm high and no two words of a page run into each other (the
// options header's included).
TEST_F(TablePrintPlant, EveryTablePrintsLegiblyOnA4AndLetterInEachLanguage) {
  const struct {
    const char* name;
    wxSize mm;
  } papers[] = {{"a4", wxSize(210, 297)}, {"letter", wxSize(216, 279)}};
  const char* names[] = {"options", "status", "serial"};
  for (std::size_t language : {std::size_t(0), std::size_t(1)}) {
    Std().SetLanguage(language);
    for (const auto& paper : papers) {
      Paper(paper.mm, 10);
      for (std::size_t v = 0; v < 3; ++v) {
        const std::string name = std::string(names[v]) + "-" + paper.name + "-" + std::to_string(language);
        SCOPED_TRACE(name);
        const auto pdf = PrintToPdfFile(Views()[v], "legible-" + name + ".pdf");
        const int pages = PdfPageCount(pdf);
        ASSERT_GE(pages, 1);
        std::filesystem::copy_file(pdf, TestSupport::ArtifactDir() / pdf.filename(),
                                   std::filesystem::copy_options::overwrite_existing);
        ExpectLegibleWords(pdf);
        for (int p = 1; p <= std::min(pages, 2); ++p) {
          const wxImage image = RasterizePdfPage(pdf, p, 60);
          EXPECT_TRUE(HasInk(image));
          image.SaveFile((TestSupport::ArtifactDir() / ("legible-" + name + "-page" + std::to_string(p) + ".png")).string(),
                         wxBITMAP_TYPE_PNG);
        }
      }
    }
  }
  EXPECT_TRUE(shell_.boxes.empty());
}

// The same through a real print queue, as a user's direct print reaches a
// printer: the system's print path keeps the sizes and the header's room.
TEST_F(TablePrintPlant, EveryTablePrintedThroughAQueueIsLegibleInEachLanguage) {
  ASSERT_FALSE(TestSupport::TestPrintQueuePdfDir().empty());
  SetPrintToFile("");
  const char* names[] = {"options", "status", "serial"};
  for (std::size_t language : {std::size_t(0), std::size_t(1)}) {
    Std().SetLanguage(language);
    for (std::size_t v = 0; v < 3; ++v) {
      const std::string name = std::string("queue-") + names[v] + "-" + std::to_string(language);
      SCOPED_TRACE(name);
      const TestSupport::QueuedFiles before = TestSupport::QueuedPdfs();
      Activate(Views()[v]);
      main_->RouteCommand(ID_FILE_PRINT_DIRECT);
      const std::filesystem::path queued = TestSupport::WaitForNewQueuedPdf(before);
      ASSERT_FALSE(queued.empty()) << "the queue made no PDF";
      const std::filesystem::path pdf = TestSupport::ArtifactDir() / ("legible-" + name + ".pdf");
      std::filesystem::copy_file(queued, pdf, std::filesystem::copy_options::overwrite_existing);
      ASSERT_GE(PdfPageCount(pdf), 1);
      ExpectLegibleWords(pdf);
      const wxImage image = RasterizePdfPage(pdf, 1, 60);
      EXPECT_TRUE(HasInk(image));
      image.SaveFile((TestSupport::ArtifactDir() / ("legible-" + name + "-page1.png")).string(), wxBITMAP_TYPE_PNG);
    }
  }
  EXPECT_TRUE(shell_.boxes.empty());
}

TEST_F(TablePrint, TheSerialTracePrintsTenLinesAPage) {
  main_->RouteCommand(ID_EDIT_TROUBLESHOOT_S_COMM);
  Std().NetOpt().SetTroubleshootSerial(false);  // its lines too
  const int start = Std().TraceLineCount();
  ASSERT_LT(start, 10);
  for (int i = start; i < 25; ++i) Std().TraceAppend(L"\nentry " + std::to_wstring(i));
  ASSERT_EQ(Std().TraceLineCount(), 25);
  SerView* view = Find<SerView>();
  view->Window()->Refresh();
  Settle(view->Window());
  // A paper as wide as the trace (it prints at its own size, in one band)
  // whose height gives 10 lines at 110 units, with no margins.
  const int width = view->GetImpl()->ContentSize(false).GetWidth();
  Paper(wxSize(width / 10, 150), 0);
  ASSERT_EQ(RowsPerPrintedPage(PageHeight(width), 110), 10);
  const auto pdf = PrintToPdfFile(view, "serial.pdf");
  ASSERT_EQ(PdfPageCount(pdf), 3);
  const struct {
    int page, first, last;
  } pages[] = {{1, start, 9}, {2, 10, 19}, {3, 20, 24}};
  for (const auto& p : pages) {
    SCOPED_TRACE(testing::Message() << "page " << p.page);
    const std::string text = PdfPageText(pdf, p.page);
    for (int i = start; i < 25; ++i) {
      const bool here = i >= p.first && i <= p.last;
      EXPECT_EQ(text.find("entry " + std::to_string(i) + "\n") != std::string::npos, here) << i << "\n" << text;
    }
    EXPECT_NE(text.find(Utf8(DictText(CTW_Serial_Line_Troubleshooting))), std::string::npos);
    const wxImage page = RasterizePdfPage(pdf, p.page, 60);
    EXPECT_TRUE(HasInk(page));
    page.SaveFile((TestSupport::ArtifactDir() / ("serial-page" + std::to_string(p.page) + ".png")).string(),
                  wxBITMAP_TYPE_PNG);
  }
  EXPECT_NE(PdfPageText(pdf, 1).find(Utf8(DictText(CTW_Page) + L" 1 / 3")), std::string::npos);
  // The switch's lines open the first page.
  EXPECT_NE(PdfPageText(pdf, 1).find("set to on"), std::string::npos);
}

TEST_F(TablePrint, AnEmptyNetworkPrintsNoPageAndShowsNoError) {
  main_->RouteCommand(ID_VIEW_STATUS);
  Settle(Find<StsView>()->Window());
  for (wxView* view : {static_cast<wxView*>(Find<StsView>()), static_cast<wxView*>(Find<OptView>())}) {
    for (int command : {ID_FILE_PRINT, ID_FILE_PRINT_DIRECT}) {
      const auto pdf = PrintToPdfFile(view, "empty.pdf", command);
      EXPECT_FALSE(std::filesystem::exists(pdf));
    }
  }
  EXPECT_TRUE(shell_.boxes.empty());
}

TEST_F(TablePrint, AStatusFontTallerThanTheRowPitchPrintsNoRowBelowTheFooterRule) {
  // At 110 units a row the first page would take more rows than fit.
  AddRooms(150);
  Fonts().sLF_ = [] {
    LOGFONTW lf{};
    lf.lfHeight = -150;
    return lf;
  }();
  main_->RouteCommand(ID_VIEW_STATUS);
  StsView* view = Find<StsView>();
  Settle(view->Window());
  ASSERT_LT(view->GetImpl()->CharSize().GetHeight(), -110);
  const auto pdf = PrintToPdfFile(view, "tall.pdf");
  ASSERT_GE(PdfPageCount(pdf), 2);
  const wxImage page = RasterizePdfPage(pdf, 1, 100);
  ASSERT_TRUE(page.IsOk());
  page.SaveFile((TestSupport::ArtifactDir() / "status-tall-font-page1.png").string(), wxBITMAP_TYPE_PNG);
  // The footer rule: the lowest row of ink across most of the width.
  auto dark = [&](int x, int y) { return page.GetRed(x, y) < 128 && page.GetGreen(x, y) < 128; };
  int rule = -1;
  for (int y = page.GetHeight() - 1; y >= 0 && rule < 0; --y) {
    int ink = 0;
    for (int x = 0; x < page.GetWidth(); ++x) ink += dark(x, y);
    if (ink > page.GetWidth() / 2) rule = y;
  }
  ASSERT_GT(rule, page.GetHeight() / 2);
  // The names column: nothing below the rule (the footer is on the right).
  for (int y = rule + 1; y < page.GetHeight(); ++y)
    for (int x = 0; x < page.GetWidth() / 4; ++x) ASSERT_FALSE(dark(x, y)) << x << "," << y;
}

TEST_F(TablePrint, ADirectPrintWithoutAPrinterFailsAtOnceAndSaysSo) {
  const TestSupport::NoPrintServer noServer(
      (std::filesystem::temp_directory_path() / "vantor-no-print-server.sock").string());
  AddRooms(3);
  SetPrintToFile("");
  const auto start = std::chrono::steady_clock::now();
  Activate(Find<OptView>());
  main_->RouteCommand(ID_FILE_PRINT_DIRECT);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  ASSERT_EQ(shell_.boxes.size(), 1u);
  EXPECT_FALSE(shell_.boxes[0].empty());
}

TEST_F(TablePrint, ThePreviewOfEachViewShowsItsFirstPage) {
  AddRooms(30);
  main_->RouteCommand(ID_VIEW_STATUS);
  main_->RouteCommand(ID_EDIT_TROUBLESHOOT_S_COMM);
  Std().TraceAppend(L"\nsome serial text");
  TestSupport::PumpEvents();
  const struct {
    wxView* view;
    const char* name;
  } cases[] = {{Find<OptView>(), "options"}, {Find<StsView>(), "status"}, {Find<SerView>(), "serial"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Activate(c.view);
    main_->RouteCommand(ID_FILE_PRINT_PREVIEW);
    TestSupport::PumpEvents();
    wxPreviewFrame* frame = nullptr;
    for (wxWindow* w : wxTopLevelWindows)
      if (auto* f = dynamic_cast<wxPreviewFrame*>(w)) frame = f;
    ASSERT_NE(frame, nullptr);
    wxPrintPreviewBase* preview = PreviewAccess::Of(*frame);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->GetCurrentPage(), 1);
    const auto shot =
        TestSupport::SaveWindowShot(*preview->GetCanvas(), std::string("preview-") + c.name + "-page1");
    ASSERT_FALSE(shot.empty());
    wxImage image;
    ASSERT_TRUE(image.LoadFile(shot.string(), wxBITMAP_TYPE_PNG));
    EXPECT_TRUE(InkOnPage(image));
    EXPECT_FALSE(TestSupport::SaveWindowShot(*frame, std::string("preview-frame-") + c.name).empty());
    frame->Close(true);
    TestSupport::PumpEvents();
  }
  EXPECT_TRUE(shell_.boxes.empty());
}

}  // namespace

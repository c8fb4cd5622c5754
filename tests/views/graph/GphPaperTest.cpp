// One graph on every print path: the PDF target, the print queue by direct
// print, by PrintGraphic and by the periodic print pass (through the
// system's print context, as its dialog's printers print), and the preview. Each page must show the same thing: every
// curve in the line's colour, also where it lies on its row's lowest or
// highest value, the axis area's gradient running from top to bottom, and
// no text smaller than 2 mm.
#include <gtest/gtest.h>

#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/paper.h>
#include <wx/print.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>

#include "document/QziDocIStd.h"
#include "document/gui/MainFrameBase.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/Node.h"
#include "network/schedule/GraphPasses.h"
#include "platform/gui/PageSetup.h"
#include "platform/gui/PrintTarget.h"
#include "platform/gui/ResourceIds.h"
#include "tests/support/GuiTest.h"
#include "tests/support/PdfReadback.h"
#include "tests/support/PrintQueue.h"
#include "tests/views/graph/GraphFixture.h"

namespace {

using namespace PardeloStravon;
using TestSupport::GraphFixture;
using TestSupport::PumpEvents;
using TestSupport::Sample;

constexpr int Address = 6;
constexpr int Records = 120;
// Resolution of the rasterized pages.
constexpr int Ppi = 100;

// Each series lies on its lowest value in the second quarter of the window
// and on its highest in the third; the bit lies on its edges throughout.
std::vector<Sample> EdgeSamples(long start) {
  std::vector<Sample> samples;
  for (int i = 0; i < Records; ++i) {
    const int quarter = i * 4 / Records;
    const double wobble = (i * 37 % 11) / 10.0;
    const double temper = quarter == 1 ? -5.0 : quarter == 2 ? 25.0 : 5.0 + 10 * wobble;
    const double humidity = quarter == 1 ? 20.0 : quarter == 2 ? 90.0 : 40.0 + 30 * wobble;
    samples.push_back({start + 60L * i, temper, quarter >= 2, humidity});
  }
  return samples;
}

bool Yellowish(const wxImage& im, int x, int y) {
  return im.GetRed(x, y) > 235 && im.GetGreen(x, y) > 235 && im.GetBlue(x, y) > 120 && im.GetBlue(x, y) < 222;
}
// Between the axis gradient's blue (204, 204, 255) and pink (255, 204, 204).
bool AxisColoured(const wxImage& im, int x, int y) {
  const int r = im.GetRed(x, y), g = im.GetGreen(x, y), b = im.GetBlue(x, y);
  return g > 190 && g < 218 && r > 195 && b > 195 && r + b > 440 && r + b < 480;
}
bool Dark(const wxImage& im, int x, int y) {
  return im.GetRed(x, y) < 110 && im.GetGreen(x, y) < 110 && im.GetBlue(x, y) < 110;
}

wxRect BoxOf(const wxImage& im, const wxRect& within, bool (*test)(const wxImage&, int, int)) {
  int left = within.GetRight() + 1, top = within.GetBottom() + 1, right = -1, bottom = -1;
  for (int y = within.y; y <= within.GetBottom(); ++y)
    for (int x = within.x; x <= within.GetRight(); ++x)
      if (test(im, x, y)) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  return right < 0 ? wxRect() : wxRect(wxPoint(left, top), wxPoint(right, bottom));
}

double BlueMinusRed(const wxImage& im, const wxRect& rows) {
  double sum = 0;
  int n = 0;
  for (int y = rows.y; y <= rows.GetBottom(); ++y)
    for (int x = rows.x; x <= rows.GetRight(); ++x)
      if (AxisColoured(im, x, y)) {
        sum += im.GetBlue(x, y) - im.GetRed(x, y);
        ++n;
      }
  return n ? sum / n : 0;
}

// The share of the columns of [x0, x1] with a dark pixel in rows [y0, y1].
double DarkColumns(const wxImage& im, int x0, int x1, int y0, int y1) {
  int hit = 0;
  for (int x = x0; x <= x1; ++x)
    for (int y = std::max(0, y0); y <= std::min(im.GetHeight() - 1, y1); ++y)
      if (Dark(im, x, y)) {
        ++hit;
        break;
      }
  return x1 >= x0 ? static_cast<double>(hit) / (x1 - x0 + 1) : 0;
}

// The page's three rows: the gradient of each axis area runs downward, and
// each curve is drawn along its whole width, on the area's bottom edge in
// the second quarter and on its top edge in the third (the bit: at the
// bottom for the first half, at the top for the second).
void ExpectTheGraphsPage(const wxImage& page, const std::string& what, int ppi) {
  SCOPED_TRACE(what);
  ASSERT_TRUE(page.IsOk());
  const wxRect plot = BoxOf(page, wxRect(page.GetSize()), Yellowish);
  ASSERT_GT(plot.width, page.GetWidth() / 3) << "no plot on the page";
  // The rows' boundaries as the layout of three series puts them.
  const double bounds[] = {0, 1 - 0.6834, 1 - 0.3668, 1};
  for (int row = 0; row < 3; ++row) {
    SCOPED_TRACE("row " + std::to_string(row));
    const int top = plot.y + static_cast<int>(bounds[row] * plot.height);
    const int bottom = plot.y + static_cast<int>(bounds[row + 1] * plot.height) - 1;
    const wxRect area = BoxOf(page, wxRect(plot.x, top, plot.width, bottom - top + 1), AxisColoured);
    ASSERT_GT(area.height, 10);
    ASSERT_GT(area.width, plot.width / 2);
    // Blue above, pink below.
    const int band = std::max(2, area.height / 6);
    EXPECT_GT(BlueMinusRed(page, wxRect(area.x, area.y, area.width, band)), 15);
    EXPECT_LT(BlueMinusRed(page, wxRect(area.x, area.GetBottom() - band + 1, area.width, band)), -15);
    // Left and right alike: the gradient does not run across.
    const int strip = std::max(2, area.width / 10);
    EXPECT_NEAR(BlueMinusRed(page, wxRect(area.x, area.y, strip, area.height)),
                BlueMinusRed(page, wxRect(area.GetRight() - strip + 1, area.y, strip, area.height)), 12);

    if (row == 0 && ppi > 0) {
      // The title above the first row: its capitals at least 1.5 mm high,
      // as those of a text of 2 mm are (also where the queue's PDF keeps
      // its text as outlines only).
      int inkTop = area.y, inkBottom = -1;
      for (int y = plot.y; y < area.y - 1; ++y)
        for (int x = area.x; x <= area.GetRight(); ++x)
          if (Dark(page, x, y)) {
            inkTop = std::min(inkTop, y);
            inkBottom = std::max(inkBottom, y);
          }
      EXPECT_GE((inkBottom - inkTop + 1) * 25.4 / ppi, 1.5) << "the title's height";
    }
    auto at = [&](double share) { return area.x + static_cast<int>(share * area.width); };
    const int edge = std::max(2, Ppi / 25);  // about a millimetre on either side of an edge
    EXPECT_GT(DarkColumns(page, at(0.02), at(0.97), area.y - edge, area.GetBottom() + edge), 0.97) << "a curve broken";
    const bool bit = row == 1;
    // On the lowest value: the bottom edge, not the middle.
    EXPECT_GT(DarkColumns(page, at(bit ? 0.05 : 0.28), at(bit ? 0.45 : 0.47), area.GetBottom() - edge,
                          area.GetBottom() + edge), 0.97)
        << "the curve on the row's lowest value";
    EXPECT_GT(DarkColumns(page, at(bit ? 0.55 : 0.53), at(bit ? 0.95 : 0.72), area.y - edge, area.y + edge), 0.97)
        << "the curve on the row's highest value";
  }
}

// Every word of the PDF's first page at least 2 mm high (across its reading
// direction: a row name reads upward).
void ExpectLegibleText(const std::filesystem::path& pdf) {
  const std::string html = TestSupport::ShellOutput("pdftotext -f 1 -l 1 -bbox '" + pdf.string() + "' - 2>/dev/null");
  const std::regex word(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
  int words = 0;
  for (auto it = std::sregex_iterator(html.begin(), html.end(), word); it != std::sregex_iterator(); ++it) {
    // A rotated word of one glyph cannot be told from an upright one by its
    // box: the row names' last characters come out that way.
    if ((*it)[5].length() < 2) continue;
    ++words;
    const double w = std::stod((*it)[3]) - std::stod((*it)[1]), h = std::stod((*it)[4]) - std::stod((*it)[2]);
    const double heightMm = std::min(w, h) * 25.4 / 72;
    EXPECT_GE(heightMm, 2.0) << "the word \"" << (*it)[5] << "\" of " << pdf;
  }
  EXPECT_GT(words, 10) << "no text in " << pdf;
}

class GphPaperTest : public GraphFixture {
 protected:
  void SetUp() override {
    GraphFixture::SetUp();
    node_ = &AddInstrument(Address, L"Edges", EdgeSamples(T0));
    to_ = T0 + 60L * (Records - 1);
  }
  QziDocIStd& Std() { return Doc().Std(); }
  // The queue's PDFs before a job.
  TestSupport::QueuedFiles NewJob() { return TestSupport::QueuedPdfs(); }
  std::filesystem::path Queued(const TestSupport::QueuedFiles& before, const std::string& keep) {
    const std::filesystem::path pdf = TestSupport::WaitForNewQueuedPdf(before);
    if (pdf.empty()) return pdf;
    const std::filesystem::path kept = TestSupport::ArtifactDir() / keep;
    std::filesystem::copy_file(pdf, kept, std::filesystem::copy_options::overwrite_existing);
    return kept;
  }
  void ExpectPdf(const std::filesystem::path& pdf, const std::string& what) {
    ASSERT_FALSE(pdf.empty()) << what << ": no PDF";
    EXPECT_EQ(TestSupport::PdfPageCount(pdf), 1) << what;
    ExpectTheGraphsPage(TestSupport::RasterizePdfPage(pdf, 1, Ppi), what, Ppi);
  }

  Node* node_ = nullptr;
  std::time_t to_ = 0;
};

TEST_F(GphPaperTest, PdfTarget_OnA4AndLetter_DrawsTheCurvesToTheirEdges) {
  wxPrintData& data = Platform::PageSetupData().GetPrintData();
  const wxPaperSize before = data.GetPaperId();
  for (const auto& [paper, name] : {std::pair{wxPAPER_A4, "a4"}, std::pair{wxPAPER_LETTER, "letter"}}) {
    data.SetPaperId(paper);
    Platform::PageSetupData().SetPaperId(paper);
    const std::filesystem::path pdf = TestSupport::ArtifactDir() / (std::string("graph-edges-pdf-") + name + ".pdf");
    Platform::SetPrintToFile(pdf.string());
    EXPECT_TRUE(GphView::PrintGraphic(Address, &Doc(), T0, to_));
    ExpectPdf(pdf, name);
    ExpectLegibleText(pdf);
  }
  data.SetPaperId(before);
  Platform::PageSetupData().SetPaperId(before);
  PumpEvents();
}

TEST_F(GphPaperTest, PrintQueue_DirectPrintPrintGraphicAndThePrintPass_DrawTheSamePage) {
  ASSERT_FALSE(TestSupport::TestPrintQueuePdfDir().empty());
  Platform::SetPrintToFile("");

  {  // Direct print of a shown graph.
    const TestSupport::QueuedFiles before = NewJob();
    GphView* view = Open(Address, T0, to_, false);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(main_->RouteCommand(Platform::ID_FILE_PRINT_DIRECT));
    EXPECT_TRUE(view->LastPrintSucceeded()) << Platform::LastPrintError();
    ExpectPdf(Queued(before, "graph-edges-queue-direct.pdf"), "direct print");
    view->GetImpl()->CloseFrame();
    PumpEvents();
  }
  {  // The dialog-less print of the periodic print pass.
    const TestSupport::QueuedFiles before = NewJob();
    EXPECT_TRUE(GphView::PrintGraphic(Address, &Doc(), T0, to_)) << Platform::LastPrintError();
    ExpectPdf(Queued(before, "graph-edges-queue-printgraphic.pdf"), "PrintGraphic");
  }
  {  // The print pass of a due node: the period before the due time just passed.
    const TestSupport::QueuedFiles before = NewJob();
    node_->Opt().pr_ = true;
    node_->Opt().ps_ = static_cast<long>(to_ - T0);
    node_->UpdateState([&](NodeSt& st) { st.pn_ = static_cast<long>(to_); });
    clock_->Set(to_ + 1);
    Std().NetOpt().SetRxEnabled(true);
    EXPECT_TRUE(PrintPass(Std().NetOpt()));
    Std().NetOpt().SetRxEnabled(false);
    ExpectPdf(Queued(before, "graph-edges-queue-printpass.pdf"), "print pass");
  }
  PumpEvents();
  EXPECT_EQ(GraphViewCount(), 0);
  EXPECT_EQ(errors_.Text(), L"");
}

TEST_F(GphPaperTest, PrintCommand_TheDialogsDefaultPrinter_DrawsTheSamePage) {
  ASSERT_FALSE(TestSupport::TestPrintQueuePdfDir().empty());
  Platform::SetPrintToFile("");
  GphView* view = Open(Address, T0, to_, false);
  ASSERT_NE(view, nullptr);
  const TestSupport::QueuedFiles before = NewJob();
  // The user's answer: Return in the system's print dialog, once its list
  // of printers has come in, prints on the selected (default) printer.
  ASSERT_EQ(std::system("(timeout 30 xdotool search --sync --onlyvisible --name '^Print$' windowfocus --sync "
                        "sleep 2 key Return) >/dev/null 2>&1 &"),
            0);
  EXPECT_TRUE(main_->RouteCommand(Platform::ID_FILE_PRINT));
  EXPECT_TRUE(view->LastPrintSucceeded()) << Platform::LastPrintError();
  ExpectPdf(Queued(before, "graph-edges-queue-dialog.pdf"), "print dialog");
}

TEST_F(GphPaperTest, Preview_DrawsTheSamePageWithNothingDarkBesideIt) {
  GphView* view = Open(Address, T0, to_, false);
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(main_->RouteCommand(Platform::ID_FILE_PRINT_PREVIEW));
  PumpEvents();
  wxPreviewFrame* frame = PreviewFrame();
  ASSERT_NE(frame, nullptr);
  frame->SetSize(1000, 1000);
  wxPrintPreviewBase* preview = frame->GetControlBar()->GetPrintPreview();
  ASSERT_NE(preview, nullptr);
  preview->SetZoom(100);
  PumpEvents();
  wxPreviewCanvas* canvas = preview->GetCanvas();
  ASSERT_NE(canvas, nullptr);
  const wxSize size = canvas->GetVirtualSize();
  wxBitmap bitmap(size, 24);
  {
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxLIGHT_GREY_BRUSH);
    dc.Clear();
    EXPECT_TRUE(preview->PaintPage(canvas, dc));
  }
  const wxImage image = bitmap.ConvertToImage();
  image.SaveFile((TestSupport::ArtifactDir() / "graph-edges-preview.png").string(), wxBITMAP_TYPE_PNG);
  ExpectTheGraphsPage(image, "preview", 0);
  // The page is paper on the preview's ground: nothing dark stands beside
  // or below it (the toolkit's black shadow read as part of the page).
  const wxRect plot = BoxOf(image, wxRect(image.GetSize()), Yellowish);
  int darkColumns = 0, darkRows = 0;
  for (int x = plot.GetRight() + 3; x < image.GetWidth(); ++x) {
    int dark = 0;
    for (int y = plot.y; y <= plot.GetBottom(); ++y) dark += Dark(image, x, y) ? 1 : 0;
    darkColumns += dark > plot.height / 4 ? 1 : 0;
  }
  for (int y = plot.GetBottom() + 3; y < image.GetHeight(); ++y) {
    int dark = 0;
    for (int x = plot.x; x <= plot.GetRight(); ++x) dark += Dark(image, x, y) ? 1 : 0;
    darkRows += dark > plot.width / 4 ? 1 : 0;
  }
  // The paper's edge is one thin line.
  EXPECT_LE(darkColumns, 1) << "a dark bar beside the page";
  EXPECT_LE(darkRows, 1) << "a dark bar below the page";
  TestSupport::SaveWindowShot(*frame, "graph-edges-preview-frame");
  frame->Close(true);
  PumpEvents();
}

}  // namespace

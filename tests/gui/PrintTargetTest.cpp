#include <gtest/gtest.h>

#include <wx/bitmap.h>
#include <wx/cmndata.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/print.h>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/gui/DrawSurface.h"
#include "platform/gui/FontConv.h"
#include "tests/gui/TestFont.h"
#include "platform/gui/PageSetup.h"
#include "platform/gui/PrintTarget.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/GuiTest.h"
#include "tests/support/NoPrintServer.h"
#include "tests/support/PdfFiles.h"
#include "tests/support/TempDir.h"

using namespace Platform;
using TestSupport::TestFont;
using TestSupport::TempDir;
using TestSupport::PdfPageCount;
using TestSupport::PdfPageText;
using TestSupport::RasterizePdf;
using TestSupport::Shell;

namespace {

// A printout whose pages draw what the test gives them.
class TestPrintout : public TargetPrintout {
 public:
  using Draw = std::function<void(wxDC&, const PageGeometry&, int)>;
  TestPrintout(int pages, Draw draw) : TargetPrintout("Test"), pages_(pages), draw_(std::move(draw)) {}

  std::vector<int> printed;
  PageGeometry prepared{};

 protected:
  int PreparePages(wxDC&, const PageGeometry& g) override {
    prepared = g;
    return pages_;
  }
  bool PrintPageOn(wxDC& dc, const PageGeometry& g, int page) override {
    printed.push_back(page);
    if (draw_) draw_(dc, g, page);
    return true;
  }

 private:
  int pages_;
  Draw draw_;
};

// The page setup a test prints on, restored afterwards.
class PageSetupScope {
 public:
  PageSetupScope(wxPaperSize paper, wxPrintOrientation orientation, wxPoint topLeftMm, wxPoint bottomRightMm)
      : saved_(PageSetupData()) {
    wxPageSetupDialogData& setup = PageSetupData();
    setup.GetPrintData().SetPaperId(paper);
    setup.GetPrintData().SetOrientation(orientation);
    setup.SetPaperId(paper);
    setup.SetMarginTopLeft(topLeftMm);
    setup.SetMarginBottomRight(bottomRightMm);
  }
  ~PageSetupScope() { PageSetupData() = saved_; }

 private:
  wxPageSetupDialogData saved_;
};

// A 1000-unit rule in MM_LOMETRIC and, below it, the "X" of a -100 font.
void DrawScaleSample(DrawSurface& s) {
  s.SetMapMode(MM_LOMETRIC);
  s.DrawLine(0, -100, 1000, -100);
  s.SelectFont(ToWxFont(TestFont(-100)));
  s.DrawText(L"X", 100, -300);
}

struct Ink {
  int ruleLength = 0;  // pixels of the longest dark row
  int ruleRow = -1;
  int ruleStart = 0;  // its first pixel, from the area's left
  int xHeight = 0;  // rows of the ink below the rule
};

bool Dark(const wxImage& im, int x, int y, int limit) {
  return im.GetRed(x, y) + im.GetGreen(x, y) + im.GetBlue(x, y) < 3 * limit;
}

Ink Measure(const wxImage& im, const wxRect& area) {
  Ink ink;
  for (int y = area.GetTop(); y <= area.GetBottom(); ++y) {
    int run = 0, best = 0, bestStart = 0;
    for (int x = area.GetLeft(); x <= area.GetRight(); ++x) {
      run = Dark(im, x, y, 200) ? run + 1 : 0;
      if (run > best) best = run, bestStart = x - run + 1 - area.GetLeft();
    }
    if (best > ink.ruleLength) {
      ink.ruleLength = best;
      ink.ruleRow = y;
      ink.ruleStart = bestStart;
    }
  }
  int top = -1, bottom = -1;
  for (int y = ink.ruleRow + 4; y <= area.GetBottom(); ++y) {
    for (int x = area.GetLeft(); x <= area.GetRight(); ++x) {
      if (Dark(im, x, y, 128)) {
        if (top < 0) top = y;
        bottom = y;
        break;
      }
    }
  }
  ink.xHeight = top < 0 ? 0 : bottom - top + 1;
  return ink;
}

// The paper within a screenshot of the preview: the bounding box of the
// purely white pixels (the canvas around it is grey).
wxRect PaperIn(const wxImage& im) {
  int left = im.GetWidth(), right = -1, top = im.GetHeight(), bottom = -1;
  for (int y = 0; y < im.GetHeight(); ++y)
    for (int x = 0; x < im.GetWidth(); ++x)
      if (im.GetRed(x, y) == 255 && im.GetGreen(x, y) == 255 && im.GetBlue(x, y) == 255) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  return right < 0 ? wxRect() : wxRect(wxPoint(left, top), wxPoint(right, bottom));
}

// A picture of the scale sample and how many of its pixels make a
// millimetre.
struct Rendering {
  wxImage image;
  wxRect area;
  double pxPerMm = 0;
};

Rendering OnMemoryBitmap() {
  wxBitmap bitmap(700, 300);
  wxSize ppi;
  {
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    ppi = dc.GetPPI();
    DrawSurface s(dc);
    DrawScaleSample(s);
  }
  const wxImage im = bitmap.ConvertToImage();
  return {im, wxRect(0, 0, im.GetWidth(), im.GetHeight()), ppi.x / 25.4};
}

Rendering OnPdfPage() {
  TempDir dir;
  TestPrintout printout(1, [](wxDC& dc, const PageGeometry& g, int) {
    DrawSurface s(dc, g.ppi);
    DrawScaleSample(s);
  });
  const auto pdf = dir.File("scale.pdf");
  EXPECT_TRUE(PrintToPdf(printout, pdf.string()));
  constexpr int ppi = 254;  // ten pixels a millimetre
  const wxImage im = RasterizePdf(pdf, ppi);
  return {im, wxRect(0, 0, im.GetWidth(), im.GetHeight() / 3), ppi / 25.4};
}

// The toolkit's frame does not hand out its preview.
struct PreviewOfFrame : wxPreviewFrame {
  static wxPrintPreviewBase* Of(wxPreviewFrame& frame) {
    return frame.*(&PreviewOfFrame::m_printPreview);
  }
};

wxPreviewFrame* OpenPreview(std::unique_ptr<TargetPrintout> view, const wxString& title) {
  EXPECT_TRUE(PreviewPrintout(std::move(view), nullptr, nullptr, title));
  for (wxWindow* w : wxTopLevelWindows)
    if (auto* frame = dynamic_cast<wxPreviewFrame*>(w); frame && frame->GetTitle() == title) return frame;
  return nullptr;
}

Rendering InPreview(int zoom) {
  auto view = std::make_unique<TestPrintout>(1, [](wxDC& dc, const PageGeometry& g, int) {
    DrawSurface s(dc, g.ppi);
    DrawScaleSample(s);
  });
  const wxString title = wxString::Format("Scale at %d %%", zoom);
  wxPreviewFrame* frame = OpenPreview(std::move(view), title);
  if (!frame) return {};
  frame->SetSize(1200, 1000);
  wxPrintPreviewBase* preview = PreviewOfFrame::Of(*frame);
  preview->SetZoom(zoom);
  TestSupport::PumpEvents();
  TestSupport::SaveWindowShot(*frame, "print-preview-scale-" + std::to_string(zoom));
  // The page as the preview paints it, read from a bitmap of the canvas's
  // size rather than from the screen, where other windows may overlap.
  wxPreviewCanvas* canvas = preview->GetCanvas();
  const wxSize size = canvas->GetVirtualSize();
  wxBitmap bitmap(std::max(size.x, 1), std::max(size.y, 1));
  {
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxGREY_BRUSH);
    dc.Clear();
    preview->PaintPage(canvas, dc);
  }
  frame->Destroy();
  TestSupport::PumpEvents();
  const wxImage im = bitmap.ConvertToImage();
  im.SaveFile((TestSupport::ArtifactDir() / ("print-preview-page-" + std::to_string(zoom) + ".png")).string(),
              wxBITMAP_TYPE_PNG);
  const wxRect paper = PaperIn(im);
  // Zoom 100 % is the paper at the screen's size; the paper's own width
  // (A4, 210 mm) checks that, and gives the scale.
  return {im, paper, paper.width / 210.0};
}

}  // namespace

TEST(PrintTarget, ScaleOnEveryDevice_RuleIs100MmAndTheXIsEquallyTall) {
  const PageSetupScope page(wxPAPER_A4, wxPORTRAIT, wxPoint(20, 20), wxPoint(20, 20));
  struct Case {
    const char* device;
    std::function<Rendering()> render;
    double ruleStartMm;  // the page setup's left margin on paper
  };
  const Case cases[] = {
      {"memory bitmap at the screen's resolution", OnMemoryBitmap, 0},
      {"PDF page rasterized at 254 ppi", OnPdfPage, 20},
      {"print preview at 50 %", [] { return InPreview(50); }, 20},
      {"print preview at 100 %", [] { return InPreview(100); }, 20},
  };
  double firstX = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.device);
    const Rendering r = c.render();
    ASSERT_TRUE(r.image.IsOk());
    ASSERT_GT(r.pxPerMm, 0);
    const Ink ink = Measure(r.image, r.area);
    const double ruleMm = ink.ruleLength / r.pxPerMm;
    const double xMm = ink.xHeight / r.pxPerMm;
    EXPECT_NEAR(ruleMm, 100.0, 1.0);
    EXPECT_NEAR(ink.ruleStart / r.pxPerMm, c.ruleStartMm, 1.0);
    // The capital of a face is about three quarters of its 10 mm em.
    EXPECT_NEAR(xMm, 7.3, 0.6);
    if (firstX == 0) firstX = xMm;
    // A pixel of the coarsest picture is 0.4 mm.
    EXPECT_NEAR(xMm, firstX, 0.45);
  }
}

TEST(PrintTarget, FontRecords_KeepTheirCharacterHeightThroughTheToolkit) {
  for (int height : {-27, -100}) {
    EXPECT_EQ(ToLogFont(ToWxFont(TestFont(height))).lfHeight, height);
  }
}

TEST(PrintTarget, PageSetupGeometry_TakesPaperOrientationAndMarginsInDeviceUnits) {
  struct Case {
    wxPaperSize paper;
    wxPrintOrientation orientation;
    wxPoint topLeftMm, bottomRightMm;
    int ppi;
    PageGeometry expected;
  };
  const Case cases[] = {
      // A4 in points: 210 x 297 mm.
      {wxPAPER_A4, wxPORTRAIT, {0, 0}, {0, 0}, 72, {{595, 842}, {0, 0, 595, 842}, {72, 72}}},
      {wxPAPER_A4, wxPORTRAIT, {10, 20}, {30, 40}, 254, {{2100, 2970}, {100, 200, 1700, 2370}, {254, 254}}},
      {wxPAPER_A4, wxLANDSCAPE, {10, 10}, {10, 10}, 254, {{2970, 2100}, {100, 100, 2770, 1900}, {254, 254}}},
      // Margins that leave nothing are not taken.
      {wxPAPER_A4, wxPORTRAIT, {150, 10}, {150, 10}, 254, {{2100, 2970}, {0, 0, 2100, 2970}, {254, 254}}},
  };
  for (const Case& c : cases) {
    const PageSetupScope page(c.paper, c.orientation, c.topLeftMm, c.bottomRightMm);
    const PageGeometry g = PageSetupGeometry(wxSize(c.ppi, c.ppi));
    EXPECT_EQ(g.paper, c.expected.paper) << c.ppi;
    EXPECT_EQ(g.printable, c.expected.printable) << c.ppi;
    EXPECT_EQ(g.ppi, c.expected.ppi);
  }
}

TEST(PrintTarget, PdfOfThreePages_HoldsEachPagesTextOnItsPage) {
  const PageSetupScope page(wxPAPER_A4, wxPORTRAIT, wxPoint(15, 15), wxPoint(15, 15));
  TempDir dir;
  TestPrintout printout(3, [](wxDC& dc, const PageGeometry& g, int p) {
    DrawSurface s(dc, g.ppi);
    s.SetMapMode(MM_LOMETRIC);
    s.SelectFont(ToWxFont(TestFont(-27)));
    s.DrawText(L"Room \u00e9tage " + std::to_wstring(p), 0, -10);
    // The footer's corner: right-aligned at the printable width.
    const wxSize page = s.DeviceToLogical(g.printable.GetSize());
    s.DrawText(L"Page " + std::to_wstring(p) + L" / 3", page.x, -page.y + 100, TextAlign::TopRight);
    // A letter that shows whether text stands upright: 100 mm down, 120 mm
    // in.
    if (p == 1) {
      s.SelectFont(ToWxFont(TestFont(-200)));
      s.DrawText(L"L", 1200, -1000);
    }
  });
  const auto pdf = dir.File("three.pdf");
  ASSERT_TRUE(PrintToPdf(printout, pdf.string())) << LastPrintError();
  EXPECT_EQ(printout.printed, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(printout.prepared.ppi, wxSize(72, 72)) << "a PDF page counts in points";
  EXPECT_EQ(printout.prepared.printable, wxRect(43, 43, 595 - 86, 842 - 86));
  ASSERT_EQ(PdfPageCount(pdf), 3);
  for (int p = 1; p <= 3; ++p) {
    const std::string text = PdfPageText(pdf, p);
    EXPECT_NE(text.find("Room \xc3\xa9tage " + std::to_string(p)), std::string::npos) << text;
    EXPECT_NE(text.find("Page " + std::to_string(p) + " / 3"), std::string::npos) << text;
    for (int other = 1; other <= 3; ++other) {
      if (other != p) {
        EXPECT_EQ(text.find("tage " + std::to_string(other)), std::string::npos);
      }
    }
  }
  // The footer ends at the printable area's right edge: 15 mm from the
  // paper's, at ten pixels a millimetre.
  const wxImage im = RasterizePdf(pdf, 254);
  ASSERT_TRUE(im.IsOk());
  int rightmost = -1;
  for (int y = im.GetHeight() / 2; y < im.GetHeight(); ++y)
    for (int x = im.GetWidth() - 1; x > rightmost; --x)
      if (Dark(im, x, y, 128)) rightmost = x;
  EXPECT_NEAR(rightmost, 2100 - 150, 6);
  // The "L" stands upright: its widest row is its foot.
  const wxRect letter(1340, 1140, 300, 300);
  int top = -1, bottom = -1, widestRow = -1, widest = 0;
  for (int y = letter.GetTop(); y <= letter.GetBottom(); ++y) {
    int count = 0;
    for (int x = letter.GetLeft(); x <= letter.GetRight(); ++x) count += Dark(im, x, y, 128);
    if (count == 0) continue;
    if (top < 0) top = y;
    bottom = y;
    if (count > widest) widest = count, widestRow = y;
  }
  ASSERT_GE(top, 0);
  EXPECT_GT(widestRow, top + (bottom - top) * 3 / 4);
}

TEST(PrintTarget, PrintoutWithoutPages_SucceedsAndWritesNoFile) {
  TempDir dir;
  TestPrintout printout(0, nullptr);
  const auto pdf = dir.File("empty.pdf");
  EXPECT_TRUE(PrintToPdf(printout, pdf.string()));
  EXPECT_FALSE(std::filesystem::exists(pdf));
  // Direct and dialog prints go into the file while one is set.
  SetPrintToFile(pdf.string());
  EXPECT_TRUE(PrintDocumentPrintout(printout, false, nullptr));
  EXPECT_TRUE(PrintDocumentPrintout(printout, true, nullptr));
  SetPrintToFile("");
  EXPECT_FALSE(std::filesystem::exists(pdf));
  EXPECT_TRUE(printout.printed.empty());
}

TEST(PrintTarget, PrintToFileSetting_SendsADirectPrintIntoTheFile) {
  TempDir dir;
  TestPrintout printout(2, nullptr);
  const auto pdf = dir.File("direct.pdf");
  SetPrintToFile(pdf.string());
  EXPECT_EQ(PrintToFile(), pdf.string());
  const bool ok = PrintDocumentPrintout(printout, false, nullptr);
  SetPrintToFile("");
  EXPECT_TRUE(ok) << LastPrintError();
  EXPECT_EQ(PdfPageCount(pdf), 2);
}

TEST(PrintTarget, UnwritablePdf_IsAFailedPrintAndKeepsWhatWasThere) {
  TempDir dir;
  TestSupport::WriteFileBytes(dir.File("plain"), "not a folder");
  std::filesystem::create_directory(dir.File("taken.pdf"));
  TestSupport::WriteFileBytes(dir.File("earlier.pdf"), "earlier print");
  struct Case {
    const char* why;
    std::filesystem::path path;
    rlim_t sizeLimit;  // 0: none
  };
  const Case cases[] = {
      {"parent is a regular file", dir.File("plain") / "out.pdf", 0},
      {"a folder in the file's place", dir.File("taken.pdf"), 0},
      {"the disk fills part way", dir.File("earlier.pdf"), 2000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    // Enough text that the file passes the size limit.
    TestPrintout printout(3, [](wxDC& dc, const PageGeometry& g, int) {
      DrawSurface s(dc, g.ppi);
      s.SetMapMode(MM_LOMETRIC);
      s.SelectFont(ToWxFont(TestFont(-27)));
      for (int row = 0; row < 40; ++row) s.DrawText(L"Line of the trace " + std::to_wstring(row), 0, -40 * row);
    });
    bool ok = true;
    if (c.sizeLimit) {
      // The write then fails with an error instead of ending the process.
      const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
      {
        const TestSupport::FileSizeLimit limit(c.sizeLimit);
        ok = PrintToPdf(printout, c.path.string());
      }
      std::signal(SIGXFSZ, oldHandler);
    } else {
      ok = PrintToPdf(printout, c.path.string());
    }
    EXPECT_FALSE(ok);
    EXPECT_FALSE(LastPrintError().empty());
  }
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("taken.pdf")));
  EXPECT_EQ(TestSupport::ReadFileBytes(dir.File("earlier.pdf")), "earlier print");
  // Nothing half-written is left beside the targets.
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
    EXPECT_EQ(entry.path().extension(), entry.path().filename() == "plain" ? "" : ".pdf") << entry.path();
}

TEST(PrintTarget, DirectPrintWithoutPrinter_FailsInsteadOfHanging) {
  const TestSupport::NoPrintServer noServer(
      (std::filesystem::temp_directory_path() / "vantor-no-print-server.sock").string());
  SetPrintToFile("");
  TestPrintout printout(1, nullptr);
  EXPECT_FALSE(PrintDocumentPrintout(printout, false, nullptr));
  EXPECT_FALSE(LastPrintError().empty());
  EXPECT_TRUE(printout.printed.empty());
}

TEST(PrintTarget, PreviewFrame_ShowsThePagesOfAPrintout) {
  const PageSetupScope page(wxPAPER_A4, wxPORTRAIT, wxPoint(20, 20), wxPoint(20, 20));
  struct Case {
    const char* name;
    int pages;
  };
  // An empty printout previews as one blank page, without an error.
  const Case cases[] = {{"print-preview-frame", 2}, {"print-preview-empty", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto view = std::make_unique<TestPrintout>(c.pages, [](wxDC& dc, const PageGeometry& g, int p) {
      DrawSurface s(dc, g.ppi);
      s.SetMapMode(MM_LOMETRIC);
      s.SelectFont(ToWxFont(TestFont(-50)));
      s.DrawText(L"Preview page " + std::to_wstring(p), 0, -10);
      const wxSize size = s.DeviceToLogical(g.printable.GetSize());
      s.DrawLine(0, -120, size.x, -120);
    });
    TestPrintout* seen = view.get();
    wxPreviewFrame* frame = OpenPreview(std::move(view), c.name);
    ASSERT_NE(frame, nullptr);
    frame->SetSize(900, 800);
    TestSupport::PumpEvents();
    EXPECT_EQ(PreviewOfFrame::Of(*frame)->GetMaxPage(), std::max(1, c.pages));
    EXPECT_EQ(seen->printed, c.pages ? std::vector<int>{1} : std::vector<int>{});
    EXPECT_FALSE(TestSupport::SaveWindowShot(*frame, c.name).empty());
    frame->Destroy();
    TestSupport::PumpEvents();
  }
}

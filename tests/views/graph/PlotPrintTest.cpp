// A graph printed to PDF through the print target.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/gui/PrintTarget.h"
#include "tests/support/GuiTest.h"
#include "tests/support/PdfFiles.h"
#include "tests/views/graph/PlotFixture.h"
#include "views/plot/PlotPrinter.h"

using namespace PardeloStravon;
using namespace TestSupport;

namespace {

constexpr long T0 = 1700000000;

// Builds and styles the plot for the printer once the page is known, then
// prints it inside the margins.
class GraphPrintout : public Platform::TargetPrintout {
 public:
  GraphPrintout(PlotFixture& f, double margin) : TargetPrintout("Graph"), f_(f), margin_(margin) {}

  std::shared_ptr<PlotRegion> root;
  PlotPage page{};

 protected:
  int PreparePages(wxDC& dc, const PlotPage& g) override {
    host_ = f_.Host(T0, T0 + 3600, &dc, true);
    host_.ppi = g.ppi;
    host_.options.gRGB_ = static_cast<unsigned long>(RGB(200, 0, 0));
    root = BuildPlot(host_);
    page = g;
    return root ? 1 : 0;
  }
  bool PrintPageOn(wxDC& dc, const PlotPage& g, int) override {
    host_.dc = &dc;
    SetFontColorLine(root.get(), host_);
    PlotPrinter printer(root);
    printer.SetMargins(margin_, margin_, margin_, margin_);
    return printer.Print(dc, g);
  }

 private:
  PlotFixture& f_;
  double margin_;
  PlotHost host_;
};

}  // namespace

TEST(PlotPrint, GraphOnPdf_IsOnePageInsideTheMarginsWithThePrintingFontFactor) {
  ScopedTz tz("Europe/Berlin");
  PlotFixture f;
  std::vector<Sample> samples;
  for (int i = 0; i < 60; ++i) samples.push_back({T0 + 60L * i, 10.0 + i / 3.0, false, 40.0 + i / 2.0});
  f.Write(samples);
  const double margin = 0.75;
  GraphPrintout printout(f, margin);
  const auto pdf = ArtifactDir() / "graph_print.pdf";
  std::filesystem::remove(pdf);
  ASSERT_TRUE(Platform::PrintToPdf(printout, pdf.string())) << std::string(Platform::LastPrintError().begin(), Platform::LastPrintError().end());
  ASSERT_TRUE(printout.root);
  EXPECT_EQ(PdfPageCount(pdf), 1);

  const int ppi = 150;
  const wxImage im = RasterizePdf(pdf, ppi);
  ASSERT_TRUE(im.IsOk());
  const double scale = static_cast<double>(ppi) / printout.page.ppi.x;
  EXPECT_NEAR(im.GetWidth(), printout.page.paper.x * scale, 2);
  // Everything drawn: the rows' backgrounds fill the page less its margins.
  int left = im.GetWidth(), right = -1, top = im.GetHeight(), bottom = -1, ink = 0;
  for (int y = 0; y < im.GetHeight(); ++y)
    for (int x = 0; x < im.GetWidth(); ++x)
      if (im.GetRed(x, y) + im.GetGreen(x, y) + im.GetBlue(x, y) < 3 * 250) {
        ++ink;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  ASSERT_GT(ink, im.GetWidth() * im.GetHeight() / 4);
  const int m = static_cast<int>(margin * ppi);
  EXPECT_NEAR(left, m, 2);
  EXPECT_NEAR(top, m, 2);
  EXPECT_NEAR(right, im.GetWidth() - 1 - m, 2);
  EXPECT_NEAR(bottom, im.GetHeight() - 1 - m, 2);

  // The title's glyphs stand as high as the paper's factor makes them: a
  // character height of the paper's font unit per unit of the styled height.
  PlotRegion& first = *printout.root->GetChild(0);
  const int styled = first.GetAxe()->GetTitle().GetFont().lfHeight;
  wxBitmap scratch(8, 8, 24);
  wxMemoryDC measure(scratch);
  EXPECT_EQ(styled, StyledFontHeight(measure, printout.page.ppi, LGF_graph, true));
  const wxRect rect = first.PixelRect();
  const wxRect area = first.AxisArea();
  int inkTop = im.GetHeight(), inkBottom = -1;
  // The title's columns, short of the right end, where the rising curve
  // reaches the area's top corner.
  for (int y = static_cast<int>((rect.y + printout.page.printable.y) * scale);
       y < static_cast<int>((area.y + printout.page.printable.y) * scale); ++y)
    for (int x = static_cast<int>((area.x + printout.page.printable.x) * scale);
         x < static_cast<int>((area.x + area.width * 3 / 4 + printout.page.printable.x) * scale); ++x)
      if (im.GetRed(x, y) - im.GetGreen(x, y) > 60) {
        inkTop = std::min(inkTop, y);
        inkBottom = std::max(inkBottom, y);
      }
  const double em = std::abs(styled) * PlotPaperFontScale * scale;
  ASSERT_GE(inkBottom, inkTop);
  EXPECT_GT(inkBottom - inkTop + 1, 0.55 * em);
  EXPECT_LT(inkBottom - inkTop + 1, 1.1 * em);
}

// Building a graph's plot from a recording file and styling it.
#include <gtest/gtest.h>

#include <wx/dcmemory.h>

#include <cmath>

#include "tests/support/GuiTest.h"
#include "tests/views/graph/PlotFixture.h"
#include "views/graph/RowRange.h"
#include "views/plot/PlotView.h"

using namespace PardeloStravon;
using namespace TestSupport;

namespace {

constexpr long T0 = 1700000000;  // 2023-11-14 23:13:20 in Berlin
constexpr long Minutes = 60;

std::vector<Sample> Rising(int n) {
  std::vector<Sample> s;
  for (int i = 0; i < n; ++i) s.push_back({T0 + 60L * i, 10.0 + 20.0 * i / (n - 1), false, 40.0 + 40.0 * i / (n - 1)});
  return s;
}

class PlotConstruction : public testing::Test {
 protected:
  ScopedTz zone_{"Europe/Berlin"};
  PlotFixture f_;
  wxBitmap bitmap_{800, 600, 24};
  wxMemoryDC dc_{bitmap_};
};

}  // namespace

TEST_F(PlotConstruction, NoSeriesOrFewerThanThreeRecords_LeaveTheViewWithoutAPlot) {
  const struct {
    int records;
    bool anySeries;
    bool plot;
  } cases[] = {{0, true, false}, {1, true, false}, {2, true, false}, {3, true, true}, {60, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.records);
    f_.Write(Rising(c.records));
    if (!c.anySeries)
      for (auto& o : f_.NodeRef().OptPlt()) o.pltDefOpt_ = false;
    EXPECT_EQ(BuildPlot(f_.Host(T0, T0 + Minutes * 60, &dc_)) != nullptr, c.plot);
  }
}

TEST_F(PlotConstruction, Plot_HasNamedRowsAtTheLayoutsFractionsWithTitleOnTheFirstAndTimeOnTheLast) {
  f_.Write(Rising(60));
  const auto root = BuildPlot(f_.Host(T0, T0 + Minutes * 60, &dc_));
  ASSERT_TRUE(root);
  EXPECT_EQ(root->GetName(), L"Pardelo Plot");
  ASSERT_EQ(root->GetNChildren(), 3u);
  const double bounds[] = {1.0, 0.6834, 0.3668, 0.0};
  const std::wstring labels[] = {L"Label 0", L"Label 2", L"Label 5"};
  for (std::size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    PlotRegion& row = *root->GetChild(i);
    EXPECT_EQ(row.GetName(), L"My Child " + std::to_wstring(i));
    EXPECT_EQ(row.GetParent(), root.get());
    EXPECT_DOUBLE_EQ(row.TopFraction(), bounds[i]);
    EXPECT_DOUBLE_EQ(row.BottomFraction(), bounds[i + 1]);
    PlotAxis2D& axis = *row.GetAxe();
    EXPECT_EQ(axis.GetTitle().GetString(), L"Cold room from 2023-11-14 23:13:20 to 2023-11-15 00:13:20");
    EXPECT_EQ(axis.GetTitle().IsVisible(), i == 0);
    EXPECT_EQ(axis.GetBottomNumber().IsVisible(), i == 2);
    EXPECT_EQ(axis.GetBottomLabel().IsVisible(), i == 2);
    EXPECT_EQ(axis.GetBottomLabel().GetString(), L"Time");
    EXPECT_EQ(axis.GetLeftLabel().GetString(), labels[i]);
    EXPECT_TRUE(axis.IsTimeLabel());
    const PlotBorderLines lines = axis.GetBorderLineVisibility();
    EXPECT_FALSE(lines.left || lines.bottom || lines.top);
    EXPECT_TRUE(lines.right);
    ASSERT_EQ(RowPointCount(&row), 60u);
    EXPECT_EQ(RowXAt(&row, 0), 0);
    EXPECT_EQ(RowXAt(&row, 59), 59 * 60);
  }
  EXPECT_NEAR(RowYAt(root->GetChild(0).get(), 59), 30.0, 0.05);
  EXPECT_NEAR(RowYAt(root->GetChild(2).get(), 59), 80.0, 0.05);
}

TEST_F(PlotConstruction, DateFormatWithALineBreak_SplitsTheTimeNumbersButNotTheTitle) {
  f_.Write(Rising(60));
  PlotHost host = f_.Host(T0, T0 + Minutes * 60, &dc_);
  host.options.dteFmt_ = CString(L"%d.%m.%Y\n%H:%M");
  const auto root = BuildPlot(host);
  ASSERT_TRUE(root);
  SetFontColorLine(root.get(), host);
  PlotAxis2D& axis = *root->GetChild(2)->GetAxe();
  EXPECT_EQ(axis.GetTitle().GetString(), L"Cold room from 14.11.2023 23:13 to 15.11.2023 00:13");
  EXPECT_EQ(axis.NumberText(PlotAxisX, 0), L"14.11.2023\n23:13");
  // Two lines stand higher than one.
  axis.UpdateLabels(dc_);
  PlotText oneLine = axis.GetBottomNumber();
  EXPECT_GT(axis.GetBottomNumber().GetPixelHeight(), oneLine.MeasureString(dc_, L"14.11.2023").y * 3 / 2);
}

TEST_F(PlotConstruction, Styling_SetsBordersForScreenOrPaperAndKeepsTheShownSamples) {
  f_.Write(Rising(60));
  const struct {
    bool printing;
    bool rightAligned;
  } cases[] = {{false, true}, {false, false}, {true, true}, {true, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "printing " << c.printing << " right-aligned " << c.rightAligned);
    PlotHost host = f_.Host(T0, T0 + Minutes * 60, &dc_, c.printing);
    host.options.gphDRA_ = c.rightAligned;
    const auto root = BuildPlot(host);
    ASSERT_TRUE(root);
    // A zoom to samples 10 to 20 survives the restyle.
    SetIndexRange(dc_, root.get(), 10, 20, true);
    SetFontColorLine(root.get(), host);
    for (std::size_t i = 0; i < 3; ++i) {
      SCOPED_TRACE(i);
      PlotRegion& row = *root->GetChild(i);
      PlotAxis2D& axis = *row.GetAxe();
      const PlotAutoBorders a = axis.GetAutoBorders();
      EXPECT_EQ(a.right, c.rightAligned);
      EXPECT_EQ(a.top, !c.printing || i == 0);
      EXPECT_EQ(a.bottom, !c.printing || i == 2);
      EXPECT_TRUE(a.left);
      const PlotBorders b = axis.GetBorders();
      const int numberHeight = axis.GetLeftNumber().GetPixelHeight();
      EXPECT_GT(numberHeight, 0);
      if (!a.top) {
        EXPECT_EQ(b.top, numberHeight);
      }
      if (!a.bottom) {
        EXPECT_EQ(b.bottom, numberHeight);
      }
      if (!a.right) {
        EXPECT_EQ(b.right, static_cast<int>(axis.GetBottomNumber().GetPixelWidth() / (c.printing ? 0.8 : 2.0)));
      }
      EXPECT_EQ(axis.GetBottomNumber().GetAlign(), c.rightAligned ? PlotAlignEnd : PlotAlignCentre);
      EXPECT_FALSE(axis.GetRightLabel().IsVisible());
      EXPECT_FALSE(axis.GetRightNumber().IsVisible());
      EXPECT_EQ(axis.GetRightLabel().GetString(), axis.GetLeftLabel().GetString());
      EXPECT_FALSE(axis.IsAutoSteps(PlotAxisX));
      const PlotRect lim = axis.GetLimits();
      EXPECT_EQ(lim.left, 600);
      EXPECT_EQ(lim.right, 1200);
      EXPECT_EQ(axis.GetGridStep(PlotAxisX), 120);
    }
    const PlotRect t = root->GetChild(0)->GetAxe()->GetLimits();
    EXPECT_NEAR(t.bottom, 10.0 + 20.0 * 10 / 59, 0.05);
    EXPECT_NEAR(t.top, 10.0 + 20.0 * 20 / 59, 0.05);
  }
}

TEST_F(PlotConstruction, FontAndLine_AreScaledForTheScreenOrPaper) {
  // The same device seen as a screen and as paper: only the factor differs.
  const LOGFONTW lf = LGF_graph;
  const wxSize ppi(600, 600);
  const int screen = StyledFontHeight(dc_, ppi, lf, false);
  const int paper = StyledFontHeight(dc_, ppi, lf, true);
  EXPECT_LT(screen, 0);
  EXPECT_NEAR(static_cast<double>(paper) / screen, 0.29 / 0.63, 0.03);
  // Whole logical units per millimetre (23.6 and 3.78 rounded).
  EXPECT_DOUBLE_EQ(StyledLineWidth(dc_, ppi, 0.5f), 0.5 * 24);
  EXPECT_DOUBLE_EQ(StyledLineWidth(dc_, wxSize(96, 96), 1.0f), 4);
}

TEST_F(PlotConstruction, ThreeSeriesDrawing_ShowsGradientsRowsLineAndTextsWhereTheyBelong) {
  f_.Write(Rising(60));
  PlotHost host = f_.Host(T0, T0 + Minutes * 60, &dc_);
  host.options.gRGB_ = static_cast<unsigned long>(RGB(200, 0, 0));
  const auto root = BuildPlot(host);
  ASSERT_TRUE(root);
  SetFontColorLine(root.get(), host);
  DrawPlotTree(dc_, root.get(), wxRect(0, 0, 800, 600));
  dc_.SelectObject(wxNullBitmap);
  const auto png = ArtifactDir() / "graph_three_series.png";
  ASSERT_TRUE(bitmap_.SaveFile(png.string(), wxBITMAP_TYPE_PNG));
  const Pixels px(bitmap_);
  const wxColour red(200, 0, 0);

  const int rowTops[] = {0, 190, 380, 600};  // 1.0, 0.6834, 0.3668, 0 of 600
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const PlotRegion& row = *root->GetChild(static_cast<std::size_t>(i));
    const wxRect r = row.PixelRect();
    EXPECT_EQ(r.y, rowTops[i]);
    EXPECT_EQ(r.y + r.height, rowTops[i + 1]);
    EXPECT_EQ(r.width, 800);
    // Row background: yellow from the left edge to the right edge.
    EXPECT_TRUE(px.Near(0, r.y + 1, wxColour(255, 255, 153), 4)) << px.At(0, r.y + 1).GetAsString().ToStdString();
    EXPECT_TRUE(px.Near(799, r.y + 1, wxColour(255, 255, 204), 4)) << px.At(799, r.y + 1).GetAsString().ToStdString();
    // Axis background: blue at the top to pink at the bottom, away from the
    // rising lines (upper left, lower right) and from the middle bit line.
    const wxRect a = const_cast<PlotRegion&>(row).AxisArea();
    ASSERT_GT(a.width, 100);
    ASSERT_GT(a.height, 40);
    int top = 0, bottom = 0;
    for (int dx = -4; dx <= 4; ++dx) {
      top += px.Near(a.x + a.width / 4 + dx, a.y, wxColour(204, 204, 255), 4);
      bottom += px.Near(a.x + 3 * a.width / 4 + dx, a.y + a.height - 1, wxColour(255, 204, 204), 4);
    }
    EXPECT_GE(top, 7) << px.At(a.x + a.width / 4, a.y).GetAsString().ToStdString();
    EXPECT_GE(bottom, 7) << px.At(a.x + 3 * a.width / 4, a.y + a.height - 1).GetAsString().ToStdString();
    // The title only above the first row's area, the time numbers and label
    // only below the last row's area. A line at the area's edge is clipped
    // through its middle: half its width may stand over the edge.
    const int spill = 2;
    const int above = px.CountInk(wxRect(a.x, r.y, a.width, a.y - r.y - spill));
    const int below =
        px.CountInk(wxRect(a.x, a.y + a.height + spill, a.width, r.y + r.height - a.y - a.height - spill));
    if (i == 0) EXPECT_GT(above, 100); else EXPECT_EQ(above, 0);
    if (i == 2) EXPECT_GT(below, 100); else EXPECT_EQ(below, 0);
  }

  // The bit's row: a flat line in the middle, in the option colour, as thick
  // as half a millimetre on this device.
  const wxRect a = root->GetChild(1)->AxisArea();
  const int x = a.x + a.width / 2;
  int run = 0, firstY = -1;
  for (int y = a.y; y < a.y + a.height; ++y)
    if (px.Near(x, y, red, 10)) {
      ++run;
      if (firstY < 0) firstY = y;
    }
  const double width = StyledLineWidth(dc_, dc_.GetPPI(), 0.5f);
  EXPECT_NEAR(run, std::max(1.0, std::round(width)), 1.0);
  EXPECT_NEAR(firstY, a.y + a.height / 2, 3);
}

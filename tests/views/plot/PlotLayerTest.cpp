// The plotting layer on its own: lines, axes, brushes, regions, printer.
#include <gtest/gtest.h>

#include <wx/dcmemory.h>
#include <wx/image.h>

#include <cmath>
#include <random>

#include "foundation/core/TimeFormat.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ScopedTz.h"
#include "views/plot/PlotLayout.h"
#include "views/plot/PlotPrinter.h"
#include "views/plot/PlotRegion.h"
#include "views/plot/PlotView.h"

using namespace PardeloStravon;

namespace {

// A lone region with one line over the whole bitmap.
std::shared_ptr<PlotRegion> LineRegion(std::vector<long> x, std::vector<double> y, bool decimate) {
  auto region = std::make_shared<PlotRegion>();
  auto line = std::make_shared<PlotLine2D>(PlotColor{0, 0, 0, 1}, PlotColor{0, 0, 0, 1});
  line->SetDatas(std::make_shared<PlotVectorL>(std::move(x)), std::make_shared<PlotVectorD>(std::move(y)));
  line->SetLineWidth(1);
  line->SetDecimation(decimate);
  region->AddObject(line);
  PlotAxis2D& axis = *region->GetAxe();
  for (PlotText* t : {&axis.GetTitle(), &axis.GetBottomLabel(), &axis.GetLeftLabel(), &axis.GetRightLabel(),
                      &axis.GetBottomNumber(), &axis.GetLeftNumber(), &axis.GetRightNumber()})
    t->Hide();
  axis.SetAutoBorders(PlotAutoBorders{false, false, false, false});
  axis.SetBorders(PlotBorders{0, 0, 0, 0});
  axis.SetBorderLineVisibility(PlotBorderLines{false, false, false, false});
  wxBitmap scratch(4, 4, 24);
  wxMemoryDC gfx(scratch);
  region->ZoomAll(gfx, false);
  return region;
}

wxImage Draw(PlotRegion& region, wxSize size) {
  wxBitmap bitmap(size.x, size.y, 24);
  {
    wxMemoryDC dc(bitmap);
    DrawPlotTree(dc, &region, wxRect(size));
  }
  return bitmap.ConvertToImage();
}

bool Dark(const wxImage& im, int x, int y) { return im.GetRed(x, y) < 128; }

}  // namespace

TEST(PlotLine, DecimatedDrawingOfANoisySeriesGivesTheSamePixelsAsEverySegment) {
  std::mt19937 random(7);
  std::normal_distribution<double> noise(0, 1);
  std::vector<long> x(100000);
  std::vector<double> y(100000);
  double walk = 0;
  for (std::size_t i = 0; i < x.size(); ++i) {
    x[i] = static_cast<long>(i) * 60;
    walk += 0.05 * noise(random);
    y[i] = walk + noise(random) * (i % 5000 < 2500 ? 1.0 : 0.1);
  }
  const wxSize size(800, 300);
  const wxImage full = Draw(*LineRegion(x, y, false), size);
  const wxImage fast = Draw(*LineRegion(x, y, true), size);
  int ink = 0, differ = 0;
  for (int py = 0; py < size.y; ++py)
    for (int px = 0; px < size.x; ++px) {
      ink += Dark(full, px, py);
      differ += Dark(full, px, py) != Dark(fast, px, py);
    }
  full.SaveFile((TestSupport::ArtifactDir() / "line_full.png").string(), wxBITMAP_TYPE_PNG);
  fast.SaveFile((TestSupport::ArtifactDir() / "line_decimated.png").string(), wxBITMAP_TYPE_PNG);
  EXPECT_GT(ink, 20000);
  // Only where one column's last point joins the next column's first.
  EXPECT_LE(differ, ink / 200) << "of " << ink;
}

TEST(PlotAxis, TimeNumbersAreTheLocalTimesOfTheirInstantsAcrossADaylightSavingChange) {
  TestSupport::ScopedTz tz("Europe/Berlin");
  // 2023-10-29 00:00 CEST; clocks go back from 03:00 CEST to 02:00 CET.
  const std::time_t origin = 1698530400;
  PlotAxis2D axis;
  axis.SetTimeLabel(true);
  axis.SetTimeLabelFormat(origin, 1, L"%H:%M %Z");
  axis.SetLimits(PlotRect{0, 5 * 3600, 0, 1});
  axis.SetAutoSteps(PlotAxisX, false);
  axis.SetGridStep(PlotAxisX, 3600);
  const std::wstring expected[] = {L"00:00 CEST", L"01:00 CEST", L"02:00 CEST", L"02:00 CET", L"03:00 CET",
                                   L"04:00 CET"};
  const std::vector<double> ticks = axis.Ticks(PlotAxisX);
  ASSERT_EQ(ticks.size(), 6u);
  for (std::size_t i = 0; i < ticks.size(); ++i) {
    EXPECT_EQ(ticks[i], 3600.0 * i);
    EXPECT_EQ(axis.NumberText(PlotAxisX, ticks[i]), expected[i]);
    EXPECT_EQ(axis.NumberText(PlotAxisX, ticks[i]), FormatLocalTime(origin + 3600 * static_cast<long>(i), L"%H:%M %Z", false));
  }
}

TEST(PlotAxis, StepsAreFixedFromTheLowerLimitOrRoundWhenAutomatic) {
  const struct {
    PlotRect limits;
    bool automatic;
    double step;
    std::vector<double> ticks;
  } cases[] = {
      {{0, 1, 10.3, 11.9}, false, 0.5, {10.3, 10.8, 11.3, 11.8}},
      {{0, 1, 10.3, 11.9}, true, 0.5, {10.5, 11.0, 11.5}},
      {{0, 1, -3, 47}, true, 0, {0, 10, 20, 30, 40}},
      {{0, 1, -3, 47}, false, 0, {0, 10, 20, 30, 40}},  // no step set: round ones
      {{0, 1, 5, 5}, false, 0.1, {5}},                  // one value
      {{0, 1, 0, 1e9}, false, 1e-6, {0, 2e8, 4e8, 6e8, 8e8, 1e9}},  // too many: round ones
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.limits.bottom);
    PlotAxis2D axis;
    axis.SetLimits(c.limits);
    axis.SetAutoSteps(PlotAxisY, c.automatic);
    axis.SetGridStep(PlotAxisY, c.step);
    const std::vector<double> ticks = axis.Ticks(PlotAxisY);
    ASSERT_EQ(ticks.size(), c.ticks.size());
    for (std::size_t i = 0; i < ticks.size(); ++i) EXPECT_NEAR(ticks[i], c.ticks[i], 1e-9 * std::fabs(c.ticks.back()) + 1e-12);
  }
}

TEST(PlotAxis, NumberingSizeIsThatOfItsWidestAndTallestNumber) {
  wxBitmap bitmap(10, 10, 24);
  wxMemoryDC dc(bitmap);
  PlotAxis2D axis;
  axis.SetLimits(PlotRect{0, 1, 0, 1000});
  axis.SetAutoSteps(PlotAxisY, false);
  axis.SetGridStep(PlotAxisY, 250);
  axis.SetNumberFormat(1, L"%.1f");
  axis.UpdateLabels(dc);
  PlotText& numbers = axis.GetLeftNumber();
  EXPECT_EQ(numbers.GetPixelWidth(), numbers.MeasureString(dc, L"1000.0").x);
  EXPECT_EQ(numbers.GetPixelHeight(), numbers.MeasureString(dc, L"1000.0").y);
  // A refused format numbers with the default.
  axis.SetNumberFormat(1, L"%s");
  EXPECT_EQ(axis.GetNumberFormat(1), L"%5.1f");
}

TEST(PlotBrush, GradientRunsFromTheFirstColourAtTheStartOfItsAngle) {
  const PlotColor first{1, 0, 0, 1}, second{0, 0, 1, 1};
  const struct {
    double angle;
    wxPoint firstAt, secondAt;
  } cases[] = {{0, {0, 50}, {99, 50}}, {90, {50, 0}, {50, 99}}, {180, {99, 50}, {0, 50}}, {270, {50, 99}, {50, 0}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.angle);
    wxBitmap bitmap(100, 100, 24);
    {
      wxMemoryDC dc(bitmap);
      PlotLinearGradientBrush(first, second, c.angle).Fill(dc, wxRect(0, 0, 100, 100));
    }
    const wxImage im = bitmap.ConvertToImage();
    EXPECT_GT(im.GetRed(c.firstAt.x, c.firstAt.y), 240);
    EXPECT_LT(im.GetBlue(c.firstAt.x, c.firstAt.y), 15);
    EXPECT_GT(im.GetBlue(c.secondAt.x, c.secondAt.y), 240);
    EXPECT_LT(im.GetRed(c.secondAt.x, c.secondAt.y), 15);
  }
}

TEST(PlotRegion, RefusedLayoutKeepsTheRowsItHad) {
  PlotRegion root;
  root.Layout(L"<layout> <matrix nrows=\"2\"  ypos=\"1.0 0.5251  0\"> </matrix> </layout>");
  ASSERT_EQ(root.GetNChildren(), 2u);
  const auto first = root.GetChild(0);
  EXPECT_THROW(root.Layout(L"<layout> <matrix nrows=\"3\"  ypos=\"1.0  0\"> </matrix> </layout>"), PlotLayoutError);
  EXPECT_EQ(root.GetNChildren(), 2u);
  EXPECT_EQ(root.GetChild(0), first);
  EXPECT_EQ(root.GetChild(2), nullptr);
  EXPECT_NE(root.GetChild(0)->GetID(), root.GetChild(1)->GetID());
}

TEST(PlotPrinter, MarginsCountFromThePapersEdgesAndTheDrawingFromThePrintableArea) {
  // A page of 2 x 3 inches at 100 pixels per inch whose printable area
  // starts 0.25 inch in from the left and 0.5 inch from the top.
  const PlotPage page{wxSize(200, 300), wxRect(25, 50, 150, 200), wxSize(100, 100)};
  const struct {
    double left, right, bottom, top;
    wxRect area;
  } cases[] = {
      {0.25, 0.25, 0.5, 0.5, wxRect(0, 0, 150, 200)},  // margins on the printable area's edges
      {0.5, 0.3, 0.6, 1.0, wxRect(25, 50, 120, 140)},
      {1.5, 1.0, 0.0, 0.0, wxRect(125, -50, 0, 300)},  // no room left
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.left);
    auto root = std::make_shared<PlotRegion>();
    root->SetBrush(std::make_shared<PlotLinearGradientBrush>(PlotColor{0, 0, 0, 1}, PlotColor{0, 0, 0, 1}, 0));
    PlotPrinter printer(root);
    printer.SetMargins(c.left, c.right, c.bottom, c.top);
    EXPECT_EQ(printer.PlotArea(page), c.area);
    wxBitmap bitmap(150, 200, 24);
    bool printed;
    {
      wxMemoryDC dc(bitmap);
      dc.SetBackground(*wxWHITE_BRUSH);
      dc.Clear();
      printed = printer.Print(dc, page);
    }
    EXPECT_EQ(printed, !c.area.IsEmpty());
    if (!printed) continue;
    // Black exactly over the area on the printable part.
    const wxImage im = bitmap.ConvertToImage();
    for (int y = 0; y < 200; y += 7)
      for (int x = 0; x < 150; x += 7) EXPECT_EQ(im.GetRed(x, y) < 128, c.area.Contains(x, y)) << x << "," << y;
  }
}

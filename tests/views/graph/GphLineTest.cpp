// A graph row's line drawn from the samples its pixel columns show, and
// redrawn from its kept pixels: the same pixels as the plotting layer's line
// drawn from every sample.
#include <gtest/gtest.h>

#include <wx/dcmemory.h>
#include <wx/image.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "tests/support/GuiTest.h"
#include "tests/support/ImageDiff.h"
#include "views/graph/GphLine.h"
#include "views/plot/PlotView.h"

using namespace PardeloStravon;

namespace {

struct Series {
  std::vector<long> x;
  std::vector<double> y;
};

// A noisy walk with calm and wild stretches, spikes and, where asked, a few
// values that are no number (breaks in the line).
Series Noisy(std::size_t n, bool breaks) {
  std::mt19937 random(11);
  std::normal_distribution<double> noise(0, 1);
  Series s{std::vector<long>(n), std::vector<double>(n)};
  double walk = 0;
  for (std::size_t i = 0; i < n; ++i) {
    s.x[i] = static_cast<long>(i) * 60 + static_cast<long>(random() % 7);
    walk += 0.05 * noise(random);
    s.y[i] = walk + noise(random) * (i % 5000 < 2500 ? 1.0 : 0.1) + (i % 7919 == 0 ? 25.0 : 0.0);
    if (breaks && i % 20011 > 20000) s.y[i] = std::numeric_limits<double>::quiet_NaN();
  }
  return s;
}

// A row region with the line as its object, backgrounds as a graph's rows
// have them, shown over [left, right] of the data.
std::shared_ptr<PlotRegion> Row(const Series& s, bool graphLine, double left, double right, double width) {
  auto row = std::make_shared<PlotRegion>();
  row->SetBrush(std::make_shared<PlotLinearGradientBrush>(PlotColor{1, 1, 0.6f, 1}, PlotColor{1, 1, 0.8f, 1}, 0));
  PlotAxis2D& axis = *row->GetAxe();
  axis.SetBrush(std::make_shared<PlotLinearGradientBrush>(PlotColor{0.8f, 0.8f, 1, 1}, PlotColor{1, 0.8f, 0.8f, 1}, 90));
  const PlotColor red{0.8f, 0, 0, 1};
  std::shared_ptr<PlotLine2D> line =
      graphLine ? std::make_shared<GphLine>(red, red, row.get()) : std::make_shared<PlotLine2D>(red, red);
  line->SetDatas(std::make_shared<PlotVectorL>(s.x), std::make_shared<PlotVectorD>(s.y));
  line->SetLineWidth(width);
  row->AddObject(line);
  for (PlotText* t : {&axis.GetTitle(), &axis.GetBottomLabel(), &axis.GetLeftLabel(), &axis.GetRightLabel(),
                      &axis.GetBottomNumber(), &axis.GetLeftNumber(), &axis.GetRightNumber()})
    t->Hide();
  axis.SetAutoBorders(PlotAutoBorders{false, false, false, false});
  axis.SetBorders(PlotBorders{30, 10, 12, 12});
  wxBitmap scratch(4, 4, 24);
  wxMemoryDC gfx(scratch);
  PlotRect r = line->GetExtent();
  r.left = left;
  r.right = right;
  row->ZoomRegion(gfx, r);
  return row;
}

// Each pixel column's first, lowest, highest and last sample and every
// value that is no finite number, found one sample at a time, with the
// samples around the visible range: what ShownSamples must pick.
std::vector<std::size_t> PickedOneByOne(const Series& s, const PlotTransform& t) {
  // As the plotting layer rounds a coordinate to its pixel.
  auto pixel = [](double p) { return static_cast<int>(std::floor(std::clamp(p, -1e6, 1e6) + 0.5)); };
  const double x0 = t.PixelX(0), xk = t.PixelX(1) - x0, y0 = t.PixelY(0), yk = t.PixelY(1) - y0;
  std::size_t firstIn = 0;
  while (firstIn < s.x.size() && s.x[firstIn] < t.limits.left) ++firstIn;
  std::size_t beyond = firstIn;
  while (beyond < s.x.size() && s.x[beyond] <= t.limits.right) ++beyond;
  const std::size_t first = firstIn > 0 ? firstIn - 1 : 0, last = std::min(s.x.size(), beyond + 1);
  std::vector<std::size_t> kept;
  auto keep = [&](std::size_t i) {
    if (kept.empty() || kept.back() < i) kept.push_back(i);
  };
  bool open = false;
  int column = 0, lowY = 0, highY = 0;
  std::size_t firstI = 0, lowI = 0, highI = 0, lastI = 0;
  auto close = [&] {
    if (!open) return;
    for (std::size_t i : {firstI, std::min(lowI, highI), std::max(lowI, highI), lastI}) keep(i);
    open = false;
  };
  for (std::size_t i = first; i < last; ++i) {
    if (!std::isfinite(s.y[i])) {
      close();
      keep(i);
      continue;
    }
    const int px = pixel(x0 + static_cast<double>(s.x[i]) * xk), py = pixel(y0 + s.y[i] * yk);
    if (open && px == column) {
      if (py > lowY) lowY = py, lowI = i;
      if (py < highY) highY = py, highI = i;
      lastI = i;
      continue;
    }
    close();
    open = true;
    column = px;
    lowY = highY = py;
    firstI = lowI = highI = lastI = i;
  }
  close();
  if (firstIn < last && !std::binary_search(kept.begin(), kept.end(), firstIn))
    kept.insert(std::lower_bound(kept.begin(), kept.end(), firstIn), firstIn);
  return kept;
}

wxImage Drawn(wxBitmap& bitmap, PlotRegion& row) {
  {
    wxMemoryDC dc(bitmap);
    DrawPlotTree(dc, &row, wxRect(bitmap.GetSize()));
  }
  return bitmap.ConvertToImage();
}

}  // namespace

TEST(GphLine, DrawnFromItsColumnsSamples_GivesThePixelsOfEverySampleDecimated_AndSoDoesItsRedraw) {
  const Series noisy = Noisy(200000, false), broken = Noisy(200000, true);
  const double end = 200000.0 * 60;
  const struct {
    const char* what;
    const Series* s;
    double left, right, width;
  } cases[] = {
      {"whole", &noisy, 0, end, 1},
      {"whole, broken", &broken, 0, end, 1},
      {"whole, thick", &noisy, 0, end, 4},
      {"middle third", &noisy, end / 3, 2 * end / 3, 2},
      {"start, between samples", &noisy, 125, end / 50 + 31, 1},
      {"few samples a column", &broken, end / 2, end / 2 + 1000 * 60, 1},
      {"fewer samples than columns", &noisy, 30000, 30000 + 200 * 60, 3},
      {"around a break", &broken, 20000.0 * 60, 20020.0 * 60, 1},
      {"beyond the data", &noisy, end + 600, end + 6000, 1},
  };
  const wxSize size(900, 260);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    wxBitmap plain(size.x, size.y, 24), graph(size.x, size.y, 24);
    const auto everySample = Row(*c.s, false, c.left, c.right, c.width);
    const auto fromColumns = Row(*c.s, true, c.left, c.right, c.width);
    const wxImage expected = Drawn(plain, *everySample);
    const wxImage first = Drawn(graph, *fromColumns);
    EXPECT_EQ(TestSupport::DifferingPixels(expected, first), 0);
    const wxImage again = Drawn(graph, *fromColumns);
    EXPECT_EQ(TestSupport::DifferingPixels(expected, again), 0);
    if (c.s == &noisy && c.left == 0) {
      first.SaveFile((TestSupport::ArtifactDir() / "graph_line_columns.png").string(), wxBITMAP_TYPE_PNG);
      int ink = 0;
      for (int y = 0; y < first.GetHeight(); ++y)
        for (int x = 0; x < first.GetWidth(); ++x) ink += first.GetRed(x, y) > 150 && first.GetGreen(x, y) < 100;
      EXPECT_GT(ink, 10000);
    }
  }
}

TEST(GphLine, ShownSamplesAreEachColumnsFirstLowestHighestAndLastAndTheBreaks) {
  Series noisy = Noisy(100000, false), broken = Noisy(100000, true), stepped = Noisy(100000, false);
  for (std::size_t i = 0; i < stepped.y.size(); ++i) {
    // Few values, many equal: the first of equal pixels must be the one.
    stepped.y[i] = std::round(stepped.y[i] * 2) / 2;
    if (i % 9973 == 0) stepped.y[i] = i % 2 ? std::numeric_limits<double>::infinity() : -1e300;
  }
  // Far below the device: one pixel with the farther value after it.
  for (std::size_t i = 19946; i < stepped.y.size(); i += 19946) stepped.y[i - 1] = -1e9;
  const double end = 100000.0 * 60;
  const struct {
    const char* what;
    const Series* s;
    PlotRect limits;
    wxRect area;
  } cases[] = {
      {"whole", &noisy, {0, end, -6, 6}, {30, 10, 1800, 90}},
      {"whole, broken", &broken, {0, end, -6, 6}, {30, 10, 1800, 90}},
      {"stepped, infinite", &stepped, {0, end, -3, 3}, {0, 0, 700, 40}},
      {"middle, tall", &broken, {end / 3, end / 2, -2, 2}, {5, 5, 900, 700}},
      {"few samples a column", &stepped, {end / 2, end / 2 + 3000 * 60, -1, 1}, {0, 0, 1000, 100}},
      {"flat", &noisy, {0, end, 5, 5}, {0, 0, 500, 50}},
      {"beyond the data", &noisy, {end + 600, end + 6000, -1, 1}, {0, 0, 300, 50}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const PlotTransform t{c.limits, c.area};
    EXPECT_EQ(ShownSamples(c.s->x, c.s->y, t), PickedOneByOne(*c.s, t));
  }
}

TEST(GphLine, KeptPixelsFollowTheZoomTheColourTheDataAndWhatLiesAround) {
  const Series s = Noisy(50000, true);
  const double end = 50000.0 * 60;
  const wxSize size(700, 200);
  wxBitmap plain(size.x, size.y, 24), graph(size.x, size.y, 24);
  const auto everySample = Row(s, false, 0, end, 2);
  const auto fromColumns = Row(s, true, 0, end, 2);
  auto same = [&](const char* what) {
    SCOPED_TRACE(what);
    EXPECT_EQ(TestSupport::DifferingPixels(Drawn(plain, *everySample), Drawn(graph, *fromColumns)), 0);
  };
  same("first");
  wxBitmap scratch(4, 4, 24);
  wxMemoryDC gfx(scratch);
  for (const auto& row : {everySample, fromColumns}) row->ZoomRegion(gfx, PlotRect{end / 4, end / 2, -3, 3});
  same("zoomed in");
  for (const auto& row : {everySample, fromColumns}) row->ZoomAll(gfx, false);
  same("whole again");
  for (const auto& row : {everySample, fromColumns})
    static_cast<PlotLine2D&>(*row->GetObjectManager().front()).SetColor(PlotColor{0, 0.5f, 0, 1});
  same("another colour");
  for (const auto& row : {everySample, fromColumns})
    row->SetBrush(std::make_shared<PlotLinearGradientBrush>(PlotColor{1, 1, 1, 1}, PlotColor{0, 0, 0, 1}, 90));
  same("another background");
  {
    // Something else drawn where the line reaches over the row's edge.
    wxMemoryDC dc(graph);
    dc.SetBrush(*wxBLUE_BRUSH);
    dc.DrawRectangle(wxRect(size));
  }
  for (const auto& row : {everySample, fromColumns}) row->GetAxe()->SetBorders(PlotBorders{30, 10, 0, 0});
  same("borders gone");
  for (const auto& row : {everySample, fromColumns}) row->GetAxe()->SetBorders(PlotBorders{30, 10, 12, 12});
  same("borders back");
  // Data of the same length, values mirrored: nothing picked or drawn from
  // the old data may show.
  Series mirrored = s;
  for (double& v : mirrored.y) v = -v;
  auto x = std::make_shared<PlotVectorL>(mirrored.x);
  static_cast<PlotLine2D&>(*everySample->GetObjectManager().front())
      .SetDatas(x, std::make_shared<PlotVectorD>(mirrored.y));
  static_cast<GphLine&>(*fromColumns->GetObjectManager().front())
      .SetDatas(x, std::make_shared<PlotVectorD>(mirrored.y));
  same("other data");
}

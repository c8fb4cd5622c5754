// A graph of many rows in an ordinary pane and on paper: every number and
// name the plotting layer draws stands clear of the others and inside the
// plot, and a curve on its row's lowest value is drawn.
#include <gtest/gtest.h>

#include <wx/dcmemory.h>
#include <wx/image.h>

#include <cmath>
#include <sstream>

#include "foundation/core/TextConv.h"
#include "network/nodes/Node.h"
#include "tests/support/CatalogueFixture.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ScopedTz.h"
#include "views/graph/GphData.h"
#include "views/graph/GraphLayout.h"
#include "views/graph/PlotConstruction.h"
#include "views/plot/PlotView.h"

using namespace PardeloStravon;

namespace {

constexpr std::time_t From = 1700000000;
constexpr long Step = 600;
constexpr int Records = 145;  // a day

// The RC500's default series over a day: each its own range, some below
// zero, the first lying on its lowest value (10.0) for the first half.
GphData Rc500Day() {
  TestSupport::LoadShippedCatalogue();
  Node node(L"RC500");
  std::istringstream none;
  GphData data = ReadGphData(node, none, From, From + Step * (Records - 1));
  for (int k = 0; k < Records; ++k) data.times_.push_back(Step * k);
  for (std::size_t s = 0; s < data.series_.size(); ++s) {
    std::vector<double>& v = data.series_[s];
    for (int k = 0; k < Records; ++k) {
      const double wave = std::sin(k / 9.0 + static_cast<double>(s));
      if (s == 0)
        v.push_back(k < Records / 2 ? 10.0 : 10.0 + 4 * std::fabs(wave));
      else if (s % 3 == 1)
        v.push_back(-34.9 + 3 * wave);
      else if (s % 3 == 2)
        v.push_back(-11.3 + 20 * (wave + 1));
      else
        v.push_back(50 + 45 * wave);
    }
  }
  return data;
}

std::string Narrow(const std::wstring& s) { return ToUtf8(s); }

struct Pane {
  const char* what;
  wxSize size;
  bool paper;
  wxSize ppi;  // of the logical units on paper
};

}  // namespace

TEST(GraphLegibility, ManyRowsInAPaneOrOnPaper_TextsStandClearOfEachOtherAndInsideThePlot) {
  TestSupport::ScopedTz zone("Europe/Berlin");
  const GphData data = Rc500Day();
  ASSERT_EQ(data.series_.size(), 11u) << "the RC500's default series";
  const Pane panes[] = {
      {"pane", {1000, 400}, false, {}},
      {"a4", {1240, 1754}, true, {150, 150}},
      {"letter", {1275, 1650}, true, {150, 150}},
  };
  for (const Pane& p : panes) {
    SCOPED_TRACE(p.what);
    auto root = std::make_shared<PlotRegion>();
    root->Layout(GraphLayoutString(data.series_.size()));
    for (std::size_t i = 0; i < data.series_.size(); ++i) BuildRow(root->GetChild(i), data, L"Store from ... to ...", i);
    wxBitmap bitmap(p.size, 24);
    wxMemoryDC dc(bitmap);
    std::optional<PlotPaperScope> paper;
    if (p.paper) paper.emplace();
    root->ZoomAll(dc, true);
    PlotHost host;
    host.from = From;
    host.to = From + Step * (Records - 1);
    host.dc = &dc;
    host.ppi = p.ppi;
    host.printing = p.paper;
    SetFontColorLine(root.get(), host);
    const wxRect plot(p.size);
    DrawPlotTree(dc, root.get(), plot);
    dc.SelectObject(wxNullBitmap);
    const wxImage image = bitmap.ConvertToImage();
    image.SaveFile((TestSupport::ArtifactDir() / (std::string("graph-rc500-") + p.what + ".png")).string(),
                   wxBITMAP_TYPE_PNG);

    std::vector<PlotDrawnText> texts;
    root->CollectDrawnTexts(texts);
    for (std::size_t i = 0; i < texts.size(); ++i) {
      EXPECT_TRUE(plot.Contains(texts[i].box)) << "cut at the plot's edge: " << Narrow(texts[i].text);
      for (std::size_t j = i + 1; j < texts.size(); ++j)
        EXPECT_FALSE(texts[i].box.Intersects(texts[j].box))
            << "\"" << Narrow(texts[i].text) << "\" runs into \"" << Narrow(texts[j].text) << "\"";
      // Legible: at least 2 mm on paper.
      if (p.paper && texts[i].box.height < texts[i].box.width) {
        EXPECT_GE(texts[i].box.height * 25.4 / p.ppi.y, 2.0) << Narrow(texts[i].text);
      }
    }
    // Each row keeps its name, whole or cut, and at least one number.
    for (std::size_t r = 0; r < root->GetNChildren(); ++r) {
      std::vector<PlotDrawnText> mine;
      root->GetChild(r)->CollectDrawnTexts(mine);
      const std::wstring name = data.labels_[r];
      const bool named = std::any_of(mine.begin(), mine.end(), [&](const PlotDrawnText& t) {
        return !t.text.empty() && name.compare(0, t.text.size() - (t.text.back() == L'\u2026'), t.text, 0,
                                               t.text.size() - (t.text.back() == L'\u2026')) == 0;
      });
      EXPECT_TRUE(named) << "row " << r << " lost its name " << Narrow(name);
      EXPECT_GE(mine.size(), 2u) << "row " << r << " shows no number";
    }

    // The first curve on its lowest value for the first half of the day:
    // drawn along the bottom of its axis area.
    const wxRect area = root->GetChild(0)->AxisArea();
    int columns = 0, drawn = 0;
    for (int x = area.x + area.width / 20; x < area.x + area.width * 9 / 20; ++x) {
      ++columns;
      for (int y = area.GetBottom() - 2; y <= area.GetBottom() + 2; ++y)
        if (image.GetRed(x, y) < 100 && image.GetGreen(x, y) < 100 && image.GetBlue(x, y) < 100) {
          ++drawn;
          break;
        }
    }
    EXPECT_EQ(drawn, columns) << "the curve on its row's lowest value";
  }
}

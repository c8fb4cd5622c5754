#pragma once
// A plot tree of rows over given sample times and values, as the graph
// builds it, without a document: for the zoom and pointer arithmetic.
#include <wx/bitmap.h>
#include <wx/dcmemory.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "views/graph/GraphLayout.h"
#include "views/graph/RowRange.h"
#include "views/plot/PlotRegion.h"

namespace TestSupport {

class RowsFixture {
 public:
  // One row per series, each labelled "S<k>".
  RowsFixture(const std::vector<long>& times, const std::vector<std::vector<double>>& series)
      : bitmap_(64, 64, 24), dc_(bitmap_) {
    using namespace PardeloStravon;
    root_ = std::make_shared<PlotRegion>();
    root_->Layout(GraphLayoutString(series.size()));
    for (std::size_t k = 0; k < series.size(); ++k) {
      auto row = root_->GetChild(k);
      row->GetAxe()->GetLeftLabel().SetString(L"S" + std::to_wstring(k));
      auto line = std::make_shared<PlotLine2D>(PlotColor{0, 0, 0, 1}, PlotColor{0, 0, 0, 1});
      line->SetDatas(std::make_shared<PlotVectorL>(times), std::make_shared<PlotVectorD>(series[k]));
      row->AddObject(line);
    }
    root_->ZoomAll(dc_, true);
  }

  PardeloStravon::PlotRegion* Row(std::size_t k = 0) const { return root_->GetChild(k).get(); }
  PardeloStravon::PlotRegion* Root() const { return root_.get(); }
  wxDC& Gfx() { return dc_; }

  // The first and last sample a row shows.
  std::pair<int, int> Shown(std::size_t k = 0) const {
    const PardeloStravon::PlotRect lim = Row(k)->GetAxe()->GetLimits();
    return {PardeloStravon::NearestIndex(Row(k), static_cast<long>(lim.left)),
            PardeloStravon::NearestIndex(Row(k), static_cast<long>(lim.right))};
  }
  void Show(int lo, int hi) { PardeloStravon::SetIndexRange(dc_, Root(), lo, hi, true); }
  // Draws the tree so that pixels map onto data.
  void Draw(const wxRect& rect) {
    wxBitmap b(rect.GetRight() + 1, rect.GetBottom() + 1, 24);
    wxMemoryDC dc(b);
    root_->Draw(dc, rect);
  }

 private:
  wxBitmap bitmap_;
  wxMemoryDC dc_;
  std::shared_ptr<PardeloStravon::PlotRegion> root_;
};

}  // namespace TestSupport

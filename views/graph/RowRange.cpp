#include "views/graph/RowRange.h"

#include <algorithm>

#include "views/graph/FiniteExtremes.h"

namespace PardeloStravon {

namespace {

const PlotLine2D* LineOf(const PlotRegion* row) {
  if (!row) return nullptr;
  auto& objects = const_cast<PlotRegion*>(row)->GetObjectManager();
  if (objects.empty()) return nullptr;
  return dynamic_cast<const PlotLine2D*>(objects.front().get());
}

}  // namespace

unsigned RowPointCount(const PlotRegion* row) {
  const PlotLine2D* line = LineOf(row);
  return line ? static_cast<unsigned>(line->GetNPoints()) : 0;
}

long RowXAt(const PlotRegion* row, unsigned i) {
  const PlotLine2D* line = LineOf(row);
  const unsigned n = RowPointCount(row);
  if (!line || n == 0) return 0;
  return static_cast<long>(line->GetXi(std::min(i, n - 1)));
}

double RowYAt(const PlotRegion* row, unsigned i) {
  const PlotLine2D* line = LineOf(row);
  const unsigned n = RowPointCount(row);
  if (!line || n == 0) return 0;
  return line->GetYi(std::min(i, n - 1));
}

int NearestIndex(const PlotRegion* row, long x) {
  const PlotLine2D* line = LineOf(row);
  const auto* xs = line ? dynamic_cast<const PlotVectorL*>(line->GetX()) : nullptr;
  if (!xs || xs->GetV().empty()) return 0;
  const std::vector<long>& v = xs->GetV();
  auto p = static_cast<std::size_t>(std::upper_bound(v.begin(), v.end(), x) - v.begin());
  if (p == v.size()) return static_cast<int>(p - 1);
  if (p != 0 && x - v[p - 1] < v[p] - x) return static_cast<int>(p - 1);
  return static_cast<int>(p);
}

void SetIndexRange(wxDC& gfx, PlotRegion* region, int lo, int hi, bool recurse) {
  if (!region) return;
  auto& objects = region->GetObjectManager();
  auto* line = objects.empty() ? nullptr : dynamic_cast<PlotLine2D*>(objects.front().get());
  if (line) {
    if (lo == hi) {
      if (lo != 0) --lo; else ++hi;
    }
    PlotRect ext = line->GetExtent();
    ext.left = static_cast<double>(RowXAt(region, static_cast<unsigned>(lo)));
    ext.right = static_cast<double>(RowXAt(region, static_cast<unsigned>(hi)));
    if (!line->GetY()) return;
    if (const auto* ys = dynamic_cast<const PlotVectorD*>(line->GetY())) {
      const std::vector<double>& v = ys->GetV();
      const long first = std::max(lo, 0);
      const long last = std::min<long>(hi, static_cast<long>(v.size()) - 1);
      if (first <= last &&
          !FiniteExtremes(v.data() + first, static_cast<std::size_t>(last - first + 1), ext.bottom, ext.top)) {
        const auto [mn, mx] = std::minmax_element(v.begin() + first, v.begin() + last + 1);
        ext.bottom = *mn;
        ext.top = *mx;
      }
    }
    line->SetExtent(ext);
    PlotAxis2D* axis = region->GetAxe();
    if (!axis) return;
    axis->SetGridStep(PlotAxisX, std::max((ext.right - ext.left) / 5, 1.0));
    const bool autoY = axis->IsAutoSteps(PlotAxisY);
    axis->SetGridStep(PlotAxisY, std::max((ext.top - ext.bottom) / 5, 0.1));
    axis->SetAutoSteps(PlotAxisY, autoY);
    region->ZoomRegion(gfx, ext);
  } else {
    region->ZoomAll(gfx, false);
  }
  if (recurse)
    for (std::size_t i = 0; i < region->GetNChildren(); ++i)
      SetIndexRange(gfx, region->GetChild(i).get(), lo, hi, true);
}

}  // namespace PardeloStravon

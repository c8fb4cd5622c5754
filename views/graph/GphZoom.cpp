#include "views/graph/GphZoom.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "foundation/core/TimeFormat.h"
#include "views/graph/RowRange.h"

namespace PardeloStravon {

const double GphZoomOut = 1 / std::sqrt(std::sqrt(2.0));

namespace {

constexpr unsigned KeyZero = 48, KeyPlus = 187, KeyMinus = 189;

double ZoomOutSteps(long steps) { return std::pow(GphZoomOut, static_cast<double>(std::min(10L, steps))); }

}  // namespace

double WheelZoomFactor(short delta) { return delta <= 0 ? 2.0 : ZoomOutSteps(delta / 120); }

double KeyZoomFactor(unsigned key, unsigned repeat) {
  switch (key) {
    case KeyPlus: return 2.0;
    case KeyMinus: return ZoomOutSteps(static_cast<long>(std::min(repeat, 10u)));
    default: return 0.0;
  }
}

bool KeyResets(unsigned key) { return key == KeyZero; }

bool ZoomRowsAround(wxDC& gfx, PlotRegion* row, double f, long centre) {
  if (!row || !row->GetParent()) return false;
  const PlotRect lim = row->GetAxe()->GetLimits();
  const long c = f > 1 ? centre : static_cast<long>((lim.left + lim.right) / 2);
  const int i0 = NearestIndex(row, static_cast<long>(lim.left));
  const int i1 = NearestIndex(row, static_cast<long>(lim.right));
  if (i1 == i0 + 1 && f >= 1) return false;
  if (i0 == 0 && static_cast<unsigned>(i1 + 1) == RowPointCount(row) && f <= 1) return false;
  const long half = static_cast<long>((lim.right - lim.left) / (2 * f));
  int a = NearestIndex(row, c - half);
  int b = NearestIndex(row, c + half);
  // A step always moves: by one sample when it would change nothing or
  // collapse to one sample.
  if (b == a || (a == i0 && b == i1)) {
    if (a != 0) --a; else ++b;
  }
  SetIndexRange(gfx, row->GetParent(), a, b, true);
  return true;
}

bool ZoomResetRows(wxDC& gfx, PlotRegion* row) {
  if (!row || !row->GetParent()) return false;
  PlotRegion* root = row->GetParent();
  SetIndexRange(gfx, root, 0, static_cast<int>(RowPointCount(row)) - 1, true);
  root->ZoomAll(gfx, true);
  return true;
}

long PixelToX(const PlotRegion* row, int pixelX) {
  return row ? static_cast<long>(row->PixelToDataX(pixelX)) : 0;
}

std::wstring PointerInfoText(const PlotRegion* row, int x, int y, std::time_t from,
                             const std::wstring& dateFormat) {
  if (!row) return L"";
  const long t = PixelToX(row, x);
  const unsigned i = static_cast<unsigned>(NearestIndex(row, t));
  std::wostringstream out;
  out << L"(" << x << L"," << y << L")";
  out << L"(" << RowXAt(row, i) << L"s,nr." << i << L"," << RowYAt(row, i) << L")";
  const PlotRegion* root = row->GetParent();
  if (!root) return L"";
  out << L"(" << FormatLocalTime(from + t, dateFormat, true);
  for (std::size_t k = 0; k < root->GetNChildren(); ++k) {
    PlotRegion* rowK = root->GetChild(k).get();
    out << L"," << rowK->GetAxe()->GetLeftLabel().GetString() << L"=" << RowYAt(rowK, i);
  }
  out << L")";
  return out.str();
}

}  // namespace PardeloStravon

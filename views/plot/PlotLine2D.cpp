#include "views/plot/PlotLine2D.h"

#include <wx/graphics.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace PardeloStravon {

namespace {

double Span(double lo, double hi) { return hi > lo ? hi - lo : 1.0; }

// Far outside any device, but well inside int.
int ClampPixel(double p) {
  if (!(p > -1e6)) return -1000000;
  if (p > 1e6) return 1000000;
  return static_cast<int>(std::floor(p + 0.5));
}

// A clip that ends as it began. Ending a DC clip on a graphics-context DC
// clips it to the context's size, and a context made on a PDF page has the
// size 0 x 0: nothing drawn afterwards would reach the page.
class ClipScope {
 public:
  ClipScope(wxDC& dc, const wxRect& r) : gc_(dc.GetGraphicsContext()) {
    if (gc_) {
      gc_->PushState();
      gc_->Clip(r.x, r.y, r.width, r.height);
    } else {
      clipper_.emplace(dc, r);
    }
  }
  ~ClipScope() {
    if (gc_) gc_->PopState();
  }
  ClipScope(const ClipScope&) = delete;
  ClipScope& operator=(const ClipScope&) = delete;

 private:
  wxGraphicsContext* gc_;
  std::optional<wxDCClipper> clipper_;
};

}  // namespace

double PlotTransform::PixelX(double x) const {
  // A collapsed range is widened around its value, as the numbers are.
  const double lo = limits.right > limits.left ? limits.left : limits.left - 0.5;
  return area.x + (x - lo) / Span(lo, limits.right > limits.left ? limits.right : limits.left + 0.5) * area.width;
}

double PlotTransform::PixelY(double y) const {
  const double lo = limits.top > limits.bottom ? limits.bottom : limits.bottom - 0.5;
  const double hi = limits.top > limits.bottom ? limits.top : limits.bottom + 0.5;
  return area.y + area.height - (y - lo) / Span(lo, hi) * area.height;
}

double PlotTransform::DataX(double px) const {
  const double lo = limits.right > limits.left ? limits.left : limits.left - 0.5;
  const double hi = limits.right > limits.left ? limits.right : limits.left + 0.5;
  if (area.width <= 0) return lo;
  return lo + (px - area.x) / area.width * (hi - lo);
}

PlotLine2D::PlotLine2D(const PlotColor& color, const PlotColor& second) : color_(color), second_(second) {}

std::size_t PlotLine2D::GetNPoints() const {
  if (!x_ || !y_) return 0;
  return std::min(x_->size(), y_->size());
}

void PlotLine2D::SetDatas(std::shared_ptr<PlotVector> x, std::shared_ptr<PlotVector> y) {
  x_ = std::move(x);
  y_ = std::move(y);
  const std::size_t n = GetNPoints();
  if (n == 0) {
    extent_ = PlotRect{};
    return;
  }
  extent_ = PlotRect{x_->at(0), x_->at(n - 1), y_->at(0), y_->at(0)};
  for (std::size_t i = 0; i < n; ++i) {
    const double y = y_->at(i);
    if (y < extent_.bottom) extent_.bottom = y;
    if (y > extent_.top) extent_.top = y;
  }
}

void PlotLine2D::Draw(wxDC& dc, const PlotTransform& t) const {
  const std::size_t n = GetNPoints();
  if (n == 0 || t.area.IsEmpty()) return;
  // Only the samples inside the visible X range and one on either side.
  std::size_t first = 0, last = n;
  {
    std::size_t lo = 0, hi = n;
    while (lo < hi) {
      const std::size_t mid = lo + (hi - lo) / 2;
      if (x_->at(mid) < t.limits.left) lo = mid + 1; else hi = mid;
    }
    first = lo > 0 ? lo - 1 : 0;
    lo = first;
    hi = n;
    while (lo < hi) {
      const std::size_t mid = lo + (hi - lo) / 2;
      if (x_->at(mid) <= t.limits.right) lo = mid + 1; else hi = mid;
    }
    last = std::min(n, lo + 1);
  }

  std::vector<wxPoint> points;
  auto flush = [&] {
    if (points.size() == 1) points.push_back(points.front());
    if (points.size() >= 2) dc.DrawLines(static_cast<int>(points.size()), points.data());
    points.clear();
  };
  const int w = std::max(1, static_cast<int>(std::lround(width_)));
  dc.SetPen(wxPen(ToWxColour(color_), w, wxPENSTYLE_SOLID));
  ClipScope clip(dc, t.area);

  if (!decimate_) {
    points.reserve(last - first);
    for (std::size_t i = first; i < last; ++i) {
      const double y = y_->at(i);
      if (!std::isfinite(y)) {
        flush();
        continue;
      }
      points.emplace_back(ClampPixel(t.PixelX(x_->at(i))), ClampPixel(t.PixelY(y)));
    }
    flush();
    return;
  }

  // One pixel column at a time: its first, lowest, highest and last point,
  // the lowest and highest in the order they came.
  bool open = false;
  int column = 0;
  wxPoint firstP, lowP, highP, lastP;
  std::size_t lowI = 0, highI = 0;
  auto close = [&] {
    if (!open) return;
    points.push_back(firstP);
    if (lowI < highI) {
      points.push_back(lowP);
      points.push_back(highP);
    } else {
      points.push_back(highP);
      points.push_back(lowP);
    }
    points.push_back(lastP);
    open = false;
  };
  for (std::size_t i = first; i < last; ++i) {
    const double y = y_->at(i);
    if (!std::isfinite(y)) {
      close();
      flush();
      continue;
    }
    const wxPoint p(ClampPixel(t.PixelX(x_->at(i))), ClampPixel(t.PixelY(y)));
    if (open && p.x == column) {
      // Screen y grows downwards: the lowest value has the largest y.
      if (p.y > lowP.y) { lowP = p; lowI = i; }
      if (p.y < highP.y) { highP = p; highI = i; }
      lastP = p;
      continue;
    }
    close();
    open = true;
    column = p.x;
    firstP = lowP = highP = lastP = p;
    lowI = highI = i;
  }
  close();
  // Repeated points add nothing to the drawing.
  points.erase(std::unique(points.begin(), points.end()), points.end());
  flush();
}

}  // namespace PardeloStravon

#include "views/plot/PlotLine2D.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/gui/BitmapPixels.h"
#include "views/plot/SegmentMark.h"

namespace PardeloStravon {

namespace {

double Span(double lo, double hi) { return hi > lo ? hi - lo : 1.0; }

// Far outside any device, but well inside int.
int ClampPixel(double p) {
  if (!(p > -1e6)) return -1000000;
  if (p > 1e6) return 1000000;
  return static_cast<int>(std::floor(p + 0.5));
}

// Liang-Barsky: the part of segment a-b inside the box, its far edges
// included, false when none. The data's range maps onto the box's edges
// exactly: a line at its row's lowest value lies on the far edge and must
// stay.
bool ClipSegment(wxPoint& a, wxPoint& b, const wxRect& box) {
  const double x0 = a.x, y0 = a.y, dx = static_cast<double>(b.x) - a.x, dy = static_cast<double>(b.y) - a.y;
  double t0 = 0, t1 = 1;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {x0 - box.x, box.x + box.width - x0, y0 - box.y, box.y + box.height - y0};
  for (int k = 0; k < 4; ++k) {
    if (p[k] == 0) {
      if (q[k] < 0) return false;
      continue;
    }
    const double r = q[k] / p[k];
    if (p[k] < 0) {
      if (r > t1) return false;
      t0 = std::max(t0, r);
    } else {
      if (r < t0) return false;
      t1 = std::min(t1, r);
    }
  }
  const wxPoint from(static_cast<int>(std::lround(x0 + t0 * dx)), static_cast<int>(std::lround(y0 + t0 * dy)));
  const wxPoint to(static_cast<int>(std::lround(x0 + t1 * dx)), static_cast<int>(std::lround(y0 + t1 * dy)));
  a = from;
  b = to;
  return true;
}

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

namespace {

// The data as plain arrays when they are the usual vectors, so a year of
// points is read without a call per value.
struct Samples {
  const PlotVector& xv;
  const PlotVector& yv;
  const long* xl = nullptr;
  const double* yd = nullptr;
  Samples(const PlotVector& x, const PlotVector& y) : xv(x), yv(y) {
    if (auto* v = dynamic_cast<const PlotVectorL*>(&x)) xl = v->GetV().data();
    if (auto* v = dynamic_cast<const PlotVectorD*>(&y)) yd = v->GetV().data();
  }
  double X(std::size_t i) const { return xl ? static_cast<double>(xl[i]) : xv.at(i); }
  double Y(std::size_t i) const { return yd ? yd[i] : yv.at(i); }
};

}  // namespace

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
  const Samples data(*x_, *y_);
  extent_ = PlotRect{data.X(0), data.X(n - 1), data.Y(0), data.Y(0)};
  for (std::size_t i = 0; i < n; ++i) {
    const double y = data.Y(i);
    if (y < extent_.bottom) extent_.bottom = y;
    if (y > extent_.top) extent_.top = y;
  }
}

void PlotLine2D::Draw(wxDC& dc, const PlotTransform& t) const {
  const std::size_t n = GetNPoints();
  if (n == 0 || t.area.IsEmpty()) return;
  const Samples data(*x_, *y_);
  // Only the samples inside the visible X range and one on either side.
  std::size_t first = 0, last = n;
  {
    std::size_t lo = 0, hi = n;
    while (lo < hi) {
      const std::size_t mid = lo + (hi - lo) / 2;
      if (data.X(mid) < t.limits.left) lo = mid + 1; else hi = mid;
    }
    first = lo > 0 ? lo - 1 : 0;
    lo = first;
    hi = n;
    while (lo < hi) {
      const std::size_t mid = lo + (hi - lo) / 2;
      if (data.X(mid) <= t.limits.right) lo = mid + 1; else hi = mid;
    }
    last = std::min(n, lo + 1);
  }

  // The transform as one multiply and add per coordinate.
  const double x0 = t.PixelX(0), xk = t.PixelX(1) - x0;
  const double y0 = t.PixelY(0), yk = t.PixelY(1) - y0;
  auto pixel = [&](std::size_t i, double y) { return wxPoint(ClampPixel(x0 + data.X(i) * xk), ClampPixel(y0 + y * yk)); };

  std::vector<wxPoint> points;
  // Strokes of at most eight points: the rasterizer's work grows faster
  // than the points of one stroke, and a noisy year's columns each run the
  // row's height, so short strokes draw it over ten times faster than one.
  // Strokes share their end points, and round caps close the joins. With a
  // graphics context, the pieces of a few columns go into one path of
  // separate pieces instead, stroked at once.
  wxGraphicsContext* gc = nullptr;
  wxGraphicsPath batch;
  std::size_t batched = 0;
  constexpr std::size_t BatchColumns = 16;
  auto stroke = [&](const std::vector<wxPoint>& piece) {
    if (gc && piece.size() > 1) {
      batch.MoveToPoint(piece[0].x, piece[0].y);
      for (std::size_t i = 1; i < piece.size(); ++i) batch.AddLineToPoint(piece[i].x, piece[i].y);
      return;
    }
    constexpr std::size_t Chunk = 8;
    for (std::size_t i = 0; i + 1 < piece.size(); i += Chunk - 1)
      dc.DrawLines(static_cast<int>(std::min(Chunk, piece.size() - i)), piece.data() + i);
  };
  // Clipped to the axis area here rather than by the device context, whose
  // clipping some targets (a PDF page moved to its printable area) restore
  // wrongly afterwards.
  const wxRect box = t.area;
  std::vector<wxPoint> piece;
  auto flush = [&] {
    if (points.size() == 1) points.push_back(points.front());
    piece.clear();
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
      wxPoint a = points[i], b = points[i + 1];
      const bool aInside = a.x >= box.x && a.x <= box.x + box.width && a.y >= box.y && a.y <= box.y + box.height;
      if (!ClipSegment(a, b, box)) continue;
      if (!aInside || piece.empty()) {
        stroke(piece);
        piece.assign(1, a);
      }
      piece.push_back(b);
      if (b != points[i + 1]) {
        stroke(piece);
        piece.clear();
      }
    }
    stroke(piece);
    points.clear();
  };
  const int w = std::max(1, static_cast<int>(std::lround(width_)));
  dc.SetPen(wxPen(ToWxColour(color_), w, wxPENSTYLE_SOLID));

  if (!decimate_) {
    points.reserve(last - first);
    for (std::size_t i = first; i < last; ++i) {
      const double y = data.Y(i);
      if (!std::isfinite(y)) {
        flush();
        continue;
      }
      points.push_back(pixel(i, y));
    }
    flush();
    return;
  }

  // One pixel column at a time: its first, lowest, highest and last point.
  struct Column {
    wxPoint first, low, high, last;
    bool joined;  // to the column before, no break between them
  };
  std::vector<Column> columns;
  bool open = false, joined = false;
  for (std::size_t i = first; i < last; ++i) {
    const double y = data.Y(i);
    if (!std::isfinite(y)) {
      open = joined = false;
      continue;
    }
    const wxPoint p = pixel(i, y);
    if (open && p.x == columns.back().first.x) {
      Column& c = columns.back();
      // Screen y grows downwards: the lowest value has the largest y.
      if (p.y > c.low.y) c.low = p;
      if (p.y < c.high.y) c.high = p;
      c.last = p;
      continue;
    }
    columns.push_back(Column{p, p, p, p, joined});
    open = joined = true;
  }
  // On a screen with a solid pen, a column's run covers the pen's width of
  // pixel columns whole between its end rows: that part is filled as a
  // rectangle, which needs no smoothing, and only the ends and the joins
  // that leave the runs are stroked. A join lying inside both columns'
  // filled runs falls on pixels they cover already.
  double sx = 0, sy = 0, lx = 0, ly = 0;
  dc.GetUserScale(&sx, &sy);
  dc.GetLogicalScale(&lx, &ly);
  const bool screen = wxDynamicCast(&dc, wxMemoryDC) || wxDynamicCast(&dc, wxWindowDC);
  gc = screen && sx == 1 && sy == 1 && lx == 1 && ly == 1 ? dc.GetGraphicsContext() : nullptr;
  wxGraphicsPath runs;
  if (gc) batch = gc->CreatePath(), runs = gc->CreatePath();
  // Into a bitmap in memory, the runs and the pieces inside the area, tens
  // of thousands in a year, are laid straight into its pixels.
  const bool direct = gc && Platform::BitmapPixels::Reachable(gc);
  std::vector<wxRect> runRects;
  std::vector<wxPoint> starts;
  std::vector<MarkPiece> pieces;
  std::vector<wxRect> under;  // of each piece, the run filled over it
  auto segment = [&](wxPoint a, wxPoint b, bool inside, const wxRect& run = wxRect()) {
    if (direct && inside && Markable(w, b.x - a.x, b.y - a.y)) {
      starts.push_back(a);
      pieces.push_back(MarkPiece{b.x - a.x, b.y - a.y});
      under.push_back(run);
      return;
    }
    points = {a, b};
    flush();
  };
  // An odd width is drawn on the pixels' centres, an even one on their edges.
  const double offset = w % 2 ? 0.5 : 0.0, half = w / 2.0;
  // Inside the area, its far edges included, the strokes need no clipping.
  auto inBox = [&](const Column& c) {
    return c.first.x >= box.x && c.first.x <= box.x + box.width && c.high.y >= box.y && c.low.y <= box.y + box.height;
  };
  // The rows a column's run covers whole: [top, bottom).
  auto filledTop = [&](const Column& c) { return std::ceil(c.high.y + offset); };
  auto filledBottom = [&](const Column& c) { return std::floor(c.low.y + offset); };
  for (std::size_t k = 0; k < columns.size(); ++k) {
    const Column& c = columns[k];
    if (gc && inBox(c)) {
      const int x = c.first.x, top = c.high.y, bottom = c.low.y;
      const Column* before = c.joined ? &columns[k - 1] : nullptr;
      if (before) {
        const double from = std::min(before->last.y, c.first.y) + offset - half;
        const double to = std::max(before->last.y, c.first.y) + offset + half;
        // The join's stroke stays within its end points' box grown by half
        // the pen, which the two runs cover when they are near enough.
        const bool covered = inBox(*before) && x - before->first.x <= w && filledTop(c) <= from && filledBottom(c) >= to &&
                             filledTop(*before) <= from && filledBottom(*before) >= to;
        if (!covered) segment(before->last, c.first, inBox(*before));
      }
      if (bottom - top >= 2) {
        const double fillTop = filledTop(c), fillBottom = filledBottom(c);
        wxRect run;
        if (fillBottom > fillTop) {
          if (direct)
            runRects.push_back(run = wxRect(static_cast<int>(x + offset - half), static_cast<int>(fillTop), w,
                                            static_cast<int>(fillBottom - fillTop)));
          else
            runs.AddRectangle(x + offset - half, fillTop, w, fillBottom - fillTop);
        }
        segment(wxPoint(x, top), wxPoint(x, top + 1), true, run);
        segment(wxPoint(x, bottom - 1), wxPoint(x, bottom), true, run);
      } else if (bottom > top || !before) {
        const bool lone = bottom == top && k + 1 < columns.size() && columns[k + 1].joined;
        if (!lone) segment(wxPoint(x, top), wxPoint(x, bottom), true);
      }
    } else {
      const bool nearLow = std::abs(c.first.y - c.low.y) <= std::abs(c.first.y - c.high.y);
      if (c.joined) points.push_back(columns[k - 1].last);
      for (const wxPoint& p : {c.first, nearLow ? c.low : c.high, nearLow ? c.high : c.low})
        if (points.empty() || points.back() != p) points.push_back(p);
      // A lone point the next column joins is covered by that join.
      if (points.size() == 1 && k + 1 < columns.size() && columns[k + 1].joined) points.clear();
      flush();
    }
    if (gc && ++batched % BatchColumns == 0) {
      gc->StrokePath(batch);
      batch = gc->CreatePath();
    }
  }
  if (gc) {
    gc->StrokePath(batch);
    if (direct) {
      FindSegmentMarks(w, pieces);
      Platform::BitmapPixels pixels(gc, ToWxColour(color_));
      // Most pieces are the runs' one-pixel ends: their mark found once.
      const std::vector<MarkPixel>& end = SegmentMark(w, 0, 1);
      for (std::size_t k = 0; k < pieces.size(); ++k) {
        const MarkPiece& p = pieces[k];
        pixels.Lay(starts[k].x, starts[k].y, p.dx == 0 && p.dy == 1 ? end : SegmentMark(w, p.dx, p.dy), under[k]);
      }
      for (const wxRect& r : runRects) pixels.Fill(r);
      return;
    }
    gc->SetPen(wxNullGraphicsPen);
    gc->SetBrush(wxBrush(ToWxColour(color_)));
    gc->FillPath(runs, wxWINDING_RULE);
    gc->SetPen(dc.GetPen());
    gc->SetBrush(dc.GetBrush());
  }
}

}  // namespace PardeloStravon

#include "views/graph/GphLine.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>

#include <algorithm>
#include <cmath>

#include "platform/gui/BitmapPixels.h"
#include "views/graph/FiniteExtremes.h"

namespace PardeloStravon {

namespace {

// As the plotting layer rounds a coordinate to its pixel.
int Pixel(double p) {
  if (!(p > -1e6)) return -1000000;
  if (p > 1e6) return 1000000;
  return static_cast<int>(std::floor(p + 0.5));
}

bool Same(const PlotRect& a, const PlotRect& b) {
  return a.left == b.left && a.right == b.right && a.bottom == b.bottom && a.top == b.top;
}

// Appends i unless it is already the last sample kept.
void Keep(std::vector<std::size_t>& kept, std::size_t i) {
  if (kept.empty() || kept.back() < i) kept.push_back(i);
}

}  // namespace

std::vector<std::size_t> ShownSamples(const std::vector<long>& x, const std::vector<double>& y,
                                      const PlotTransform& t) {
  std::vector<std::size_t> kept;
  const std::size_t n = std::min(x.size(), y.size());
  if (n == 0 || t.area.IsEmpty()) return kept;
  // The samples inside the visible X range and one on either side, as the
  // layer picks them; the first inside must stay, or the layer's own pick
  // among the kept samples would start later.
  const double left = t.limits.left, right = t.limits.right;
  const auto firstIn = static_cast<std::size_t>(
      std::partition_point(x.begin(), x.begin() + n, [&](long v) { return static_cast<double>(v) < left; }) -
      x.begin());
  const std::size_t first = firstIn > 0 ? firstIn - 1 : 0;
  const auto beyond = static_cast<std::size_t>(
      std::partition_point(x.begin() + first, x.begin() + n, [&](long v) { return static_cast<double>(v) <= right; }) -
      x.begin());
  const std::size_t last = std::min(n, beyond + 1);

  const double x0 = t.PixelX(0), xk = t.PixelX(1) - x0;
  const double y0 = t.PixelY(0), yk = t.PixelY(1) - y0;
  kept.reserve(std::min<std::size_t>(last - first, 4 * static_cast<std::size_t>(t.area.width) + 8));

  // One pixel column at a time, as the layer decimates: its first, lowest,
  // highest and last sample; a value that is no number breaks the line and
  // stays as the break.
  bool open = false;
  int column = 0, lowY = 0, highY = 0;
  double lowV = 0, highV = 0;
  const bool downwards = yk < 0;
  std::size_t firstI = 0, lowI = 0, highI = 0, lastI = 0;
  auto close = [&] {
    if (!open) return;
    Keep(kept, firstI);
    Keep(kept, std::min(lowI, highI));
    Keep(kept, std::max(lowI, highI));
    Keep(kept, lastI);
    open = false;
  };
  auto columnOf = [&](std::size_t i) { return Pixel(x0 + static_cast<double>(x[i]) * xk); };
  for (std::size_t begin = first; begin < last;) {
    // The samples of this pixel column, found by a galloping search over
    // the ordered times rather than a pixel reckoned for every sample.
    const int px = columnOf(begin);
    std::size_t inside = begin, step = 1;
    while (step < last - inside && columnOf(inside + step) == px) inside += step, step *= 2;
    const auto end = static_cast<std::size_t>(
        std::partition_point(x.begin() + static_cast<std::ptrdiff_t>(inside) + 1,
                             x.begin() + static_cast<std::ptrdiff_t>(std::min(last, inside + step)),
                             [&](const long& v) { return columnOf(static_cast<std::size_t>(&v - x.data())) == px; }) -
        x.begin());
    // A column of finite values, the usual, from its extreme values: its
    // lowest and highest samples are the first whose pixels are those of
    // the extremes, and only samples within a pixel of them need one.
    double lowest = 0, highest = 0;
    if (FiniteExtremes(y.data() + begin, end - begin, lowest, highest)) {
      close();
      open = true;
      column = px;
      firstI = begin;
      lastI = end - 1;
      // Screen y grows downwards: the lowest value has the largest y.
      const double lowEnd = downwards ? lowest : highest, highEnd = downwards ? highest : lowest;
      auto firstAt = [&](double extreme) {
        const int target = Pixel(y0 + extreme * yk);
        // Far outside the device all pixels are one: every sample is near.
        const bool clamped = target == Pixel(-1e300) || target == Pixel(1e300);
        const double near = 1.0001 / std::abs(yk);
        for (std::size_t i = begin; i < end; ++i)
          if ((clamped || std::abs(y[i] - extreme) < near) && Pixel(y0 + y[i] * yk) == target) return i;
        return begin;
      };
      lowI = yk == 0 ? begin : firstAt(lowEnd);
      highI = yk == 0 ? begin : firstAt(highEnd);
      begin = end;
      continue;
    }
    for (std::size_t i = begin; i < end; ++i) {
      const double v = y[i];
      if (!std::isfinite(v)) {
        close();
        Keep(kept, i);
        continue;
      }
      if (open && px == column) {
        // Screen y grows downwards: the lowest value has the largest y.
        // Only a value beyond the extremes so far can move them, and only
        // when its pixel does: most samples need no pixel at all.
        if (v < lowV || !downwards) {
          const int py = Pixel(y0 + v * yk);
          if (py > lowY) lowY = py, lowI = i, lowV = v;
        }
        if (v > highV || !downwards) {
          const int py = Pixel(y0 + v * yk);
          if (py < highY) highY = py, highI = i, highV = v;
        }
        lastI = i;
        continue;
      }
      close();
      open = true;
      column = px;
      lowY = highY = Pixel(y0 + v * yk);
      lowV = highV = v;
      firstI = lowI = highI = lastI = i;
    }
    begin = end;
  }
  close();
  if (firstIn < last && !std::binary_search(kept.begin(), kept.end(), firstIn))
    kept.insert(std::lower_bound(kept.begin(), kept.end(), firstIn), firstIn);
  return kept;
}

GphLine::GphLine(const PlotColor& color, const PlotColor& second, const PlotRegion* row)
    : PlotLine2D(color, second), row_(row) {}

void GphLine::SetDatas(std::shared_ptr<PlotVector> x, std::shared_ptr<PlotVector> y) {
  PlotLine2D::SetDatas(std::move(x), std::move(y));
  shown_ = Shown{};
  drawn_ = Drawn{};
}

void GphLine::Draw(wxDC& dc, const PlotTransform& t) const {
  const auto* xs = dynamic_cast<const PlotVectorL*>(GetX());
  const auto* ys = dynamic_cast<const PlotVectorD*>(GetY());
  // Only drawings for the screen keep anything: paper is drawn from the
  // data every time.
  auto* bitmap = wxDynamicCast(&dc, wxMemoryDC);
  const bool screen = bitmap || wxDynamicCast(&dc, wxWindowDC);
  if (!GetDecimation() || !xs || !ys || !screen) {
    PlotLine2D::Draw(dc, t);
    return;
  }
  Shown& s = shown_;
  if (!s.line || s.x != xs || s.y != ys || s.n != GetNPoints() || !Same(s.limits, t.limits) || s.area != t.area) {
    const std::vector<long>& x = xs->GetV();
    const std::vector<double>& y = ys->GetV();
    const std::vector<std::size_t> kept = ShownSamples(x, y, t);
    std::vector<long> kx(kept.size());
    std::vector<double> ky(kept.size());
    for (std::size_t k = 0; k < kept.size(); ++k) kx[k] = x[kept[k]], ky[k] = y[kept[k]];
    s.line = std::make_unique<PlotLine2D>(GetColor(), GetColor());
    s.line->SetDatas(std::make_shared<PlotVectorL>(std::move(kx)), std::make_shared<PlotVectorD>(std::move(ky)));
    s.x = xs;
    s.y = ys;
    s.n = GetNPoints();
    s.limits = t.limits;
    s.area = t.area;
  }
  s.line->SetColor(GetColor());
  s.line->SetLineWidth(GetLineWidth());
  if (bitmap)
    Stroke(*bitmap, t);
  else
    s.line->Draw(dc, t);
}

namespace {

// What lies in the parts of rect outside the row's rectangle: there the
// line reaches over a neighbour's pixels, which must be as they were.
wxImage Beyond(wxDC& dc, const wxRect& rect, const wxRect& row) {
  wxImage strips(rect.width, 0);
  const wxRect above(rect.x, rect.y, rect.width, std::max(0, row.y - rect.y));
  const wxRect below(rect.x, row.GetBottom() + 1, rect.width, std::max(0, rect.GetBottom() - row.GetBottom()));
  std::vector<unsigned char> bytes;
  for (const wxRect& r : {above, below}) {
    if (r.IsEmpty()) continue;
    const wxImage part = dc.GetAsBitmap(&r).ConvertToImage();
    bytes.insert(bytes.end(), part.GetData(), part.GetData() + 3 * r.width * r.height);
  }
  if (bytes.empty()) return wxImage(1, 1);
  wxImage image(rect.width, static_cast<int>(bytes.size() / 3 / rect.width));
  std::copy(bytes.begin(), bytes.end(), image.GetData());
  return image;
}

bool SameImage(const wxImage& a, const wxImage& b) {
  return a.IsOk() && b.IsOk() && a.GetSize() == b.GetSize() &&
         std::equal(a.GetData(), a.GetData() + 3 * a.GetWidth() * a.GetHeight(), b.GetData());
}

}  // namespace

void GphLine::Stroke(wxDC& dc, const PlotTransform& t) const {
  const PlotLine2D& line = *shown_.line;
  // Under the line lie the row's background and the axis area's, each
  // filled whole just before: the same brushes over the same rectangles
  // leave the same pixels for the line to be drawn over. Where the line
  // reaches over a neighbouring row, those pixels are compared.
  const PlotRegion* row = row_;
  const auto* axis = row ? const_cast<PlotRegion*>(row)->GetAxe() : nullptr;
  // The pen's half width and the edge's smoothing may reach past the area.
  const int reach = static_cast<int>(std::ceil(line.GetLineWidth() / 2)) + 2;
  const wxRect rect = wxRect(t.area).Inflate(reach);
  const bool plain = dc.GetDeviceOrigin() == wxPoint(0, 0) && dc.GetLogicalOrigin() == wxPoint(0, 0);
  double sx = 0, sy = 0, lx = 0, ly = 0;
  dc.GetUserScale(&sx, &sy);
  dc.GetLogicalScale(&lx, &ly);
  const wxRect rowRect = row ? row->PixelRect() : wxRect();
  if (!row || !axis || !row->GetBrush() || !axis->GetBrush() || rowRect.x > rect.x ||
      rowRect.GetRight() < rect.GetRight() || !wxRect(dc.GetSize()).Contains(rect) || !plain || sx != 1 ||
      sy != 1 || lx != 1 || ly != 1) {
    line.Draw(dc, t);
    return;
  }
  Drawn& d = drawn_;
  wxImage beyond = Beyond(dc, rect, rowRect);
  wxGraphicsContext* gc = dc.GetGraphicsContext();
  if ((d.pixels.IsOk() || !d.kept.empty()) && d.rowBrush == row->GetBrush() && d.axisBrush == axis->GetBrush() &&
      d.rect == rect && d.row == rowRect && d.area == t.area && Same(d.limits, t.limits) && d.line == &line &&
      d.width == line.GetLineWidth() && d.color.r == line.GetColor().r && d.color.g == line.GetColor().g &&
      d.color.b == line.GetColor().b && d.depth == dc.GetDepth() && SameImage(d.beyond, beyond)) {
    if (d.kept.empty()) {
      dc.DrawBitmap(d.pixels, rect.GetTopLeft(), false);
      return;
    }
    if (Platform::BitmapPixels(gc).Write(rect, d.kept)) return;
  }
  line.Draw(dc, t);
  // Into the memory of the last drawing when it has the size: fresh memory
  // for every zoom step costs more than the copy.
  std::vector<std::uint32_t> kept = std::move(d.kept);
  wxBitmap pixels;
  if (!Platform::BitmapPixels(gc).Read(rect, kept)) {
    kept.clear();
    pixels = std::move(d.pixels);
    if (!pixels.IsOk() || pixels.GetSize() != rect.GetSize() || pixels.GetDepth() != dc.GetDepth())
      pixels = wxBitmap(rect.GetSize(), dc.GetDepth());
    wxMemoryDC keep(pixels);
    keep.Blit(0, 0, rect.width, rect.height, &dc, rect.x, rect.y);
  }
  d = Drawn{row->GetBrush(), axis->GetBrush(), rect, rowRect, t.area, t.limits, &line, line.GetColor(),
            line.GetLineWidth(), dc.GetDepth(), std::move(beyond), std::move(kept), std::move(pixels)};
}

}  // namespace PardeloStravon


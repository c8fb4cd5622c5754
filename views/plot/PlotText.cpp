#include "views/plot/PlotText.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "foundation/core/Defaults.h"
#include "platform/gui/FontConv.h"

namespace PardeloStravon {

// A font record's height counts this many device pixels per unit. The graph
// styles its fonts at 0.63 of the height that matches the tables' text on
// the screen; this brings the default graph font back to about that height
// (a character of about 2.5 mm on a 96-ppi screen).
const double PlotFontScale = 1.6;
// On paper the graph styles its fonts at 0.29 of that height instead: the
// paper's unit is larger by the ratio of the two, so that a page shows the
// graph's text as large as the screen does (a character of about 2.5 mm,
// 7 to 8 points, for the default font), never the 1 mm that the smaller
// factor alone would leave.
const double PlotPaperFontScale = PlotFontScale * 0.63 / 0.29;

namespace {
thread_local bool onPaper = false;
}

PlotPaperScope::PlotPaperScope() : was_(onPaper) { onPaper = true; }
PlotPaperScope::~PlotPaperScope() { onPaper = was_; }
bool PlotOnPaper() { return onPaper; }

wxColour ToWxColour(const PlotColor& c) {
  auto byte = [](float f) {
    const float v = std::clamp(f, 0.0f, 1.0f) * 255.0f + 0.5f;
    return static_cast<unsigned char>(v);
  };
  return wxColour(byte(c.r), byte(c.g), byte(c.b));
}

namespace {

// Making a toolkit font and measuring it costs far more than drawing a
// number: the last fonts made are kept for the same device and scale.
struct FontKey {
  LOGFONTW lf;
  wxSize ppi;
  double sx, sy;
  bool paper;
  bool operator==(const FontKey& o) const {
    return lf == o.lf && ppi == o.ppi && sx == o.sx && sy == o.sy && paper == o.paper;
  }
};

}  // namespace

void SelectPlotFont(wxDC& dc, const LOGFONTW& lf) {
  static thread_local std::vector<std::pair<FontKey, wxFont>> made;
  FontKey key{lf, dc.GetPPI(), 0, 0, onPaper};
  dc.GetUserScale(&key.sx, &key.sy);
  for (const auto& [k, f] : made)
    if (k == key) {
      dc.SetFont(f);
      return;
    }

  // The record's height counts as a character height whatever its sign:
  // the layer's heights are its own.
  const double unit = onPaper ? PlotPaperFontScale : PlotFontScale;
  const double em = std::clamp(std::fabs(static_cast<double>(lf.lfHeight)) * unit, 1.0, 4000.0);
  LOGFONTW base = lf;
  base.lfHeight = -static_cast<std::int32_t>(std::lround(em));
  wxFont font = Platform::ToWxFont(base);
  dc.SetFont(font);
  // Toolkit fonts are sized in points, which devices turn into different
  // numbers of pixels: measure the cell and correct the size once.
  constexpr double CellPerEm = 1.15;
  const int cell = dc.GetCharHeight();
  const double want = em * CellPerEm;
  if (cell > 0 && std::fabs(cell - want) > 1.0) {
    font.SetFractionalPointSize(std::max(0.5, font.GetFractionalPointSize() * want / cell));
    dc.SetFont(font);
  }
  if (made.size() >= 16) made.erase(made.begin());
  made.emplace_back(key, font);
}

namespace {

std::vector<std::wstring> Lines(const std::wstring& s) {
  std::vector<std::wstring> lines(1);
  for (wchar_t c : s) {
    if (c == L'\n')
      lines.emplace_back();
    else if (c != L'\r')
      lines.back() += c;
  }
  return lines;
}

struct Block {
  std::vector<std::wstring> lines;
  std::vector<int> widths;
  int width = 0;
  int lineHeight = 0;
};

Block Layout(wxDC& dc, const std::wstring& s) {
  Block b;
  b.lines = Lines(s);
  b.lineHeight = dc.GetCharHeight();
  for (const auto& l : b.lines) {
    const int w = l.empty() ? 0 : dc.GetTextExtent(l).x;
    b.widths.push_back(w);
    b.width = std::max(b.width, w);
  }
  return b;
}

double StartOf(int align, int width) {
  if (align == PlotAlignEnd) return -width;
  if (align == PlotAlignCentre) return -width / 2.0;
  return 0;
}

double FootOf(PlotTextFoot foot, int height) {
  if (foot == PlotTextFoot::Middle) return -height / 2.0;
  if (foot == PlotTextFoot::Bottom) return -height;
  return 0;
}

}  // namespace

PlotText::PlotText() : font_(LGF_graph) {}

wxRect PlotText::BoxAround(wxDC& dc, const std::wstring& s, PlotTextFoot foot) const {
  SelectPlotFont(dc, font_);
  const Block b = Layout(dc, s);
  const double h = static_cast<double>(b.lineHeight) * b.lines.size();
  const double a = angle_ * M_PI / 180.0, c = std::cos(a), sn = std::sin(a);
  const double x0 = StartOf(align_, b.width), y0 = FootOf(foot, static_cast<int>(h));
  double left = 1e300, right = -1e300, top = 1e300, bottom = -1e300;
  for (double x : {x0, x0 + b.width})
    for (double y : {y0, y0 + h}) {
      const double px = x * c + y * sn, py = -x * sn + y * c;
      left = std::min(left, px);
      right = std::max(right, px);
      top = std::min(top, py);
      bottom = std::max(bottom, py);
    }
  const int l = static_cast<int>(std::floor(left + 1e-9)), t = static_cast<int>(std::floor(top + 1e-9));
  return wxRect(l, t, static_cast<int>(std::ceil(right - 1e-9)) - l, static_cast<int>(std::ceil(bottom - 1e-9)) - t);
}

wxSize PlotText::MeasureString(wxDC& dc, const std::wstring& s) const {
  return BoxAround(dc, s, PlotTextFoot::Top).GetSize();
}

void PlotText::Measure(wxDC& dc) {
  const wxSize s = MeasureString(dc, string_);
  pixelWidth_ = s.x;
  pixelHeight_ = s.y;
}

void PlotText::Draw(wxDC& dc, wxPoint anchor, PlotTextFoot foot) const { DrawString(dc, string_, anchor, foot); }

void PlotText::DrawString(wxDC& dc, const std::wstring& s, wxPoint anchor, PlotTextFoot foot) const {
  if (s.empty()) return;
  SelectPlotFont(dc, font_);
  dc.SetTextForeground(ToWxColour(color_));
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  const Block b = Layout(dc, s);
  const double a = angle_ * M_PI / 180.0, c = std::cos(a), sn = std::sin(a);
  const double y0 = FootOf(foot, b.lineHeight * static_cast<int>(b.lines.size()));
  for (std::size_t k = 0; k < b.lines.size(); ++k) {
    if (b.lines[k].empty()) continue;
    const double x = StartOf(align_, b.widths[k]);
    const double y = y0 + static_cast<double>(k) * b.lineHeight;
    const int px = anchor.x + static_cast<int>(std::lround(x * c + y * sn));
    const int py = anchor.y + static_cast<int>(std::lround(-x * sn + y * c));
    if (angle_ == 0)
      dc.DrawText(b.lines[k], px, py);
    else
      dc.DrawRotatedText(b.lines[k], px, py, angle_);
  }
}

std::wstring FitPlotString(wxDC& dc, const PlotText& looks, const std::wstring& s, int length) {
  SelectPlotFont(dc, looks.GetFont());
  auto reading = [&](const std::wstring& t) { return t.empty() ? 0 : dc.GetTextExtent(t).x; };
  if (reading(s) <= length) return s;
  const std::wstring ellipsis = L"\u2026";
  // The longest start that fits, found by halving.
  std::size_t lo = 0, hi = s.size();
  while (lo < hi) {
    const std::size_t mid = (lo + hi + 1) / 2;
    if (reading(s.substr(0, mid) + ellipsis) <= length)
      lo = mid;
    else
      hi = mid - 1;
  }
  if (lo == 0 && reading(ellipsis) > length) return {};
  return s.substr(0, lo) + ellipsis;
}

}  // namespace PardeloStravon

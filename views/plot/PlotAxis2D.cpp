#include "views/plot/PlotAxis2D.h"

#include <algorithm>
#include <cmath>

#include "foundation/core/TimeFormat.h"
#include "views/plot/NumberFormat.h"

namespace PardeloStravon {

namespace {

constexpr int MaxTicks = 200;

double NiceStep(double raw) {
  if (!(raw > 0) || !std::isfinite(raw)) return 1;
  const double p = std::pow(10.0, std::floor(std::log10(raw)));
  const double m = raw / p;
  return (m <= 1 ? 1 : m <= 2 ? 2 : m <= 5 ? 5 : 10) * p;
}

}  // namespace

PlotAxis2D::PlotAxis2D() {
  leftLabel_.SetAngle(90);
  rightLabel_.SetAngle(90);
  leftNumber_.SetAlign(PlotAlignEnd);
  rightNumber_.SetAlign(PlotAlignEnd);
  numberFormat_[0] = numberFormat_[1] = DefaultNumberFormat;
}

void PlotAxis2D::SetTimeLabelFormat(std::time_t origin, long unitSeconds, const std::wstring& format) {
  timeOrigin_ = origin;
  timeUnit_ = unitSeconds;
  timeFormat_ = format;
}

void PlotAxis2D::SetNumberFormat(int index, const std::wstring& format) {
  if (index == 1 || index == 2) numberFormat_[index - 1] = CheckedNumberFormat(format);
}

const std::wstring& PlotAxis2D::GetNumberFormat(int index) const { return numberFormat_[index == 2 ? 1 : 0]; }

std::vector<double> PlotAxis2D::Ticks(int axis) const {
  const int k = axis == PlotAxisX ? 0 : 1;
  double lo = k == 0 ? limits_.left : limits_.bottom;
  double hi = k == 0 ? limits_.right : limits_.top;
  std::vector<double> ticks;
  if (!std::isfinite(lo) || !std::isfinite(hi)) return ticks;
  if (hi < lo) std::swap(lo, hi);
  if (hi == lo) {
    // One value: its number alone.
    ticks.push_back(lo);
    return ticks;
  }
  double step = step_[k];
  const bool automatic = autoSteps_[k] || !(step > 0) || (hi - lo) / step > MaxTicks;
  double start = lo;
  if (automatic) {
    step = NiceStep((hi - lo) / 5);
    start = std::ceil(lo / step - 1e-9) * step;
  }
  for (int i = 0; i <= MaxTicks; ++i) {
    const double v = start + i * step;
    if (v > hi + step * 1e-9) break;
    ticks.push_back(std::fabs(v) < step * 1e-9 ? 0.0 : v);
  }
  return ticks;
}

std::wstring PlotAxis2D::NumberText(int axis, double v) const {
  if (axis == PlotAxisX) {
    if (timeLabel_) {
      // The origin is an instant, so the local time of every number is
      // right across a change of daylight-saving time.
      const double seconds = std::floor(v * static_cast<double>(timeUnit_) + 0.5);
      return FormatLocalTime(timeOrigin_ + static_cast<std::time_t>(seconds), timeFormat_, false);
    }
    return FormatNumber(L"%g", v);
  }
  return FormatNumber(numberFormat_[0], v);
}

void PlotAxis2D::UpdateLabels(wxDC& dc) {
  for (PlotText* t : {&title_, &bottomLabel_, &leftLabel_, &rightLabel_}) t->Measure(dc);
  auto measureNumbers = [&](PlotText& looks, int axis, const std::wstring* format) {
    wxSize widest(0, 0);
    for (double v : Ticks(axis)) {
      const wxSize sz = looks.MeasureString(dc, format ? FormatNumber(*format, v) : NumberText(axis, v));
      widest.x = std::max(widest.x, sz.x);
      widest.y = std::max(widest.y, sz.y);
    }
    looks.SetPixelSize(widest);
  };
  measureNumbers(bottomNumber_, PlotAxisX, nullptr);
  measureNumbers(leftNumber_, PlotAxisY, &numberFormat_[0]);
  measureNumbers(rightNumber_, PlotAxisY, &numberFormat_[1]);

  // Gaps grow with the text, so paper and screen look alike.
  SelectPlotFont(dc, leftNumber_.GetFont());
  pad_ = std::max(2, dc.GetCharHeight() / 4);

  auto extent = [&](const PlotText& t, bool across) {
    if (!t.IsVisible()) return 0;
    return (across ? t.GetPixelWidth() : t.GetPixelHeight()) + pad_;
  };
  // The first and last bottom numbers may stand out beside the area.
  int outLeft = 0, outRight = 0;
  if (bottomNumber_.IsVisible()) {
    const std::vector<double> xs = Ticks(PlotAxisX);
    if (!xs.empty()) {
      outLeft = -bottomNumber_.BoxAround(dc, NumberText(PlotAxisX, xs.front()), PlotTextFoot::Top).GetLeft();
      outRight = bottomNumber_.BoxAround(dc, NumberText(PlotAxisX, xs.back()), PlotTextFoot::Top).GetRight();
    }
  }
  if (autoBorders_.left)
    borders_.left = std::max(pad_ + extent(leftLabel_, true) + extent(leftNumber_, true), outLeft + pad_);
  if (autoBorders_.right)
    borders_.right = std::max(pad_ + extent(rightLabel_, true) + extent(rightNumber_, true), outRight + pad_);
  // The numbers at the area's top and bottom stand half out of it: the row
  // keeps room for them.
  int half = 0;
  for (const PlotText* n : {&leftNumber_, &rightNumber_})
    if (n->IsVisible()) half = std::max(half, (n->GetPixelHeight() + 1) / 2 + 1);
  if (autoBorders_.bottom)
    borders_.bottom = std::max(pad_ + extent(bottomNumber_, false) + extent(bottomLabel_, false), half);
  if (autoBorders_.top) borders_.top = std::max(pad_ + extent(title_, false), half);
}

wxRect PlotAxis2D::AxisArea(const wxRect& region) const {
  wxRect a(region.x + borders_.left, region.y + borders_.top, region.width - borders_.left - borders_.right,
           region.height - borders_.top - borders_.bottom);
  if (a.width < 0) a.width = 0;
  if (a.height < 0) a.height = 0;
  return a;
}

void PlotAxis2D::WidenAutoBorders(int left, int right) {
  if (autoBorders_.left) borders_.left = std::max(borders_.left, left);
  if (autoBorders_.right) borders_.right = std::max(borders_.right, right);
}

void PlotAxis2D::Draw(wxDC& dc, const wxRect& region, const std::vector<std::shared_ptr<PlotObject>>& objects) {
  const wxRect area = AxisArea(region);
  if (brush_) brush_->Fill(dc, area);
  const PlotTransform t{limits_, area};
  if (!area.IsEmpty())
    for (const auto& o : objects) o->Draw(dc, t);

  const std::vector<double> xs = Ticks(PlotAxisX), ys = Ticks(PlotAxisY);
  const int right = area.x + area.width, bottom = area.y + area.height;
  // Ticks inside the area, then the border lines over the data's edge.
  dc.SetPen(wxPen(wxColour(96, 96, 96), 1));
  const int tick = pad_;
  if (!area.IsEmpty()) {
    for (double v : xs) {
      const int x = static_cast<int>(std::lround(t.PixelX(v)));
      dc.DrawLine(x, bottom - 1, x, bottom - 1 - tick);
    }
    for (double v : ys) {
      const int y = static_cast<int>(std::lround(t.PixelY(v)));
      dc.DrawLine(area.x, y, area.x + tick, y);
    }
  }
  dc.SetPen(wxPen(*wxBLACK, 1));
  if (borderLines_.left) dc.DrawLine(area.x, area.y, area.x, bottom);
  if (borderLines_.right) dc.DrawLine(right - 1, area.y, right - 1, bottom);
  if (borderLines_.top) dc.DrawLine(area.x, area.y, right, area.y);
  if (borderLines_.bottom) dc.DrawLine(area.x, bottom - 1, right, bottom - 1);

  drawn_.clear();
  const int midX = area.x + area.width / 2, midY = area.y + area.height / 2;
  // Labels first: numbers give way to them.
  if (title_.IsVisible()) DrawLabel(dc, title_, wxPoint(midX, region.y + pad_), PlotTextFoot::Top, region.width, region);
  if (bottomLabel_.IsVisible()) {
    const int y = bottom + pad_ + (bottomNumber_.IsVisible() ? bottomNumber_.GetPixelHeight() + pad_ : 0);
    DrawLabel(dc, bottomLabel_, wxPoint(midX, y), PlotTextFoot::Top, region.width, region);
  }
  // Row names read upward along their row and never run into the next.
  const int along = region.height - 2 * pad_;
  if (leftLabel_.IsVisible())
    DrawLabel(dc, leftLabel_, wxPoint(region.x + pad_ + leftLabel_.GetPixelWidth() / 2, midY), PlotTextFoot::Middle,
              along, region);
  if (rightLabel_.IsVisible())
    DrawLabel(dc, rightLabel_, wxPoint(region.x + region.width - pad_ - rightLabel_.GetPixelWidth() / 2, midY),
              PlotTextFoot::Middle, along, region);

  std::vector<Candidate> numbers;
  if (leftNumber_.IsVisible()) {
    for (double v : ys)
      numbers.push_back({FormatNumber(numberFormat_[0], v), wxPoint(area.x - pad_, static_cast<int>(std::lround(t.PixelY(v))))});
    DrawNumbers(dc, leftNumber_, numbers, PlotTextFoot::Middle, region);
  }
  if (rightNumber_.IsVisible()) {
    // A right-hand column ends at its outer edge when aligned at its end.
    const int x = right + pad_ + (rightNumber_.GetAlign() == PlotAlignEnd ? rightNumber_.GetPixelWidth() : 0);
    numbers.clear();
    for (double v : ys)
      numbers.push_back({FormatNumber(numberFormat_[1], v), wxPoint(x, static_cast<int>(std::lround(t.PixelY(v))))});
    DrawNumbers(dc, rightNumber_, numbers, PlotTextFoot::Middle, region);
  }
  if (bottomNumber_.IsVisible()) {
    numbers.clear();
    for (double v : xs)
      numbers.push_back({NumberText(PlotAxisX, v), wxPoint(static_cast<int>(std::lround(t.PixelX(v))), bottom + pad_)});
    DrawNumbers(dc, bottomNumber_, numbers, PlotTextFoot::Top, region);
  }
}

void PlotAxis2D::DrawLabel(wxDC& dc, const PlotText& label, wxPoint anchor, PlotTextFoot foot, int length,
                           const wxRect& region) {
  const std::wstring text = FitPlotString(dc, label, label.GetString(), length);
  if (text.empty()) return;
  wxRect box = label.BoxAround(dc, text, foot);
  box.Offset(anchor);
  // Moved inside its region, a gap from its edges, where it stands out (so
  // that the names of neighbouring rows never read as one); left out, never
  // cut, where it cannot fit.
  wxRect inner = region;
  inner.Deflate(pad_);
  if (box.width > inner.width || box.height > inner.height) return;
  const wxPoint shift(std::max(0, inner.x - box.x) - std::max(0, box.GetRight() - inner.GetRight()),
                      std::max(0, inner.y - box.y) - std::max(0, box.GetBottom() - inner.GetBottom()));
  box.Offset(shift);
  label.DrawString(dc, text, anchor + shift, foot);
  drawn_.push_back({box, text});
}

void PlotAxis2D::DrawNumbers(wxDC& dc, const PlotText& looks, const std::vector<Candidate>& numbers,
                             PlotTextFoot foot, const wxRect& region) {
  const std::size_t fixed = drawn_.size();
  std::vector<wxRect> boxes;
  std::vector<bool> fits;
  for (const Candidate& c : numbers) {
    boxes.push_back(looks.BoxAround(dc, c.text, foot));
    boxes.back().Offset(c.anchor);
    bool ok = region.Contains(boxes.back());
    for (std::size_t k = 0; ok && k < fixed; ++k) ok = !drawn_[k].box.Intersects(boxes.back());
    fits.push_back(ok);
  }
  // Every stride-th number, the smallest stride whose numbers keep a gap
  // between each other.
  const int gap = std::max(1, pad_ / 2);
  for (std::size_t stride = 1; stride <= numbers.size(); ++stride) {
    std::vector<std::size_t> chosen;
    bool clear = true;
    for (std::size_t i = 0; i < numbers.size() && clear; i += stride) {
      if (!fits[i]) continue;
      wxRect grown = boxes[i];
      grown.Inflate(gap);
      for (std::size_t j : chosen) clear = clear && !grown.Intersects(boxes[j]);
      chosen.push_back(i);
    }
    if (!clear) continue;
    for (std::size_t i : chosen) {
      looks.DrawString(dc, numbers[i].text, numbers[i].anchor, foot);
      drawn_.push_back({boxes[i], numbers[i].text});
    }
    return;
  }
}

}  // namespace PardeloStravon

#include "views/plot/PlotRegion.h"

#include <atomic>
#include <cmath>

#include "views/plot/PlotLayout.h"

namespace PardeloStravon {

namespace {
std::atomic<unsigned long> nextId{1};
}

PlotRegion::PlotRegion() : id_(nextId++) {}

void PlotRegion::Layout(const std::wstring& layout) {
  const std::vector<double> y = ParseRowLayout(layout);
  std::vector<std::shared_ptr<PlotRegion>> rows;
  for (std::size_t i = 0; i + 1 < y.size(); ++i) {
    auto r = std::make_shared<PlotRegion>();
    r->parent_ = this;
    r->top_ = y[i];
    r->bottom_ = y[i + 1];
    rows.push_back(std::move(r));
  }
  children_ = std::move(rows);
}

std::shared_ptr<PlotRegion> PlotRegion::GetChild(std::size_t i) const {
  return i < children_.size() ? children_[i] : nullptr;
}

void PlotRegion::ZoomAll(wxDC& gfx, bool recurse) {
  if (objects_.empty()) {
    axis_.SetLimits(PlotRect{});
  } else {
    PlotRect r = objects_.front()->GetExtent();
    for (const auto& o : objects_) {
      const PlotRect e = o->GetExtent();
      r.left = std::min(r.left, e.left);
      r.right = std::max(r.right, e.right);
      r.bottom = std::min(r.bottom, e.bottom);
      r.top = std::max(r.top, e.top);
    }
    axis_.SetLimits(r);
  }
  if (recurse)
    for (const auto& c : children_) c->ZoomAll(gfx, true);
}

void PlotRegion::ZoomRegion(wxDC&, const PlotRect& r) { axis_.SetLimits(r); }

double PlotRegion::PixelToDataX(int pixelX) const {
  return PlotTransform{axis_.GetLimits(), AxisArea()}.DataX(pixelX);
}

void PlotRegion::Draw(wxDC& dc, const wxRect& rect) {
  rect_ = rect;
  if (brush_) brush_->Fill(dc, rect);
  if (children_.empty()) {
    axis_.UpdateLabels(dc);
    axis_.Draw(dc, rect, objects_);
    return;
  }
  // Rows of one column line up: the widest automatic side borders serve all.
  int left = 0, right = 0;
  for (const auto& c : children_) {
    if (!c->children_.empty()) continue;
    c->axis_.UpdateLabels(dc);
    const PlotAutoBorders a = c->axis_.GetAutoBorders();
    if (a.left) left = std::max(left, c->axis_.GetBorders().left);
    if (a.right) right = std::max(right, c->axis_.GetBorders().right);
  }
  for (const auto& c : children_) {
    if (c->children_.empty()) c->axis_.WidenAutoBorders(left, right);
    // Shared boundaries round alike, so rows neither overlap nor leave gaps.
    const int top = rect.y + static_cast<int>(std::lround((1.0 - c->top_) * rect.height));
    const int bottom = rect.y + static_cast<int>(std::lround((1.0 - c->bottom_) * rect.height));
    c->DrawLaidOut(dc, wxRect(rect.x, top, rect.width, bottom - top));
  }
}

void PlotRegion::DrawLaidOut(wxDC& dc, const wxRect& rect) {
  if (!children_.empty()) {
    Draw(dc, rect);
    return;
  }
  rect_ = rect;
  if (brush_) brush_->Fill(dc, rect);
  axis_.Draw(dc, rect, objects_);
}

void PlotRegion::CollectDrawnTexts(std::vector<PlotDrawnText>& out) const {
  if (children_.empty()) {
    const std::vector<PlotDrawnText>& mine = axis_.DrawnTexts();
    out.insert(out.end(), mine.begin(), mine.end());
  }
  for (const auto& c : children_) c->CollectDrawnTexts(out);
}

std::shared_ptr<PlotRegion> PlotRegion::RegionAt(const std::shared_ptr<PlotRegion>& self, wxPoint p) const {
  if (!rect_.Contains(p)) return nullptr;
  for (const auto& c : children_)
    if (auto r = c->RegionAt(c, p)) return r;
  return self;
}

}  // namespace PardeloStravon

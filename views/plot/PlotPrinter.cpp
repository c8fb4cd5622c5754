#include "views/plot/PlotPrinter.h"

#include <cmath>

namespace PardeloStravon {

void PlotPrinter::SetMargins(double left, double right, double bottom, double top) {
  left_ = left;
  right_ = right;
  bottom_ = bottom;
  top_ = top;
}

wxRect PlotPrinter::PlotArea(const PlotPage& page) const {
  auto px = [](double inches, int ppi) { return static_cast<int>(std::lround(inches * ppi)); };
  const int l = px(left_, page.ppi.x) - page.printable.x;
  const int t = px(top_, page.ppi.y) - page.printable.y;
  const int r = page.paper.x - px(right_, page.ppi.x) - page.printable.x;
  const int b = page.paper.y - px(bottom_, page.ppi.y) - page.printable.y;
  return wxRect(l, t, std::max(0, r - l), std::max(0, b - t));
}

bool PlotPrinter::Print(wxDC& dc, const PlotPage& page) {
  const wxRect area = PlotArea(page);
  if (!root_ || area.IsEmpty()) return false;
  const PlotPaperScope paper;
  root_->Draw(dc, area);
  return true;
}

}  // namespace PardeloStravon

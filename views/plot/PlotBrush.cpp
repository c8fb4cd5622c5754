#include "views/plot/PlotBrush.h"

#include <cmath>

namespace PardeloStravon {

void PlotLinearGradientBrush::Fill(wxDC& dc, const wxRect& rect) const {
  if (rect.IsEmpty()) return;
  double a = std::fmod(angle_, 360.0);
  if (a < 0) a += 360.0;
  const int quarter = static_cast<int>(std::lround(a / 90.0)) % 4;
  static const wxDirection dirs[] = {wxRIGHT, wxDOWN, wxLEFT, wxUP};
  dc.GradientFillLinear(rect, ToWxColour(from_), ToWxColour(to_), dirs[quarter]);
}

}  // namespace PardeloStravon

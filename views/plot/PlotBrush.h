#pragma once
// Backgrounds of regions and axis areas.
#include <wx/dc.h>

#include "views/plot/PlotBasics.h"

namespace PardeloStravon {

class PlotBrush {
 public:
  virtual ~PlotBrush() = default;
  virtual void Fill(wxDC& dc, const wxRect& rect) const = 0;
};

// Angle 0 runs from the first colour at the left to the second at the
// right, 90 from the top to the bottom, 180 and 270 the other way round;
// other angles take the nearest of these. The unit rectangle is the filled
// one; other rectangles are kept but not used.
class PlotLinearGradientBrush : public PlotBrush {
 public:
  PlotLinearGradientBrush(const PlotColor& from, const PlotColor& to, double angle,
                          const PlotRect& unit = PlotRect{0, 1, 0, 1})
      : from_(from), to_(to), angle_(angle), unit_(unit) {}
  void Fill(wxDC& dc, const wxRect& rect) const override;
  const PlotColor& From() const { return from_; }
  const PlotColor& To() const { return to_; }
  double Angle() const { return angle_; }

 private:
  PlotColor from_, to_;
  double angle_;
  PlotRect unit_;
};

}  // namespace PardeloStravon

#pragma once
// Draws a plot tree on a printed page less margins.
#include <wx/dc.h>

#include <memory>

#include "platform/gui/PrintTarget.h"
#include "views/plot/PlotRegion.h"

namespace PardeloStravon {

// The page in device units, the drawing's origin at the printable area's
// top-left corner.
using PlotPage = Platform::PageGeometry;

class PlotPrinter {
 public:
  explicit PlotPrinter(std::shared_ptr<PlotRegion> root) : root_(std::move(root)) {}
  // Inches from the paper's edges.
  void SetMargins(double left, double right, double bottom, double top);
  // The plot's rectangle on the page, in the drawing's units.
  wxRect PlotArea(const PlotPage& page) const;
  // False when there is nothing to draw or no room left inside the margins.
  // Texts take the paper's font unit (PlotPaperScope).
  bool Print(wxDC& dc, const PlotPage& page);

 private:
  std::shared_ptr<PlotRegion> root_;
  double left_ = 0, right_ = 0, bottom_ = 0, top_ = 0;
};

}  // namespace PardeloStravon

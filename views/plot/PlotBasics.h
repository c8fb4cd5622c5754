#pragma once
// Small value types of the plotting layer: colours of four fractions and
// rectangles in data units, held as (left, right, bottom, top).
#include <wx/colour.h>
#include <wx/gdicmn.h>

namespace PardeloStravon {

struct PlotColor {
  float r = 0, g = 0, b = 0, a = 1;
};

// Alpha is ignored: the layer draws opaque only.
wxColour ToWxColour(const PlotColor& c);

struct PlotRect {
  double left = 0, right = 1, bottom = 0, top = 1;
  double Width() const { return right - left; }
  double Height() const { return top - bottom; }
};

// Axis indices.
constexpr int PlotAxisX = 0;
constexpr int PlotAxisY = 1;

// Text alignment codes: the end of the text at its anchor, or centred on it.
constexpr int PlotAlignEnd = 2;
constexpr int PlotAlignCentre = 4;

}  // namespace PardeloStravon

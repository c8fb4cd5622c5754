#pragma once
// Layout strings of regions: a column of rows whose boundaries are fractions
// of the parent's height, from 1 at the top to 0 at the bottom.
//
//   <layout> <matrix nrows="n"  ypos="1.0 y1 ... 0">
//     <child index="k"> <matrix ncols="1"  xpos="0 1"/> </child> ...
//   </matrix> </layout>
//
// A nested single column spanning its row adds no region. Blanks between
// the pieces are free; anything else is refused.
#include <stdexcept>
#include <string>
#include <vector>

namespace PardeloStravon {

struct PlotLayoutError : std::invalid_argument {
  using std::invalid_argument::invalid_argument;
};

// The n + 1 row boundaries, decreasing from 1 to 0. Throws PlotLayoutError
// naming what was wrong.
std::vector<double> ParseRowLayout(const std::wstring& layout);

}  // namespace PardeloStravon

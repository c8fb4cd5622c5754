#pragma once
// Pixels of two pictures of one size that differ in any channel.
#include <wx/image.h>

namespace TestSupport {

inline int DifferingPixels(const wxImage& a, const wxImage& b) {
  int n = 0;
  for (int y = 0; y < a.GetHeight(); ++y)
    for (int x = 0; x < a.GetWidth(); ++x)
      n += a.GetRed(x, y) != b.GetRed(x, y) || a.GetGreen(x, y) != b.GetGreen(x, y) ||
           a.GetBlue(x, y) != b.GetBlue(x, y);
  return n;
}

}  // namespace TestSupport

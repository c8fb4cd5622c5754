#include "views/graph/GraphLayout.h"

#include <cwchar>

namespace PardeloStravon {

std::wstring GraphLayoutString(std::size_t n) {
  std::wstring s = L"<layout> <matrix nrows=\"" + std::to_wstring(n) + L"\"  ypos=\"";
  // 0.05 is held in single precision: 9499 for one row, not 9500.
  const long step = n == 0 ? 0 : static_cast<long>(10000.0 * (1.0 - static_cast<double>(0.05f)) / static_cast<double>(n));
  long y = 10000;
  for (std::size_t i = 0; i < n; ++i) {
    if (i == 0) {
      s += L"1.0 ";
    } else {
      wchar_t buf[16];
      std::swprintf(buf, 16, L"0.%04ld ", y);
      s += buf;
    }
    y -= step;
  }
  s += L" 0\"> <child index=\"1\"> <matrix ncols=\"1\"  xpos=\"0 1\"/> </child> </matrix> </layout>";
  return s;
}

}  // namespace PardeloStravon

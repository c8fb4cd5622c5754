#pragma once
// The lowest and highest of a run of a series' values in one pass that
// keeps the processor busy: zooming a year's graph looks at half a million
// values a row.
#include <cstddef>

namespace PardeloStravon {

// The lowest and highest of v[0, n): false when n is 0 or a value is not a
// finite number (where the caller's own order of comparisons decides).
inline bool FiniteExtremes(const double* v, std::size_t n, double& low, double& high) {
  if (n == 0) return false;
  // Four lanes, so no comparison waits for the one before; a value that is
  // no finite number turns its lane's sum of (v - v) into no number.
  double lo[4] = {v[0], v[0], v[0], v[0]}, hi[4] = {v[0], v[0], v[0], v[0]}, sum[4] = {0, 0, 0, 0};
  std::size_t i = 0;
  for (; i + 4 <= n; i += 4)
    for (int k = 0; k < 4; ++k) {
      const double a = v[i + k];
      lo[k] = a < lo[k] ? a : lo[k];
      hi[k] = a > hi[k] ? a : hi[k];
      sum[k] += a - a;
    }
  for (; i < n; ++i) {
    const double a = v[i];
    lo[0] = a < lo[0] ? a : lo[0];
    hi[0] = a > hi[0] ? a : hi[0];
    sum[0] += a - a;
  }
  if (!(sum[0] + sum[1] + sum[2] + sum[3] == 0)) return false;
  low = lo[0], high = hi[0];
  for (int k = 1; k < 4; ++k) {
    low = lo[k] < low ? lo[k] : low;
    high = hi[k] > high ? hi[k] : high;
  }
  return true;
}

}  // namespace PardeloStravon

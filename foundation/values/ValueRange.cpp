#include "foundation/values/ValueRange.h"

namespace PardeloStravon {

bool ValueInRange(const RTTRange& range, const boost::any& value) {
  // The bounds are stored in the unit itself, so their numbers compare
  // exactly with the value's.
  const double v = range.ToDouble(value);
  return range.ToDouble(range.Min()) <= v && v <= range.ToDouble(range.Max());
}

}  // namespace PardeloStravon

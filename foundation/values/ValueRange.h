#pragma once
// The one rule for what a parameter may take: every place that accepts a
// value from a person or a file (the dialogs, the settings form, settings
// files) asks it.
#include <boost/any.hpp>

#include "foundation/values/ValueTypes.h"

namespace PardeloStravon {

// The value lies between the range's minimum and maximum, both included.
// A value that does not hold the range's unit type throws
// boost::bad_any_cast.
bool ValueInRange(const RTTRange& range, const boost::any& value);

}  // namespace PardeloStravon

#pragma once
// The plot print period is edited as a real number of days and kept as whole
// seconds in a signed 32-bit field.
#include <optional>
#include <string>

namespace PardeloStravon {

// ps / 86400, in double precision.
double PrintPeriodDays(long seconds);

// days x 86400 + 0.1 truncated toward zero, so that a whole number of
// seconds survives the way to days and back; nothing when the number is not
// finite or the seconds would not fit the field.
std::optional<long> PrintPeriodSeconds(double days);

// The prompt for a period that does not fit.
std::wstring PrintPeriodRangePrompt();

}  // namespace PardeloStravon

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

// The period as a period: at least one second, at most what the field holds.
bool PrintPeriodHeld(std::optional<long> seconds);

// The prompt for a period that is not held, naming the field.
std::wstring PrintPeriodRangePrompt(const std::wstring& field);

}  // namespace PardeloStravon

#include "views/dialogs/PrintPeriod.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace PardeloStravon {

namespace {
constexpr double SecondsPerDay = 86400.0;
}

double PrintPeriodDays(long seconds) { return static_cast<double>(seconds) / SecondsPerDay; }

std::optional<long> PrintPeriodSeconds(double days) {
  if (!std::isfinite(days)) return std::nullopt;
  const double seconds = std::trunc(days * SecondsPerDay + 0.1);
  if (!(seconds >= std::numeric_limits<std::int32_t>::min() && seconds <= std::numeric_limits<std::int32_t>::max()))
    return std::nullopt;
  return static_cast<long>(seconds);
}

std::wstring PrintPeriodRangePrompt() {
  // The whole days the field holds: 2^31 seconds are 24855.13 days.
  const long limit = static_cast<long>(std::numeric_limits<std::int32_t>::max() / SecondsPerDay);
  return L"Please enter a number of days between " + std::to_wstring(-limit) + L" and " +
         std::to_wstring(limit) + L".";
}

}  // namespace PardeloStravon

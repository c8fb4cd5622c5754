#include "views/dialogs/PrintPeriod.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "foundation/gui/Prompts.h"

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

bool PrintPeriodHeld(std::optional<long> seconds) { return seconds && *seconds >= 1; }

std::wstring PrintPeriodRangePrompt(const std::wstring& field) {
  // The whole days the field holds: 2^31 seconds are 24855.13 days; one
  // second is 0.0000116 days, rounded up so that it is taken.
  const long limit = static_cast<long>(std::numeric_limits<std::int32_t>::max() / SecondsPerDay);
  return PromptText(CTW_PR_Days_Between_For, {L"0.0000116", std::to_wstring(limit), field});
}

}  // namespace PardeloStravon

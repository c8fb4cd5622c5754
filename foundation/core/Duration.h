#pragma once
// Durations in whole seconds, shown as "d h:mm:ss"; the one-shot deadline
// test; the grid that keeps periodic actions on next + k x period.
#include <ctime>
#include <optional>
#include <string>

namespace PardeloStravon {

// Instruments hold durations in three bytes.
constexpr long MaxDuration = 16777215;

// s, m:ss, h:mm:ss or d h:mm:ss of n modulo 2^24. A negative duration is
// shown as a minus sign before the text of its magnitude.
std::wstring DurationToText(long seconds);

// Reads "d h:mm:ss" from both ends; limited to MaxDuration above, not below.
// Fields that are no integer count as 0.
long TextToDuration(const std::wstring& text);

// Time plus or minus seconds without overflow: a result beyond the range of
// time_t stays at its end, so a huge delay means "not in this program's
// life" and a huge period reaches back to the beginning of time.
std::time_t TimePlus(std::time_t t, long long seconds);
std::time_t TimeMinus(std::time_t t, long long seconds);

// The same reading for a text a user typed into a duration field: nothing
// when a piece (days before the first blank, then hours, minutes and seconds
// between colons) is neither empty nor a whole 32-bit number, so a typo is
// refused instead of read as 0.
std::optional<long> TextToDurationStrict(const std::wstring& text);

// While enabled, arms the deadline at now + delay the first time and then
// tells whether it has passed; disabled, disarms it and gives false.
bool DeadlineReached(bool enabled, std::time_t& deadline, long delay);
// The same test at a given instant, for rules worked out on a time already read.
bool DeadlineReachedAt(bool enabled, std::time_t& deadline, long delay, std::time_t now);

// The earliest instant of the grid next + k x period not before now. A period
// of 0 or less counts as 1 second. Worked out exactly at any distance between
// next and now; a grid point beyond the range of time_t gives its end.
std::time_t NextPeriodTime(std::time_t next, long period);

}  // namespace PardeloStravon

#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "foundation/core/Clock.h"
#include "foundation/core/Duration.h"
#include "foundation/core/TextConv.h"

using namespace PardeloStravon;

TEST(Duration, ToText_FollowsTheTable) {
  const struct {
    long seconds;
    const wchar_t* text;
  } cases[] = {
      {0, L"0"},          {59, L"59"},         {60, L"1:00"},
      {61, L"1:01"},      {3599, L"59:59"},    {3600, L"1:00:00"},
      {86399, L"23:59:59"}, {86400, L"1 0:00:00"}, {90061, L"1 1:01:01"},
      {604800, L"7 0:00:00"}, {16777215, L"194 4:20:15"}, {16777216, L"0"},
      {16777217, L"1"},   {-5, L"-5"},         {-59, L"-59"},
      // Below -59 the magnitude is shown after one minus sign.
      {-65, L"-1:05"},    {-3600, L"-1:00:00"},
  };
  for (const auto& c : cases) EXPECT_EQ(DurationToText(c.seconds), c.text) << c.seconds;
}

TEST(Duration, FromText_FollowsTheTable) {
  const struct {
    const wchar_t* text;
    long seconds;
  } cases[] = {
      {L"1 02:03:04", 93784}, {L"90", 90},          {L"5:30", 330},
      {L"1:00:00", 3600},     {L"194 4:20:15", 16777215}, {L"200 0:00:00", 16777215},
      {L"", 0},               {L"abc", 0},          {L"1.5", 0},
      {L"5:", 300},           {L":30", 30},         {L"1 ", 1},
      {L"1 2 3", 86400},      {L"1:2:3:4", 184},    {L"-5", -5},
      {L"+5", 5},             {L" \t7:00\r\n", 420}, {L"99999999999", 0},
      {L"2147483647 0:00:00", 16777215},
  };
  for (const auto& c : cases) EXPECT_EQ(TextToDuration(c.text), c.seconds) << ToNarrow(c.text);
}

// A typed duration is read as the lenient rule reads it, or refused when a
// piece is no whole number, instead of silently counting 0.
TEST(Duration, StrictReading_RefusesTyposAndOtherwiseReadsAsTheLenientRule) {
  const wchar_t* accepted[] = {
      L"", L"0", L"90", L"2:00", L"1:30", L"1 0:00:00", L"1 02:03:04", L"16777216",
      L"200 0:00:00", L"5:", L":30", L":", L"1 ", L" \t7:00\r\n", L"-5", L"+5", L"-1:05",
      L"1  2:00", L" 1 : 2 : 3 ", L"2147483647 0:00:00",
  };
  for (const wchar_t* text : accepted) {
    const std::optional<long> read = TextToDurationStrict(text);
    ASSERT_TRUE(read.has_value()) << ToNarrow(text);
    EXPECT_EQ(*read, TextToDuration(text)) << ToNarrow(text);
  }
  const wchar_t* refused[] = {
      L"abc", L"1:3O", L"1.5", L"1,5", L"1 2 3", L"1:2:3:4", L"99999999999", L"1e3",
      L"-", L"+", L"1:-", L"x 1:00", L"1\t0:00:00", L"0x10", L"1 1:00 x",
  };
  for (const wchar_t* text : refused) EXPECT_FALSE(TextToDurationStrict(text).has_value()) << ToNarrow(text);
}

TEST(Duration, TextRoundTrip_HoldsOverTheWholeThreeByteRange) {
  for (long n = 0; n <= MaxDuration; ++n) {
    if (TextToDuration(DurationToText(n)) != n) {
      FAIL() << n;
    }
  }
}

TEST(Deadline, ArmsOnceAndStaysReachedUntilDisarmed) {
  TestClock clock(1000);
  std::time_t deadline = 0;
  EXPECT_FALSE(DeadlineReached(true, deadline, 10));
  EXPECT_EQ(deadline, 1010);
  clock.Set(1009);
  EXPECT_FALSE(DeadlineReached(true, deadline, 10));
  clock.Set(1010);
  EXPECT_TRUE(DeadlineReached(true, deadline, 10));
  clock.Set(5000);
  EXPECT_TRUE(DeadlineReached(true, deadline, 10));
  EXPECT_FALSE(DeadlineReached(false, deadline, 10));
  EXPECT_EQ(deadline, 0);

  std::time_t immediate = 0;
  EXPECT_TRUE(DeadlineReached(true, immediate, 0));
}

namespace {

constexpr std::time_t TimeMax = std::numeric_limits<std::time_t>::max();
constexpr std::time_t TimeMin = std::numeric_limits<std::time_t>::min();
constexpr std::time_t Today = 1234566001;

}  // namespace

TEST(PeriodGrid, NextTimeStaysOnTheGrid) {
  const struct {
    std::time_t next;
    long period;
    std::time_t now;
    std::time_t expected;
  } cases[] = {
      {1000, 300, 1650, 1900},
      {1000, 300, 1900, 1900},
      {1000, 300, 900, 1000},
      {1000, 300, 100, 100},
      {0, 300, 1178040001, 1178040300},
      // A turn many periods late skips the missed ones and keeps the grid.
      {1000, 300, 1000 + 300 * 1000 + 1, 1000 + 300 * 1001},
      // A period of 0 or less counts as one second.
      {1000, 0, 1650, 1650},
      {1000, -5, 1650, 1650},
      // Values a loaded file may hold, far beyond any dialog's: the grid is
      // worked out exactly, and a point beyond the type's range gives its end.
      {-9223372036854775807, 30, Today, 1234566023},
      {TimeMin, 1, Today, Today},
      {TimeMax, 1, Today, Today},
      {TimeMax, 300, Today, TimeMax - 300 * ((TimeMax - Today) / 300)},
      {TimeMax, LONG_MAX, Today, TimeMax},
      {TimeMin, LONG_MAX, Today, TimeMax - 1},
      {0, LONG_MAX, Today, TimeMax},
      {0, 300, TimeMax, TimeMax},
      {TimeMax, 300, TimeMax, TimeMax},
      {TimeMax, 1, TimeMin, TimeMin},
      {TimeMin, 300, TimeMin, TimeMin},
      {TimeMin, LONG_MIN, Today, Today},
  };
  for (const auto& c : cases) {
    TestClock clock(c.now);
    EXPECT_EQ(NextPeriodTime(c.next, c.period), c.expected) << c.next << " " << c.period << " " << c.now;
  }
}

TEST(Deadline, HugeDelays_SaturateInsteadOfWrapping) {
  const struct {
    long delay;
    std::time_t now;
    std::time_t deadline;
    bool reached;
  } cases[] = {
      {LONG_MAX, Today, TimeMax, false},
      {LONG_MAX - Today, Today, TimeMax, false},
      {LONG_MAX, -Today, LONG_MAX - Today, false},
      {LONG_MIN, Today, LONG_MIN + Today, true},
      {LONG_MIN, -1, TimeMin, true},
      {1, TimeMax, TimeMax, true},
      {-1, TimeMin, TimeMin, true},
  };
  for (const auto& c : cases) {
    std::time_t deadline = 0;
    EXPECT_EQ(DeadlineReachedAt(true, deadline, c.delay, c.now), c.reached) << c.delay;
    EXPECT_EQ(deadline, c.deadline) << c.delay;
  }
  // "Not in this program's life": still not reached ten thousand years on.
  TestClock clock(Today);
  std::time_t deadline = 0;
  EXPECT_FALSE(DeadlineReached(true, deadline, LONG_MAX));
  clock.Set(Today + 10000LL * 365 * 86400);
  EXPECT_FALSE(DeadlineReached(true, deadline, LONG_MAX));
}

TEST(TimeArithmetic, SumsAndDifferencesBeyondTheTypeStayAtItsEnds) {
  const struct {
    std::time_t t;
    long long seconds;
    std::time_t plus, minus;
  } cases[] = {
      {Today, 30, Today + 30, Today - 30},
      {Today, LLONG_MAX, TimeMax, Today - LLONG_MAX},
      {Today, LLONG_MIN, Today + LLONG_MIN, TimeMax},
      {-Today, LLONG_MIN, TimeMin, LLONG_MAX - Today + 1},
      {TimeMax, 1, TimeMax, TimeMax - 1},
      {TimeMin, -1, TimeMin, TimeMin + 1},
      {TimeMin, 1, TimeMin + 1, TimeMin},
      {TimeMax, -1, TimeMax - 1, TimeMax},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TimePlus(c.t, c.seconds), c.plus) << c.t << " + " << c.seconds;
    EXPECT_EQ(TimeMinus(c.t, c.seconds), c.minus) << c.t << " - " << c.seconds;
  }
}

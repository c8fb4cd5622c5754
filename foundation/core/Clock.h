#pragma once
// The one source of "now" for the whole program. Tests fix it so that
// schedules, deadlines and time stamps can be checked to the second.
#include <ctime>

namespace PardeloStravon {

// Whole seconds since 1970-01-01 00:00 UTC.
std::time_t Now();

// While one exists, Now() returns its time instead of the system clock's.
// Only one may exist at a time.
class TestClock {
 public:
  explicit TestClock(std::time_t now);
  ~TestClock();
  TestClock(const TestClock&) = delete;
  TestClock& operator=(const TestClock&) = delete;

  void Set(std::time_t now);
  void Advance(long seconds);
  std::time_t Get() const;
};

// Suspends the calling thread for n whole seconds (real time).
void SleepSeconds(int n);

}  // namespace PardeloStravon

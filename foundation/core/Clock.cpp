#include "foundation/core/Clock.h"

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace PardeloStravon {
namespace {

std::atomic<bool> fixed{false};
std::atomic<std::time_t> fixedNow{0};

}  // namespace

std::time_t Now() {
  if (fixed.load()) return fixedNow.load();
  return std::time(nullptr);
}

TestClock::TestClock(std::time_t now) {
  if (fixed.load()) throw std::logic_error("In TestClock::TestClock: a test clock is already set");
  fixedNow = now;
  fixed = true;
}

TestClock::~TestClock() { fixed = false; }

void TestClock::Set(std::time_t now) { fixedNow = now; }

void TestClock::Advance(long seconds) { fixedNow += seconds; }

std::time_t TestClock::Get() const { return fixedNow.load(); }

void SleepSeconds(int n) {
  if (n > 0) std::this_thread::sleep_for(std::chrono::seconds(n));
}

}  // namespace PardeloStravon

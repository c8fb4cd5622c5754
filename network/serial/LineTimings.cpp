#include "network/serial/LineTimings.h"

#include <mutex>

namespace SerComm {
namespace {

std::mutex timingsMutex;
LineTimings timings;

}  // namespace

LineTimings CurrentLineTimings() {
  std::lock_guard<std::mutex> lock(timingsMutex);
  return timings;
}

ScopedLineTimings::ScopedLineTimings(const LineTimings& t) {
  std::lock_guard<std::mutex> lock(timingsMutex);
  previous_ = timings;
  timings = t;
}

ScopedLineTimings::~ScopedLineTimings() {
  std::lock_guard<std::mutex> lock(timingsMutex);
  timings = previous_;
}

}  // namespace SerComm

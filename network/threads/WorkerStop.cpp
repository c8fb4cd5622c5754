#include "network/threads/WorkerStop.h"

namespace PardeloStravon {

bool WorkerStop::Pause(std::chrono::milliseconds time, const Cut& cut) {
  std::unique_lock<std::mutex> lock(m_);
  const auto stopped = [&] { return cut ? cut(requested_) : requested_; };
  return !cv_.wait_for(lock, time, stopped);
}

void WorkerStop::Request() {
  {
    std::lock_guard<std::mutex> lock(m_);
    requested_ = true;
  }
  cv_.notify_all();
}

bool WorkerStop::Requested() const {
  std::lock_guard<std::mutex> lock(m_);
  return requested_;
}

void WorkerStop::Wake() {
  // Taking the lock orders the waker's change before the waiter's check.
  { std::lock_guard<std::mutex> lock(m_); }
  cv_.notify_all();
}

}  // namespace PardeloStravon

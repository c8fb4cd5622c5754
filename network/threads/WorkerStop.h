#pragma once
// The stop request of one document's worker threads, and the pauses it
// cuts short. A pause ends early when its own condition holds; the
// condition is looked at again whenever the stop is requested or some
// thread calls Wake, so no thread sleeps through the moment it must act.
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

namespace PardeloStravon {

class WorkerStop {
 public:
  WorkerStop() = default;
  WorkerStop(const WorkerStop&) = delete;
  WorkerStop& operator=(const WorkerStop&) = delete;

  // Given whether the stop is requested, whether a pause may end early.
  typedef std::function<bool(bool stopRequested)> Cut;

  // Waits `time`, or less once `cut` holds; true when the whole time passed.
  // Without a condition the stop request alone cuts the pause. The
  // condition runs under the object's lock and must not call it.
  bool Pause(std::chrono::milliseconds time, const Cut& cut = nullptr);

  // For good; wakes every pause.
  void Request();
  bool Requested() const;
  // Some pause's condition may hold now.
  void Wake();

 private:
  mutable std::mutex m_;
  std::condition_variable cv_;
  bool requested_ = false;
};

}  // namespace PardeloStravon

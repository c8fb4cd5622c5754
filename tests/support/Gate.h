#pragma once
// A gate a worker's job waits at, at most a given time, until the test
// opens it.
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace TestSupport {

class Gate {
 public:
  void Wait(std::chrono::seconds limit) {
    std::unique_lock<std::mutex> lock(m_);
    reached_ = true;
    cv_.notify_all();
    cv_.wait_for(lock, limit, [this] { return open_; });
  }
  void Open() {
    std::lock_guard<std::mutex> lock(m_);
    open_ = true;
    cv_.notify_all();
  }
  bool Reached() {
    std::lock_guard<std::mutex> lock(m_);
    return reached_;
  }

 private:
  std::mutex m_;
  std::condition_variable cv_;
  bool reached_ = false;
  bool open_ = false;
};

}  // namespace TestSupport

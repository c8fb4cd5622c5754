#pragma once
// The record of GUI tasks dropped on their way to the GUI thread: a dropped
// task may carry readings still to be recorded. One error record when drops
// begin, naming the cause, and one with their number once a task is kept
// again, so a stuck GUI thread does not flood the log.
#include <atomic>
#include <mutex>
#include <string>

namespace PardeloStravon {

class GuiTaskDrops {
 public:
  // Any thread.
  void Dropped(const std::wstring& cause);
  void Kept();

 private:
  std::mutex mutex_;
  std::atomic<long> dropped_{0};
};

}  // namespace PardeloStravon

#pragma once
// The hand-over point between threads: a locked, bounded first-in-first-out
// queue of tasks. Despite the name there are no priorities. A task never runs
// while the lock is held, so a task may push into any queue, its own included.
#include <atomic>
#include <boost/function.hpp>
#include <boost/noncopyable.hpp>
#include <boost/thread/mutex.hpp>
#include <cstdint>
#include <deque>
#include <memory>
#include <stdexcept>

namespace PardeloStravon {

// How long an operation waits for the queue's lock, counted from the call.
struct QueueLockTime {
  std::int64_t seconds;
  std::int32_t nanoseconds;
};

class ThreadSafePriorityQueue : private boost::noncopyable {
 public:
  typedef boost::function<void()> Task;

  class BadSPQ : public std::range_error {
   public:
    using std::range_error::range_error;
  };

  ThreadSafePriorityQueue(const QueueLockTime& lockTime, int maxSize);
  // Queued tasks are destroyed without being run.
  ~ThreadSafePriorityQueue();

  // Appends a copy at the back; whether it was kept. A full queue, or a lock
  // not obtained within the lock time, drops the task.
  bool push(const Task& task);
  // Takes the front task out under the lock and runs it outside; false when
  // nothing ran. A task's exception passes to the caller, the task is gone.
  bool RunOne();
  // Takes the front task out under the lock without running it; false when
  // there was none (or the lock was not obtained in time).
  bool TakeOne(Task& task);
  // A snapshot taken without the lock: a hint for polling loops.
  bool empty() const;
  // The front task, left queued. Throws BadSPQ "Impossible to lock the queue"
  // or "Empty queue".
  Task& top();
  // Removes the front task without running it.
  void pop();

 private:
  std::deque<Task> queue_;
  int maxSize_;
  std::unique_ptr<boost::timed_mutex> mutex_;
  QueueLockTime lockTime_;
  std::atomic<std::size_t> count_{0};
};

// Runs queued tasks until none is left or the lock is not obtained; true when
// at least one ran. Tasks pushed meanwhile, by any thread, run in the same call.
bool RunAll(ThreadSafePriorityQueue& queue);

// The lock time and bound of both queues of the system.
extern const QueueLockTime StandardQueueLockTime;  // 60 s
constexpr int StandardQueueMaxSize = 10000;

// A queued serial request, run by the executor; the same type as a GUI task.
typedef ThreadSafePriorityQueue::Task SerialJob;
typedef ThreadSafePriorityQueue SerialJobQueue;
typedef std::unique_ptr<SerialJobQueue> QueuePtr;

}  // namespace PardeloStravon

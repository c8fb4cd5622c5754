#include "network/threads/ThreadSafePriorityQueue.h"

#include <boost/chrono/duration.hpp>
#include <boost/thread/lock_types.hpp>

namespace PardeloStravon {

const QueueLockTime StandardQueueLockTime = {60, 0};

namespace {

typedef boost::unique_lock<boost::timed_mutex> TimedLock;

// The wait is relative: an absolute time of 60 s after 1970 has always passed
// and would turn every contended push into a silent drop.
boost::chrono::nanoseconds WaitOf(const QueueLockTime& t) {
  return boost::chrono::seconds(t.seconds) + boost::chrono::nanoseconds(t.nanoseconds);
}

}  // namespace

ThreadSafePriorityQueue::ThreadSafePriorityQueue(const QueueLockTime& lockTime, int maxSize)
    : maxSize_(maxSize), mutex_(new boost::timed_mutex), lockTime_(lockTime) {}

ThreadSafePriorityQueue::~ThreadSafePriorityQueue() = default;

bool ThreadSafePriorityQueue::push(const Task& task) {
  TimedLock lock(*mutex_, WaitOf(lockTime_));
  if (!lock.owns_lock()) return false;
  if (queue_.size() >= static_cast<std::size_t>(maxSize_)) return false;
  queue_.push_back(task);
  count_.store(queue_.size());
  return true;
}

bool ThreadSafePriorityQueue::TakeOne(Task& task) {
  TimedLock lock(*mutex_, WaitOf(lockTime_));
  if (!lock.owns_lock() || queue_.empty()) return false;
  task = queue_.front();
  queue_.pop_front();
  count_.store(queue_.size());
  return true;
}

bool ThreadSafePriorityQueue::RunOne() {
  Task task;
  if (!TakeOne(task)) return false;
  task();
  return true;
}

bool ThreadSafePriorityQueue::empty() const { return count_.load() == 0; }

ThreadSafePriorityQueue::Task& ThreadSafePriorityQueue::top() {
  TimedLock lock(*mutex_, WaitOf(lockTime_));
  if (!lock.owns_lock()) throw BadSPQ("Impossible to lock the queue");
  if (queue_.empty()) throw BadSPQ("Empty queue");
  return queue_.front();
}

void ThreadSafePriorityQueue::pop() {
  TimedLock lock(*mutex_, WaitOf(lockTime_));
  if (!lock.owns_lock() || queue_.empty()) return;
  queue_.pop_front();
  count_.store(queue_.size());
}

bool RunAll(ThreadSafePriorityQueue& queue) {
  bool ran = false;
  while (queue.RunOne()) ran = true;
  return ran;
}

}  // namespace PardeloStravon

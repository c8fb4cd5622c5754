#pragma once
// The serial watchdog: starts the executor, looks at it once a turn,
// abandons it when it stops turning or will not end, asks it to restart
// when the whole line has gone silent, runs the user's resuscitation script
// when no executor is left during such a silence, and starts a new executor
// whenever none exists.
#include <boost/noncopyable.hpp>
#include <list>
#include <memory>

#include "network/threads/SerialExecutor.h"
#include "network/threads/WorkerContext.h"

namespace PardeloStravon {

// The watchdog's executors: the current one, and the retired ones that have
// not ended yet. Used by the watchdog's thread, and by the owner of the
// threads once the watchdog has returned.
class SerialExecutors : private boost::noncopyable {
 public:
  SerialExecutor* Current() const { return current_.get(); }
  void Start(WorkerContext& context);
  // The current executor has ended by itself: let it go.
  void ForgetEnded();
  // Retires the current executor and keeps it until it ends.
  void RetireCurrent();
  // Lets go of the retired executors that have ended.
  void Reap();
  // Waits for every executor; they must be ending.
  void JoinAll();

 private:
  std::unique_ptr<SerialExecutor> current_;
  std::list<std::unique_ptr<SerialExecutor>> retired_;
};

// Abandons the current executor, with the error-log lines of a terminated
// thread; nothing when there is none.
void KillSerialThread(SerialExecutors& executors);

// The watchdog's body; returns once the document stops and no executor is
// left.
void WatchSerialThread(WorkerContext& context, SerialExecutors& executors);

}  // namespace PardeloStravon

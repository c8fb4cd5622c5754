#pragma once
// The serial executor: the only thread that talks to the instruments. Each
// turn runs one queued job, then, while periodic reception is on and the
// network is not paused, the due pressure broadcasts and one periodic step.
//
// No thread is ever killed from outside. An executor that must go is
// retired: told to stop and cut off. From the moment Retire returns it sets
// neither the heartbeat nor the busy flag, starts no further work and posts
// nothing to the GUI thread; it ends at its next check, after the bounded
// call it is in. Only one executor at a time holds the serial line, so a
// new one waits until a retired one has let go of it.
#include <atomic>
#include <boost/noncopyable.hpp>
#include <boost/thread/thread.hpp>
#include <chrono>
#include <functional>
#include <mutex>

#include "network/threads/WorkerContext.h"

namespace PardeloStravon {

class InstrNetOpt;

class SerialExecutor : private boost::noncopyable {
 public:
  // Starts the thread once the object is complete.
  explicit SerialExecutor(WorkerContext& context);
  // Waits for the thread; the caller has let it end or retired it.
  ~SerialExecutor();

  bool HasEnded() const { return ended_.load(); }
  bool IsRetired() const { return retired_.load(); }
  void Retire();

  // Runs `act` unless the executor is retired; whether it ran. Every flag
  // the executor writes and every task it posts goes through here, so none
  // lands after Retire has returned.
  bool Act(const std::function<void()>& act);
  // The document's poster, silent once the executor is retired.
  const GuiPoster& Poster() const { return poster_; }
  // False when the pause was cut short by the stop request or retirement.
  bool Pause(std::chrono::milliseconds time);

  WorkerContext& Context() const { return context_; }

 private:
  void Run();

  WorkerContext& context_;
  std::atomic<bool> retired_{false};
  std::atomic<bool> ended_{false};
  std::mutex actMutex_;
  GuiPoster poster_;
  boost::thread thread_;  // last: starts when everything above exists
};

// The executor's body.
void SerialThread(SerialExecutor& self);

// True, after marking a restart, clearing the busy flag and pausing, while
// the network is paused (closing), a restart is asked for or periodic
// reception is off; otherwise false with no effect.
bool SerialPauseCheck(bool& restart, InstrNetOpt& net, DocServices& doc, SerialExecutor& self);

// True on an executor's thread once it is retired: whatever that thread
// still posts, through any poster, must be dropped.
bool ThisThreadRetired();

}  // namespace PardeloStravon

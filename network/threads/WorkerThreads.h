#pragma once
// The worker threads of one open document: the watchdog, which starts and
// supervises the serial executor, and the tick. The threads read the
// network from their first turn, so the document starts them once its
// content is complete (after a file was read into it), and holds them as
// its last member, so they are stopped and joined before any of it goes.
#include <boost/noncopyable.hpp>
#include <boost/thread/thread.hpp>

#include "network/DocServices.h"
#include "network/threads/SerialWatchdog.h"
#include "network/threads/ThreadTimings.h"
#include "network/threads/WorkerContext.h"
#include "network/threads/WorkerStop.h"

namespace PardeloStravon {

// What the owner of the threads changes in the document besides reading its
// services: the two flags that only the GUI thread writes, and the queued
// GUI tasks it runs while it waits for the network.
class WorkerHost {
 public:
  virtual ~WorkerHost() = default;
  virtual void SetClosing(bool closing) = 0;
  // The document's stop flag, set for good.
  virtual void SetStopped() = 0;
  virtual bool RunGuiTasks() = 0;
};

class WorkerThreads : private boost::noncopyable {
 public:
  // Starts the watchdog (which starts the first executor) and then the tick.
  // When a thread cannot be started, those already running are stopped and
  // joined before the failure passes on.
  WorkerThreads(DocServices& doc, WorkerHost& host, const ThreadTimings& timings = ThreadTimings());
  // Close, unless done already.
  ~WorkerThreads();

  // GUI thread. Pauses the network (the closing flag), then waits, running
  // the queued GUI tasks, until the executor is neither busy nor has queued
  // jobs, at most the close-wait limit. The closing flag stays set; clearing
  // it resumes the network. While it is set and the answer was true, no
  // worker thread reads the set of nodes or their options, so the GUI
  // thread may change them. False when the limit ran out with the executor
  // still busy or jobs queued. Never fails: a GUI task that throws is
  // logged, and the tasks behind it still run.
  bool WaitBeforeClose();

  // GUI thread: the wait before closing, the document's stop flag, then the
  // tick, the watchdog and every executor are joined. The watchdog abandons
  // an executor that has not ended the stop limit after the stop; a retired
  // executor is joined after its current bounded call.
  void Close();

 private:
  void StopAndJoin();

  DocServices& doc_;
  WorkerHost& host_;
  WorkerStop stop_;
  WorkerContext context_;
  SerialExecutors executors_;
  bool closed_ = false;
  boost::thread watch_;
  boost::thread tick_;
};

}  // namespace PardeloStravon

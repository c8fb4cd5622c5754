#include "network/threads/WorkerThreads.h"

#include <thread>

#include "foundation/core/Clock.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/TextConv.h"
#include "foundation/core/TimeStamp.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/threads/RedrawThread.h"
#include "network/threads/ThreadSafePriorityQueue.h"

namespace PardeloStravon {
namespace {

// A task that throws is logged and the tasks behind it still run: they may
// carry readings still to be recorded. A queue that keeps throwing is left
// after as many failures as it can hold tasks.
void RunGuiTasksLogged(WorkerHost& host) {
  for (int failures = 0; failures < StandardQueueMaxSize; ++failures) {
    try {
      host.RunGuiTasks();
      return;
    } catch (const std::exception& e) {
      ErrorLog << TimeStamp() << L" Error in WaitBeforeClose(): " << FromUtf8(e.what())
               << std::endl;
    } catch (...) {
      ErrorLog << TimeStamp() << L" Error in WaitBeforeClose(): unspecified" << std::endl;
    }
  }
}

}  // namespace

WorkerThreads::WorkerThreads(DocServices& doc, WorkerHost& host, const ThreadTimings& timings)
    : doc_(doc), host_(host), context_{doc, doc.GetGuiPoster(), timings, stop_} {
  try {
    watch_ = boost::thread([this] { WatchSerialThread(context_, executors_); });
    tick_ = boost::thread([this] { RedrawThread(context_); });
  } catch (...) {
    StopAndJoin();
    throw;
  }
}

WorkerThreads::~WorkerThreads() { Close(); }

bool WorkerThreads::WaitBeforeClose() {
  host_.SetClosing(true);
  // A walk of the watchdog that began before the pause ends here.
  { std::lock_guard<std::mutex> walk(context_.networkWalk); }
  const InstrNetOpt& net = doc_.NetOpt();
  const std::time_t deadline = Now() + context_.timings.closeWaitLimit;
  // Busy is asked again after the queue: the executor may have taken a job
  // in between.
  const auto working = [&net] { return net.IsBusy() || !net.NoJobs() || net.IsBusy(); };
  while (Now() < deadline && working()) {
    std::this_thread::sleep_for(context_.timings.closeWaitPause);
    RunGuiTasksLogged(host_);
  }
  RunGuiTasksLogged(host_);
  return !working();
}

void WorkerThreads::Close() {
  if (closed_) return;
  closed_ = true;
  WaitBeforeClose();
  host_.SetStopped();
  StopAndJoin();
}

void WorkerThreads::StopAndJoin() {
  stop_.Request();
  if (tick_.joinable()) tick_.join();
  if (watch_.joinable()) watch_.join();
  executors_.JoinAll();
}

}  // namespace PardeloStravon

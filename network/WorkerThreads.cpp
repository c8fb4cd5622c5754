#include "network/WorkerThreads.h"

#include <thread>

#include "foundation/Clock.h"
#include "foundation/LogChannel.h"
#include "foundation/TextConv.h"
#include "foundation/TimeStamp.h"
#include "network/InstrNetOpt.h"
#include "network/RedrawThread.h"

namespace PardeloStravon {
namespace {

void RunGuiTasksLogged(WorkerHost& host) {
  try {
    host.RunGuiTasks();
  } catch (const std::exception& e) {
    ErrorLog << TimeStamp() << L" Error in WaitBeforeClose(): " << FromUtf8(e.what()) << std::endl;
  } catch (...) {
    ErrorLog << TimeStamp() << L" Error in WaitBeforeClose(): unspecified" << std::endl;
  }
}

}  // namespace

void WaitBeforeClose(DocServices& doc, WorkerHost& host, const ThreadTimings& timings) {
  host.SetClosing(true);
  const InstrNetOpt& net = doc.NetOpt();
  const std::time_t deadline = Now() + timings.closeWaitLimit;
  // Busy is asked again after the queue: the executor may have taken a job
  // in between.
  while (Now() < deadline && (net.IsBusy() || !net.NoJobs() || net.IsBusy())) {
    std::this_thread::sleep_for(timings.closeWaitPause);
    RunGuiTasksLogged(host);
  }
  RunGuiTasksLogged(host);
}

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

void WorkerThreads::Close() {
  if (closed_) return;
  closed_ = true;
  WaitBeforeClose(doc_, host_, context_.timings);
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

#include "network/threads/SerialExecutor.h"

#include <condition_variable>

#include "foundation/core/LogChannel.h"
#include "foundation/core/TimeStamp.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/schedule/PeriodicStep.h"
#include "network/serial/PressureBroadcast.h"
#include "network/serial/TroubleshootHook.h"

namespace PardeloStravon {
namespace {

thread_local const SerialExecutor* thisExecutor = nullptr;

// The serial port, the periodic walk and the troubleshooting sink exist once
// in the process; whoever holds the line is the only executor using them.
class SerialLine {
 public:
  // Waits, looking again every slice, until the line is free; gives up, with
  // false, once `giveUp` holds.
  bool Take(const std::function<bool()>& giveUp) {
    std::unique_lock<std::mutex> lock(m_);
    while (held_) {
      if (giveUp()) return false;
      free_.wait_for(lock, std::chrono::milliseconds(50));
    }
    held_ = true;
    return true;
  }
  void Release() {
    {
      std::lock_guard<std::mutex> lock(m_);
      held_ = false;
    }
    free_.notify_all();
  }

 private:
  std::mutex m_;
  std::condition_variable free_;
  bool held_ = false;
};

SerialLine& TheLine() {
  static SerialLine line;
  return line;
}

class LineHold {
 public:
  explicit LineHold(const std::function<bool()>& giveUp) : held_(TheLine().Take(giveUp)) {}
  ~LineHold() {
    if (held_) TheLine().Release();
  }
  explicit operator bool() const { return held_; }

 private:
  bool held_;
};

void LogTurnError() {
  ErrorLog << TimeStamp() << L" " << L"Error in SerialThread(LPVOID pParam)" << std::endl;
}

}  // namespace

SerialExecutor::SerialExecutor(WorkerContext& context)
    : context_(context),
      poster_([this](const GuiTask& task) { Act([&] { context_.poster(task); }); }),
      thread_([this] { Run(); }) {}

SerialExecutor::~SerialExecutor() {
  if (thread_.joinable()) thread_.join();
}

void SerialExecutor::Retire() {
  {
    std::lock_guard<std::mutex> lock(actMutex_);
    retired_ = true;
  }
  context_.stop.Wake();
}

bool SerialExecutor::Act(const std::function<void()>& act) {
  std::lock_guard<std::mutex> lock(actMutex_);
  if (retired_) return false;
  act();
  return true;
}

bool SerialExecutor::Pause(std::chrono::milliseconds time) {
  return context_.stop.Pause(time,
                             [this](bool stopRequested) { return stopRequested || IsRetired(); });
}

void SerialExecutor::Run() {
  thisExecutor = this;
  try {
    SerialThread(*this);
  } catch (...) {
    LogTurnError();
  }
  ended_ = true;
  // The watchdog may be waiting for this end to close.
  context_.stop.Wake();
}

bool ThisThreadRetired() { return thisExecutor && thisExecutor->IsRetired(); }

bool SerialPauseCheck(bool& restart, InstrNetOpt& net, DocServices& doc, SerialExecutor& self) {
  if (!doc.IsClosing() && !doc.IsExecRestart() && net.RxEnabled()) return false;
  restart = true;
  self.Act([&] { net.SetBusy(false); });
  self.Pause(self.Context().timings.executorPause);
  return true;
}

void SerialThread(SerialExecutor& self) {
  WorkerContext& context = self.Context();
  if (!self.Pause(context.timings.executorPause)) return;
  const LineHold line([&] { return self.IsRetired() || context.Stopping(); });
  if (!line) return;

  DocServices& doc = context.doc;
  InstrNetOpt& net = doc.NetOpt();
  bool restart = true;
  const SerComm::SerialLogSink* sink = TroubleshootHook(&net, &self.Poster(), true);
  for (;;) {
    try {
      if (!self.Act([&] {
            net.SetBusy(false);
            net.SetHeartbeat(true);
          }))
        return;
      if (context.Stopping() || doc.IsExecRestart()) return;
      // The job is taken under the same lock that retires this executor, so
      // a retired executor never takes one.
      SerialJob job;
      bool hasJob = false;
      if (!self.Act([&] {
            net.SetBusy(true);
            hasJob = net.TakeOneJob(job);
          }))
        return;
      if (hasJob) job();
      if (self.IsRetired()) return;
      if (SerialPauseCheck(restart, net, doc, self)) continue;
      AskPressureBroadcast(net, sink);
      if (self.IsRetired()) return;
      if (SerialPauseCheck(restart, net, doc, self)) continue;
      const bool worked = PeriodicStep(net, GetDocDirectory(doc), restart, self.Poster(), sink);
      self.Act([&] { net.SetBusy(false); });
      restart = false;
      if (!worked) self.Pause(context.timings.executorPause);
    } catch (...) {
      if (self.IsRetired()) return;
      LogTurnError();
    }
  }
}

}  // namespace PardeloStravon

#include "network/threads/SerialWatchdog.h"

#include "foundation/core/Clock.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/TimeStamp.h"
#include "network/schedule/Alarms.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/schedule/OuterScripts.h"
#include "network/serial/TroubleshootHook.h"
#include "network/threads/WatchdogRules.h"

namespace PardeloStravon {
namespace {

void LogLine(const wchar_t* text) { ErrorLog << TimeStamp() << text << std::endl; }

// While the network is paused the GUI thread may change it, so the silence
// seen before the pause stands until it ends.
bool Blackout(WorkerContext& context, bool& lastSeen) {
  std::lock_guard<std::mutex> walk(context.networkWalk);
  if (!context.doc.IsClosing()) lastSeen = IsNetBlackout(context.doc.NetOpt());
  return lastSeen;
}

WatchObservation Observe(WorkerContext& context, const SerialExecutors& executors,
                         bool& lastBlackout) {
  InstrNetOpt& net = context.doc.NetOpt();
  WatchObservation seen;
  seen.now = Now();
  seen.heartbeat = net.SetHeartbeat(false);
  seen.executorExists = executors.Current() != nullptr;
  seen.executorEnded = seen.executorExists && executors.Current()->HasEnded();
  seen.blackout = Blackout(context, lastBlackout);
  seen.blackoutInterval = net.Options().intNetAlarm_;
  seen.stopRequested = context.Stopping();
  return seen;
}

void CarryOut(const WatchDecision& d, WorkerContext& context, SerialExecutors& executors) {
  InstrNetOpt& net = context.doc.NetOpt();
  if (d.forgetEnded) executors.ForgetEnded();
  if (d.abandon) KillSerialThread(executors);
  if (d.clearBusy) net.SetBusy(false);
  if (d.endWatch) return;
  if (d.requestRestart) context.doc.SetExecRestart(true);
  if (d.resuscitate) {
    LogLine(L" trying to resuscitate the serial communication!");
    RunOuterFile(ResuscitateSerialPortBat, GetDocDirectory(context.doc));
    context.stop.Pause(context.timings.resuscitatePause);
  }
  if (d.startExecutor) {
    context.doc.SetExecRestart(false);
    LogLine(L" going to create a new communication executor thread ...");
    executors.Start(context);
  }
}

}  // namespace

void SerialExecutors::Start(WorkerContext& context) {
  current_ = std::make_unique<SerialExecutor>(context);
}

void SerialExecutors::ForgetEnded() { current_.reset(); }

void SerialExecutors::RetireCurrent() {
  if (!current_) return;
  current_->Retire();
  retired_.push_back(std::move(current_));
}

void SerialExecutors::Reap() {
  retired_.remove_if([](const std::unique_ptr<SerialExecutor>& e) { return e->HasEnded(); });
}

void SerialExecutors::JoinAll() {
  RetireCurrent();
  retired_.clear();
}

void KillSerialThread(SerialExecutors& executors) {
  SerialExecutor* current = executors.Current();
  if (!current) return;
  LogLine(L" going to terminate the locked serial thread!");
  if (current->HasEnded()) {
    LogLine(L" the thread is already not alive!");
    executors.ForgetEnded();
  } else {
    executors.RetireCurrent();
    LogLine(L" thread deleted succesfully!");
  }
}

void WatchSerialThread(WorkerContext& context, SerialExecutors& executors) {
  InstrNetOpt& net = context.doc.NetOpt();
  const GuiPoster poster = context.poster;
  // The sink is bound before any executor exists.
  TroubleshootHook(&net, &poster, true);
  executors.Start(context);
  WatchDeadlines deadlines;
  bool lastBlackout = false;
  // Once the document stops, the turn comes as soon as the executor ends.
  const WorkerStop::Cut executorGone = [&executors](bool stopRequested) {
    return stopRequested && (!executors.Current() || executors.Current()->HasEnded());
  };
  for (;;) {
    context.stop.Pause(context.timings.watchPause, executorGone);
    try {
      const WatchDecision d =
          DecideWatchTurn(Observe(context, executors, lastBlackout), deadlines, context.timings);
      executors.Reap();
      CarryOut(d, context, executors);
      if (d.endWatch) return;
    } catch (...) {
      ErrorLog << TimeStamp() << L" Watch dog: " << L"Error in SerialThread(LPVOID pParam)"
               << std::endl;
    }
  }
}

}  // namespace PardeloStravon

#include "network/threads/WatchdogRules.h"

#include "foundation/core/Duration.h"

namespace PardeloStravon {

long BlackoutRestartTime(long blackoutInterval, const ThreadTimings& timings) {
  return static_cast<long>(timings.blackoutShare * static_cast<double>(blackoutInterval));
}

WatchDecision DecideWatchTurn(const WatchObservation& seen, WatchDeadlines& deadlines,
                              const ThreadTimings& timings) {
  WatchDecision d;
  bool exists = seen.executorExists;
  // Every rule is worked out before the executor's end is looked at.
  const bool heartbeatRule = DeadlineReachedAt(!seen.heartbeat && exists, deadlines.heartbeat,
                                               timings.heartbeatLimit, seen.now);
  const bool blackoutRule =
      DeadlineReachedAt(seen.blackout, deadlines.blackout,
                        BlackoutRestartTime(seen.blackoutInterval, timings), seen.now);
  const bool restartRule =
      DeadlineReachedAt(blackoutRule && exists, deadlines.restart, timings.restartLimit, seen.now);
  const bool stopRule =
      DeadlineReachedAt(seen.stopRequested && exists, deadlines.stop, timings.stopLimit, seen.now);

  if (exists && seen.executorEnded) {
    d.forgetEnded = true;
    exists = false;
  }
  if (seen.stopRequested && !exists) {
    d.endWatch = true;
    return d;
  }
  if (stopRule) {
    d.abandon = exists;
    d.clearBusy = true;
    d.endWatch = true;
    return d;
  }
  if (heartbeatRule) {
    d.abandon = exists;
    d.clearBusy = true;
    exists = false;
    deadlines.heartbeat = 0;
  }
  if (restartRule) {
    d.abandon = d.abandon || exists;
    d.clearBusy = true;
    exists = false;
    deadlines.restart = 0;
  }
  if (blackoutRule && exists) d.requestRestart = true;
  if (blackoutRule && !exists) {
    d.resuscitate = true;
    deadlines.blackout = 0;
  }
  if (!exists) {
    d.startExecutor = true;
    deadlines = WatchDeadlines();
  }
  return d;
}

}  // namespace PardeloStravon

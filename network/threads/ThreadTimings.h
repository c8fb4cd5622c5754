#pragma once
// Every wait of the worker threads in one record. The defaults are the
// monitor's own; tests shorten them so that a run of the real threads takes
// seconds. Limits are whole seconds on the program clock; pauses are real
// time and end early when the thread is told to stop.
#include <chrono>

namespace PardeloStravon {

struct ThreadTimings {
  // Executor: before its first turn, after a turn without periodic work and
  // while the network is paused.
  std::chrono::milliseconds executorPause{1000};
  // Watchdog: at the start of every turn.
  std::chrono::milliseconds watchPause{1000};
  // Tick: before the first turn, before every tick and after an error.
  std::chrono::milliseconds tickPause{1000};
  // Watchdog: after starting the resuscitation script.
  std::chrono::milliseconds resuscitatePause{30000};
  // Watchdog: an executor without a turn this long is abandoned.
  long heartbeatLimit = 60;
  // Watchdog: an executor still there this long after a restart request, or
  // after the stop request, is abandoned.
  long restartLimit = 60;
  long stopLimit = 60;
  // Watchdog: silence of the whole line for this share of the blackout
  // interval asks the executor to restart.
  double blackoutShare = 0.33;
  // The wait before closing: at most this long, looking this often.
  long closeWaitLimit = 60;
  std::chrono::milliseconds closeWaitPause{1000};
};

}  // namespace PardeloStravon

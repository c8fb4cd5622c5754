#pragma once
// What the serial watchdog decides in one turn, from what it saw: the rules
// of its loop as a pure function of the clock, the flags and its deadlines,
// so they can be checked without threads. The watchdog thread carries the
// decision out.
#include <ctime>

#include "network/threads/ThreadTimings.h"

namespace PardeloStravon {

// Seconds since 1970; 0 while not armed.
struct WatchDeadlines {
  std::time_t heartbeat = 0;
  std::time_t blackout = 0;
  std::time_t restart = 0;
  std::time_t stop = 0;
};

struct WatchObservation {
  std::time_t now = 0;
  bool heartbeat = false;       // the executor turned since the last look
  bool executorExists = false;  // an executor was started and not yet forgotten
  bool executorEnded = false;   // that executor has returned by itself
  bool blackout = false;        // every periodically read instrument is silent
  long blackoutInterval = 300;  // the blackout alarm's interval, read anew each turn
  bool stopRequested = false;   // the document is closing for good
};

struct WatchDecision {
  bool forgetEnded = false;     // the executor ended by itself: let it go
  bool abandon = false;         // stop, heartbeat or restart rule: abandon the executor
  bool clearBusy = false;       // after a rule that abandons
  bool requestRestart = false;  // ask the executor to leave its loop
  bool resuscitate = false;     // run the resuscitation script and pause
  bool startExecutor = false;   // no executor left: start a new one
  bool endWatch = false;        // the watchdog returns after the above
};

// The silence after which a restart is asked for: the share of the
// interval, truncated to whole seconds.
long BlackoutRestartTime(long blackoutInterval, const ThreadTimings& timings);

// One turn; arms and disarms the deadlines as the turn does.
WatchDecision DecideWatchTurn(const WatchObservation& seen, WatchDeadlines& deadlines,
                              const ThreadTimings& timings);

}  // namespace PardeloStravon

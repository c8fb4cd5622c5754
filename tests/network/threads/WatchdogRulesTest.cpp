// The serial watchdog's rules, turn by turn, on times the test chooses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "network/threads/WatchdogRules.h"

using namespace PardeloStravon;

namespace {

// What one turn sees; the executor exists unless `none`.
struct Turn {
  std::time_t now;
  const char* seen;      // words: "beat", "none", "ended", "silent", "stop"
  const char* expected;  // words in this order: forget abandon busy restart script start end
};

struct Scenario {
  const char* name;
  long blackoutInterval;
  std::vector<Turn> turns;
};

bool Has(const std::string& words, const std::string& word) {
  return (" " + words + " ").find(" " + word + " ") != std::string::npos;
}

std::string Words(const WatchDecision& d) {
  std::string s;
  auto add = [&s](bool on, const char* w) {
    if (on) s += (s.empty() ? "" : " ") + std::string(w);
  };
  add(d.forgetEnded, "forget");
  add(d.abandon, "abandon");
  add(d.clearBusy, "busy");
  add(d.requestRestart, "restart");
  add(d.resuscitate, "script");
  add(d.startExecutor, "start");
  add(d.endWatch, "end");
  return s;
}

const Scenario scenarios[] = {
    {"heartbeat lost for the limit abandons and replaces the executor",
     300,
     {{1000, "", ""}, {1059, "", ""}, {1060, "", "abandon busy start"}, {1061, "", ""}}},
    {"a heartbeat in between starts the count again",
     300,
     {{1000, "", ""},
      {1030, "beat", ""},
      {1031, "", ""},
      {1090, "", ""},
      {1091, "", "abandon busy start"}}},
    {"an executor that ended by itself is forgotten and replaced at once",
     300,
     {{1000, "ended", "forget start"}}},
    {"no executor: a new one is started", 300, {{1000, "none", "start"}}},
    {"an executor that ends in the turn the heartbeat rule fires is not abandoned",
     300,
     {{1000, "", ""}, {1060, "ended", "forget busy start"}}},
    {"silence for a third of the interval asks for a restart at every turn, then the script "
     "runs once the executor has ended",
     300,
     {{1000, "beat silent", ""},
      {1098, "beat silent", ""},
      {1099, "beat silent", "restart"},
      {1100, "beat silent", "restart"},
      {1101, "ended silent", "forget script start"},
      {1102, "beat silent", ""},
      {1200, "beat silent", ""},
      {1201, "beat silent", "restart"}}},
    {"silence that ends before the executor does: a new executor without the script",
     300,
     {{1000, "beat silent", ""},
      {1099, "beat silent", "restart"},
      {1100, "ended", "forget start"}}},
    {"an executor that ignores the restart request is abandoned after the limit, and the "
     "script runs in the same turn",
     300,
     {{1000, "beat silent", ""},
      {1099, "beat silent", "restart"},
      {1158, "beat silent", "restart"},
      {1159, "beat silent", "abandon busy script start"}}},
    {"a blackout interval below 4 s restarts at the first silent turn",
     3,
     {{1000, "beat silent", "restart"}, {1001, "ended silent", "forget script start"}}},
    {"the stop request ends the watchdog once the executor has gone",
     300,
     {{1000, "beat stop", ""}, {1005, "ended stop", "forget end"}}},
    {"an executor still running the stop limit after the stop request is abandoned",
     300,
     {{1000, "beat stop", ""}, {1059, "beat stop", ""}, {1060, "beat stop", "abandon busy end"}}},
    {"a stop request without an executor ends the watchdog at once",
     300,
     {{1000, "none stop", "end"}}},
};

TEST(WatchdogRules, EveryRuleFiresAtItsTimeInOrder) {
  for (const Scenario& s : scenarios) {
    SCOPED_TRACE(s.name);
    WatchDeadlines deadlines;
    const ThreadTimings timings;
    for (const Turn& turn : s.turns) {
      SCOPED_TRACE(turn.now);
      const std::string seen = turn.seen;
      WatchObservation o;
      o.now = turn.now;
      o.heartbeat = Has(seen, "beat");
      o.executorExists = !Has(seen, "none");
      o.executorEnded = Has(seen, "ended");
      o.blackout = Has(seen, "silent");
      o.blackoutInterval = s.blackoutInterval;
      o.stopRequested = Has(seen, "stop");
      EXPECT_EQ(Words(DecideWatchTurn(o, deadlines, timings)), turn.expected);
    }
  }
}

TEST(WatchdogRules, RestartTimeIsTheTruncatedShareOfTheInterval) {
  const ThreadTimings timings;
  const struct {
    long interval;
    long expected;
  } cases[] = {{300, 99}, {100, 33}, {4, 1}, {3, 0}, {0, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(BlackoutRestartTime(c.interval, timings), c.expected) << c.interval;
}

TEST(WatchdogRules, ShortenedHeartbeatLimitAbandonsSooner) {
  ThreadTimings fast;
  fast.heartbeatLimit = 2;
  WatchDeadlines deadlines;
  WatchObservation o;
  o.executorExists = true;
  o.now = 1000;
  EXPECT_EQ(Words(DecideWatchTurn(o, deadlines, fast)), "");
  o.now = 1002;
  EXPECT_EQ(Words(DecideWatchTurn(o, deadlines, fast)), "abandon busy start");
}

}  // namespace

#pragma once
// Short waits and fast nodes, so a run of the real worker threads takes
// seconds.
#include <chrono>
#include <string>

#include "network/nodes/Node.h"
#include "network/threads/ThreadTimings.h"

namespace TestSupport {

inline PardeloStravon::ThreadTimings FastThreadTimings(
    std::chrono::milliseconds tickPause = std::chrono::milliseconds(100)) {
  using namespace std::chrono_literals;
  PardeloStravon::ThreadTimings t;
  t.executorPause = 100ms;
  t.watchPause = 100ms;
  t.tickPause = tickPause;
  t.resuscitatePause = 300ms;
  t.heartbeatLimit = 5;
  t.restartLimit = 5;
  t.stopLimit = 3;
  t.closeWaitLimit = 5;
  t.closeWaitPause = 50ms;
  return t;
}

// A node read and recorded every second, losing its link after 2 s of
// failures.
inline PardeloStravon::Node FastNode(const std::wstring& code) {
  PardeloStravon::Node node(code);
  PardeloStravon::NodeOpt opt = node.Opt();
  opt.xs_ = 1;
  opt.gs_ = 1;
  opt.lostLinkDelay_ = 2;
  node.SetOpt(opt);
  return node;
}

}  // namespace TestSupport

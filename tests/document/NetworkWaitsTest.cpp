// The waits for the network, through PauseNet and the shutdown step, on a
// program clock the test sets: the real threads run, the executor kept busy
// by a job where a case needs it.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "document/QziDocIStd.h"
#include "foundation/core/Clock.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/TextConv.h"
#include "network/nodes/InstrNetOpt.h"
#include "tests/support/DocumentFixture.h"
#include "tests/support/Gate.h"
#include "tests/support/LogCapture.h"

using namespace PardeloStravon;
using namespace DocumentTest;
using TestSupport::Gate;

namespace {

constexpr std::time_t Start = 1700000000;

class NetworkWaits : public DocumentFixture {
 public:
  NetworkWaits() {
    ThreadTimings t = FastThreadTimings();
    t.closeWaitLimit = 60;  // the real limit, on the test's clock
    t.closeWaitPause = 2ms;
    // The clock jumps a minute: no executor may be given up meanwhile.
    t.heartbeatLimit = 100000;
    t.restartLimit = 100000;
    t.stopLimit = 100000;
    Make(t);
    Std().StartThreads();
  }
  ~NetworkWaits() override {
    gate_.Open();
    stopFeeding_ = true;
    if (feeder_.joinable()) feeder_.join();
    content_.reset();  // while the test's clock still stands
  }

  // Keeps the executor busy until the gate opens.
  void KeepExecutorBusy() {
    Std().NetOpt().PushJob([this] { gate_.Wait(60s); });
    ASSERT_TRUE(RunGuiUntil([this] { return gate_.Reached(); }));
  }

  // From another thread, one task at a time that moves the clock a second;
  // with `openAt` the task opens the gate once the clock reaches it.
  void FeedClockTasks(std::time_t openAt = 0) {
    feeder_ = std::thread([this, openAt, poster = Std().GetGuiPoster()] {
      while (!stopFeeding_) {
        if (!queued_.exchange(true))
          poster([this, openAt] {
            clock_.Advance(1);
            ++clockTasks_;
            if (openAt && clock_.Get() >= openAt) gate_.Open();
            queued_ = false;
          });
        std::this_thread::sleep_for(200us);
      }
    });
  }

  TestClock clock_{Start};
  Gate gate_;
  std::atomic<bool> queued_{false};
  std::atomic<bool> stopFeeding_{false};
  std::atomic<int> clockTasks_{0};
  std::thread feeder_;
  TestSupport::LogCapture errors_{ErrorLog};
};

TEST_F(NetworkWaits, IdleNetworkShutdownRunsTheTasksOnceWithoutPauseAndStaysClosing) {
  ThreadTimings t = FastThreadTimings();
  t.closeWaitPause = 5s;  // a pause would show
  Make(t);
  Std().StartThreads();
  int ran = 0;
  for (int i = 0; i < 3; ++i) Std().PostToGui([&ran] { ++ran; });
  const auto begin = std::chrono::steady_clock::now();
  Std().ShutDown();
  EXPECT_LT(std::chrono::steady_clock::now() - begin, 2s);
  EXPECT_EQ(ran, 3);
  EXPECT_TRUE(Std().IsClosing());
  EXPECT_TRUE(Std().IsStopped());
  EXPECT_EQ(clock_.Get(), Start);
  // A pause asked for after the close leaves the document closing.
  { NetPauseGuard late = Std().PauseNet(); }
  EXPECT_TRUE(Std().IsClosing());
}

TEST_F(NetworkWaits, BusyExecutorPauseEndsOnceTheClockPassesTheLimit) {
  KeepExecutorBusy();
  FeedClockTasks();
  {
    NetPauseGuard guard = Std().PauseNet();
    EXPECT_FALSE(guard.NetworkIdle());
    EXPECT_GE(clock_.Get(), Start + 60);
    EXPECT_GE(clockTasks_, 60);
    EXPECT_LE(clockTasks_, 62);
    EXPECT_TRUE(Std().IsClosing());
  }
  // Cleared after a wait that ran out.
  EXPECT_FALSE(Std().IsClosing());
}

TEST_F(NetworkWaits, BusyExecutorShutdownEndsOnceTheClockPassesTheLimit) {
  KeepExecutorBusy();
  // The job ends when the wait has run out, so the executor can be joined.
  FeedClockTasks(Start + 60);
  Std().ShutDown();
  EXPECT_GE(clock_.Get(), Start + 60);
  EXPECT_GE(clockTasks_, 60);
  EXPECT_LE(clockTasks_, 62);
  EXPECT_TRUE(Std().IsClosing());
  EXPECT_TRUE(Std().IsStopped());
}

TEST_F(NetworkWaits, PauseWithAThrowingTaskIsLoggedAndEndsResumed) {
  bool later = false;
  Std().PostToGui([] { throw std::runtime_error("task failed"); });
  Std().PostToGui([&later] { later = true; });
  {
    NetPauseGuard guard = Std().PauseNet();
    EXPECT_TRUE(guard.NetworkIdle());
    EXPECT_TRUE(Std().IsClosing());
    // Moving the guard keeps the pause.
    NetPauseGuard moved(std::move(guard));
    EXPECT_TRUE(Std().IsClosing());
  }
  EXPECT_TRUE(later);
  EXPECT_FALSE(Std().IsClosing());
  EXPECT_EQ(errors_.Count(L" Error in WaitBeforeClose(): task failed"), 1)
      << ToUtf8(errors_.Text());
}

TEST_F(NetworkWaits, NoTickWhileAGuardLives) {
  int ticks = 0;
  int ticksWhileClosing = 0;
  const boost::signals2::scoped_connection connection =
      Std().ConnectDocSignal([&](int, DocSignal s) {
        if (s != dsTick) return;
        ++ticks;
        ticksWhileClosing += Std().IsClosing();
      });
  ASSERT_TRUE(RunGuiUntil([&] { return ticks >= 2; }));
  {
    NetPauseGuard guard = Std().PauseNet();
    const int before = ticks;
    RunGuiFor(800ms);
    EXPECT_EQ(ticks, before);
  }
  const int after = ticks;
  ASSERT_TRUE(RunGuiUntil([&] { return ticks > after; }));
  EXPECT_EQ(ticksWhileClosing, 0);
}

}  // namespace

// The hand-over of work from any thread to the GUI thread: PostToGui queues
// a task and posts command 136, RunGuiTasks runs the queue.
#include <gtest/gtest.h>

#include <atomic>
#include <cctype>
#include <ostream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "document/QziDocIStdImpl.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/TextConv.h"
#include "network/threads/ThreadSafePriorityQueue.h"
#include "tests/support/DocumentFixture.h"
#include "tests/support/LogCapture.h"

using namespace PardeloStravon;
using namespace DocumentTest;

namespace {

struct HandOverCase;

class HandOver : public DocumentFixture, public testing::WithParamInterface<HandOverCase> {
 public:
  HandOver() { Make(); }

  GuiTask Record(int n) {
    return [this, n] { ran_.push_back(n); };
  }
  void Post(int n) { Std().PostToGui(Record(n)); }
  std::vector<int> Sequence(int from, int to) {
    std::vector<int> s;
    for (int i = from; i < to; ++i) s.push_back(i);
    return s;
  }

  std::vector<int> ran_;
  TestSupport::LogCapture errors_{ErrorLog};
};

struct HandOverCase {
  const char* name;
  void (*run)(HandOver& t);
};

const HandOverCase handOverCases[] = {
    {"no main window",
     [](HandOver& t) {
       t.shell_.mainWindow_ = false;
       for (int i = 0; i < 5; ++i) t.Post(i);
       EXPECT_EQ(t.shell_.commands_, 0);
       EXPECT_FALSE(t.Std().RunGuiTasks());
       EXPECT_EQ(t.errors_.Count(L"GUI tasks are being dropped, no main window"), 1)
           << ToUtf8(t.errors_.Text());
       EXPECT_EQ(t.errors_.Count(L"were dropped"), 0);
       // The window is back: the next task goes through and the loss is told.
       t.shell_.mainWindow_ = true;
       t.Post(5);
       EXPECT_EQ(t.shell_.commands_, 1);
       EXPECT_EQ(t.errors_.Count(L" Error in QziDocIStd::PostToGui(): 5 GUI tasks were dropped\n"),
                 1)
           << ToUtf8(t.errors_.Text());
       t.Post(6);
       EXPECT_EQ(t.errors_.Count(L"were dropped"), 1);
       EXPECT_TRUE(t.Std().RunGuiTasks());
       EXPECT_EQ(t.ran_, (std::vector<int>{5, 6}));
     }},
    {"10000 tasks queued",
     [](HandOver& t) {
       for (int i = 0; i < StandardQueueMaxSize; ++i) t.Post(i);
       EXPECT_EQ(t.errors_.Count(L"dropped"), 0);
       t.Post(-1);
       EXPECT_EQ(t.shell_.commands_, StandardQueueMaxSize + 1);
       EXPECT_EQ(t.errors_.Count(L"GUI tasks are being dropped, queue full"), 1)
           << ToUtf8(t.errors_.Text());
       EXPECT_TRUE(t.Std().RunGuiTasks());
       EXPECT_EQ(t.ran_, t.Sequence(0, StandardQueueMaxSize));
       t.Post(7);
       EXPECT_EQ(t.errors_.Count(L" 1 GUI tasks were dropped"), 1) << ToUtf8(t.errors_.Text());
     }},
    {"a task that posts a task",
     [](HandOver& t) {
       t.Std().PostToGui([&t] {
         t.ran_.push_back(1);
         t.Post(2);
       });
       EXPECT_TRUE(t.Std().RunGuiTasks());
       EXPECT_EQ(t.ran_, (std::vector<int>{1, 2}));
       EXPECT_FALSE(t.Std().RunGuiTasks());
     }},
    {"empty queue", [](HandOver& t) { EXPECT_FALSE(t.Std().RunGuiTasks()); }},
    {"a task that throws",
     [](HandOver& t) {
       t.Post(1);
       t.Std().PostToGui([] { throw std::runtime_error("task failed"); });
       t.Post(3);
       EXPECT_THROW(t.Std().RunGuiTasks(), std::runtime_error);
       EXPECT_EQ(t.ran_, std::vector<int>{1});
       EXPECT_TRUE(t.Std().RunGuiTasks());
       EXPECT_EQ(t.ran_, (std::vector<int>{1, 3}));
     }},
};

void PrintTo(const HandOverCase& c, std::ostream* os) { *os << c.name; }

TEST_P(HandOver, CaseHolds) { GetParam().run(*this); }

INSTANTIATE_TEST_SUITE_P(Cases, HandOver, testing::ValuesIn(handOverCases),
                         [](const testing::TestParamInfo<HandOverCase>& info) {
                           std::string name;
                           for (const char* c = info.param.name; *c; ++c)
                             name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                           return name;
                         });

// Worker threads post through their posters while the GUI thread drains:
// every task runs once, on the GUI thread, each poster's in its order.
class ConcurrentPosting : public DocumentFixture {};

TEST_F(ConcurrentPosting, EveryTaskRunsOnceOnTheGuiThreadInItsPostersOrder) {
  Make();
  // Fewer than the queue holds: every task is accepted.
  constexpr int posters = 8, perPoster = 1200;
  const std::thread::id gui = std::this_thread::get_id();
  std::vector<std::vector<int>> seen(posters);
  int offThread = 0;
  std::atomic<int> finished{0};
  std::vector<std::thread> threads;
  for (int p = 0; p < posters; ++p)
    threads.emplace_back([&, p, poster = Std().GetGuiPoster()] {
      for (int i = 0; i < perPoster; ++i)
        poster([&, p, i] {
          seen[p].push_back(i);
          offThread += std::this_thread::get_id() != gui;
        });
      ++finished;
    });
  const bool drained = RunGuiUntil([&] {
    if (finished < posters) return false;
    for (const auto& s : seen)
      if (s.size() < perPoster) return false;
    return true;
  });
  for (std::thread& th : threads) th.join();
  ASSERT_TRUE(drained);
  EXPECT_FALSE(Std().RunGuiTasks());
  EXPECT_EQ(offThread, 0);
  std::vector<int> expected(perPoster);
  for (int i = 0; i < perPoster; ++i) expected[i] = i;
  for (int p = 0; p < posters; ++p) EXPECT_EQ(seen[p], expected) << "poster " << p;
}

}  // namespace

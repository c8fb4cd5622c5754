#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "network/threads/ThreadSafePriorityQueue.h"

using namespace PardeloStravon;

namespace {

struct QueueTest : ::testing::Test {
  ThreadSafePriorityQueue q{StandardQueueLockTime, StandardQueueMaxSize};
  std::vector<int> ran;

  ThreadSafePriorityQueue::Task Recorder(int n) {
    return [this, n] { ran.push_back(n); };
  }
};

TEST_F(QueueTest, EmptyQueue_RunsNothing) {
  EXPECT_TRUE(q.empty());
  EXPECT_FALSE(q.RunOne());
  EXPECT_FALSE(RunAll(q));
  EXPECT_TRUE(ran.empty());
}

TEST_F(QueueTest, TasksRunInPushOrder_OnePerRunOne) {
  for (int i = 0; i < 5; ++i) q.push(Recorder(i));
  EXPECT_FALSE(q.empty());
  EXPECT_TRUE(q.RunOne());
  EXPECT_EQ(ran, (std::vector<int>{0}));
  EXPECT_TRUE(RunAll(q));
  EXPECT_EQ(ran, (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_TRUE(q.empty());
}

TEST_F(QueueTest, FullQueue_DropsNewPushKeepsOlderTasks_AcceptsAgainAfterOneRan) {
  for (int i = 0; i < StandardQueueMaxSize; ++i) q.push(Recorder(i));
  q.push(Recorder(-1));  // the 10001st
  ASSERT_TRUE(q.RunOne());
  q.push(Recorder(StandardQueueMaxSize));
  RunAll(q);
  ASSERT_EQ(ran.size(), std::size_t(StandardQueueMaxSize) + 1);
  for (int i = 0; i <= StandardQueueMaxSize; ++i) ASSERT_EQ(ran[i], i);
}

TEST_F(QueueTest, TaskPushingIntoItsOwnQueue_RunsInTheSameRunAll) {
  q.push([this] {
    ran.push_back(1);
    q.push(Recorder(2));
  });
  EXPECT_TRUE(RunAll(q));
  EXPECT_EQ(ran, (std::vector<int>{1, 2}));
  EXPECT_TRUE(q.empty());
}

TEST_F(QueueTest, ThrowingTask_PassesItsExceptionAndIsNotRunAgain) {
  int calls = 0;
  q.push([&calls] {
    ++calls;
    throw std::runtime_error("task failed");
  });
  q.push(Recorder(7));
  EXPECT_THROW(q.RunOne(), std::runtime_error);
  EXPECT_TRUE(q.RunOne());
  EXPECT_FALSE(q.RunOne());
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(ran, (std::vector<int>{7}));
}

TEST_F(QueueTest, TopAndPop_LeaveOrRemoveTheFrontWithoutRunningIt) {
  try {
    q.top();
    FAIL() << "top of an empty queue must throw";
  } catch (const ThreadSafePriorityQueue::BadSPQ& e) {
    EXPECT_STREQ(e.what(), "Empty queue");
  }
  q.pop();  // nothing to remove: no effect
  q.push(Recorder(1));
  q.push(Recorder(2));
  q.top()();
  EXPECT_EQ(ran, (std::vector<int>{1}));
  q.pop();
  RunAll(q);
  EXPECT_EQ(ran, (std::vector<int>{1, 2}));
}

TEST(QueueLifetime, DestroyingAQueueWithTasks_RunsNone) {
  int calls = 0;
  {
    ThreadSafePriorityQueue q(StandardQueueLockTime, StandardQueueMaxSize);
    for (int i = 0; i < 3; ++i) q.push([&calls] { ++calls; });
  }
  EXPECT_EQ(calls, 0);
}

// Each run records (producer, sequence number). Every accepted task must run
// exactly once, and each producer's accepted tasks must run in its own order.
struct RunLog {
  std::mutex m;
  std::vector<std::pair<int, int>> runs;
  void Add(int producer, int seq) {
    std::lock_guard<std::mutex> g(m);
    runs.emplace_back(producer, seq);
  }
  // Per producer, the sequence numbers in run order.
  std::map<int, std::vector<int>> ByProducer() {
    std::map<int, std::vector<int>> by;
    for (const auto& r : runs) by[r.first].push_back(r.second);
    return by;
  }
};

void PushConcurrently(ThreadSafePriorityQueue& q, RunLog& log, int producers, int perProducer) {
  std::atomic<bool> go{false};
  std::vector<std::thread> threads;
  for (int p = 0; p < producers; ++p) {
    threads.emplace_back([&, p] {
      while (!go.load()) std::this_thread::yield();
      for (int i = 0; i < perProducer; ++i) q.push([&log, p, i] { log.Add(p, i); });
    });
  }
  go.store(true);
  for (auto& t : threads) t.join();
}

TEST(QueueConcurrency, ManyProducers_EveryPushAcceptedAndRunOnceInProducerOrder) {
  ThreadSafePriorityQueue q(StandardQueueLockTime, StandardQueueMaxSize);
  RunLog log;
  std::atomic<bool> producing{true};
  // A consumer runs tasks while the producers push: nothing may be lost to
  // the lock being busy.
  std::thread consumer([&] {
    while (producing.load() || !q.empty()) q.RunOne();
  });
  PushConcurrently(q, log, 8, 1000);
  producing.store(false);
  consumer.join();
  RunAll(q);

  ASSERT_EQ(log.runs.size(), 8000u);
  for (auto& [producer, seqs] : log.ByProducer()) {
    ASSERT_EQ(seqs.size(), 1000u) << "producer " << producer;
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(seqs[i], i) << "producer " << producer;
  }
}

TEST(QueueConcurrency, ManyProducersPastTheBound_ExactlyTheFirst10000AreKept) {
  ThreadSafePriorityQueue q(StandardQueueLockTime, StandardQueueMaxSize);
  RunLog log;
  const int producers = 7;
  // 7 x 1429 = 10003 pushes onto a queue that nobody empties meanwhile.
  PushConcurrently(q, log, producers, 1429);
  RunAll(q);

  ASSERT_EQ(log.runs.size(), std::size_t(StandardQueueMaxSize));
  // Only the pushes after the queue filled are refused, so what each
  // producer got in is a prefix of what it pushed.
  for (auto& [producer, seqs] : log.ByProducer()) {
    for (std::size_t i = 0; i < seqs.size(); ++i)
      ASSERT_EQ(seqs[i], int(i)) << "producer " << producer;
  }
}

}  // namespace

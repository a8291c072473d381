#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <vector>

#include "headless_fixture.h"
#include "toolkit/controls/thread.h"

using namespace toolkit;

namespace {

class Collector : public Object {
 public:
  void One() { seen.push_back(1); }
  void Two() { seen.push_back(2); }
  void Fail() { throw std::runtime_error("refused"); }
  std::vector<int> seen;
};

class Worker : public Thread {
 public:
  explicit Worker(Collector& collector) : collector_(collector) {}
  std::atomic<int> stage{0};
  std::string error;

 protected:
  void Execute() override {
    Queue(ThreadMethod(&collector_, &Collector::One));
    Queue(ThreadMethod(&collector_, &Collector::Two));
    stage = 1;
    Synchronize(ThreadMethod(&collector_, &Collector::One));
    stage = 2;
    try {
      Synchronize(ThreadMethod(&collector_, &Collector::Fail));
    } catch (const std::exception& e) {
      error = e.what();
    }
  }

 private:
  Collector& collector_;
};

TEST_F(HeadlessTest, QueuedCallsRunOnTheMainThreadInOrder) {
  Collector collector;
  Worker worker(collector);
  worker.Start();
  while (worker.stage == 0) std::this_thread::yield();
  // The worker now waits in Synchronize until the main thread serves it.
  EXPECT_TRUE(collector.seen.empty());
  TheApplication().ProcessMessages();
  worker.WaitFor();
  EXPECT_EQ(collector.seen, (std::vector<int>{1, 2, 1}));
  EXPECT_EQ(worker.error, "refused");
  EXPECT_TRUE(worker.Finished());
}

TEST_F(HeadlessTest, SynchronizeOnTheMainThreadRunsAtOnce) {
  Collector collector;
  Thread::Synchronize(ThreadMethod(&collector, &Collector::Two));
  EXPECT_EQ(collector.seen, std::vector<int>{2});
}

TEST_F(HeadlessTest, QueuedCallsOfAFreedObjectAreDropped) {
  Collector kept;
  {
    Collector leaving;
    Thread::Queue(ThreadMethod(&leaving, &Collector::One));
    Thread::Queue(ThreadMethod(&kept, &Collector::Two));
    Thread::RemoveQueuedEvents(&leaving);
  }
  EXPECT_TRUE(CheckSynchronize());
  EXPECT_EQ(kept.seen, std::vector<int>{2});
  EXPECT_FALSE(CheckSynchronize());
}

class Spinner : public Thread {
 protected:
  void Execute() override {
    while (!Terminated()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
};

TEST_F(HeadlessTest, DestroyingARunningThreadStopsItFirst) {
  auto spinner = std::make_unique<Spinner>();
  spinner->Start();
  spinner.reset();  // must not hang or crash
  SUCCEED();
}

TEST(CriticalSectionTest, ExcludesOtherThreadsAndNests) {
  CriticalSection section;
  int counter = 0;
  auto work = [&] {
    for (int i = 0; i < 10000; ++i) {
      section.Enter();
      section.Enter();
      ++counter;
      section.Leave();
      section.Leave();
    }
  };
  std::thread a(work);
  std::thread b(work);
  a.join();
  b.join();
  EXPECT_EQ(counter, 20000);
  section.Enter();
  std::atomic<bool> other{true};
  std::thread probe([&] { other = section.TryEnter(); });
  probe.join();
  EXPECT_FALSE(other);
  section.Leave();
}

}  // namespace

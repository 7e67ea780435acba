#include "app/threads/WorkerThread.h"
#include "tests/support/window/EventLoopWait.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <atomic>
#include <memory>
#include <stdexcept>

namespace trelio {
namespace {

// A thread whose body is given by the test.
class LambdaThread : public WorkerThread {
 public:
  explicit LambdaThread(std::function<void(LambdaThread&)> body) : body_(std::move(body)) {}
  ~LambdaThread() override { WaitFor(); }

  using WorkerThread::Synchronize;

 protected:
  void Execute() override { body_(*this); }

 private:
  std::function<void(LambdaThread&)> body_;
};

class WorkerThreadTest : public ::testing::Test {
 protected:
  std::unique_ptr<SyncGate> gate = std::make_unique<SyncGate>();
};

TEST_F(WorkerThreadTest, SynchronizeRunsOnTheWindowThreadWhileWaitForWaits) {
  QThread* const windowThread = QThread::currentThread();
  QThread* ranOn = nullptr;
  bool result = false;
  int seenAfterCall = 0;
  int value = 0;
  LambdaThread t([&](LambdaThread&) {
    result = LambdaThread::Synchronize([&] {
      ranOn = QThread::currentThread();
      value = 42;
    });
    seenAfterCall = value;  // the call has finished when Synchronize returns
  });
  t.Start();
  t.WaitFor();  // no event loop runs: WaitFor itself must carry the call out
  EXPECT_TRUE(t.Finished());
  EXPECT_TRUE(result);
  EXPECT_EQ(ranOn, windowThread);
  EXPECT_EQ(seenAfterCall, 42);
}

TEST_F(WorkerThreadTest, SynchronizeCallsArriveThroughTheEventLoop) {
  std::atomic<int> calls{0};
  LambdaThread t([&](LambdaThread&) {
    for (int i = 0; i < 3; ++i) LambdaThread::Synchronize([&] { ++calls; });
  });
  t.Start();
  EXPECT_TRUE(test::WaitUntil([&] { return t.Finished(); }));
  EXPECT_EQ(calls, 3);
}

// Work that lets the event loop run keeps the calls out until it has ended.
TEST_F(WorkerThreadTest, HeldCallsWaitForTheLastHoldThenRun) {
  std::atomic<int> calls{0};
  LambdaThread t([&](LambdaThread&) { LambdaThread::Synchronize([&] { ++calls; }); });
  auto outer = std::make_unique<SyncGate::Hold>();
  auto inner = std::make_unique<SyncGate::Hold>();
  t.Start();
  while (SyncGate::PendingCalls() == 0) QThread::yieldCurrentThread();
  QCoreApplication::processEvents();
  inner.reset();
  QCoreApplication::processEvents();
  EXPECT_EQ(calls, 0);
  outer.reset();
  EXPECT_TRUE(test::WaitUntil([&] { return t.Finished(); }));
  EXPECT_EQ(calls, 1);
}

TEST_F(WorkerThreadTest, TerminateIsSeenByExecuteAndWaitForReturns) {
  std::atomic<bool> running{false};
  LambdaThread t([&](LambdaThread& self) {
    running = true;
    while (!self.Terminated()) QThread::msleep(1);
  });
  t.Start();
  while (!running) QThread::yieldCurrentThread();
  EXPECT_FALSE(t.Finished());
  t.Terminate();
  t.WaitFor();
  EXPECT_TRUE(t.Finished());
}

TEST_F(WorkerThreadTest, ErrorOfTheCallIsThrownInTheWorker) {
  std::string caught;
  LambdaThread t([&](LambdaThread&) {
    try {
      LambdaThread::Synchronize([] { throw std::runtime_error("bad tick"); });
    } catch (const std::runtime_error& e) {
      caught = e.what();
    }
  });
  t.Start();
  t.WaitFor();
  EXPECT_EQ(caught, "bad tick");
}

TEST_F(WorkerThreadTest, ErrorInExecuteEndsOnlyTheThread) {
  LambdaThread t([](LambdaThread&) { throw std::runtime_error("lost"); });
  t.Start();
  t.WaitFor();
  EXPECT_TRUE(t.Finished());
}

TEST_F(WorkerThreadTest, WithoutWindowTheCallIsRefusedAndNeverRuns) {
  gate.reset();
  bool ran = false;
  bool result = true;
  LambdaThread t([&](LambdaThread&) { result = LambdaThread::Synchronize([&] { ran = true; }); });
  t.Start();
  t.WaitFor();
  EXPECT_FALSE(result);
  EXPECT_FALSE(ran);
}

TEST_F(WorkerThreadTest, WindowGoingAwayReleasesAWaitingCallUnrun) {
  bool ran = false;
  bool result = true;
  bool refusedLater = false;
  LambdaThread t([&](LambdaThread&) {
    result = LambdaThread::Synchronize([&] { ran = true; });
    refusedLater = !LambdaThread::Synchronize([&] { ran = true; });
  });
  t.Start();
  // No event loop runs here, so the call stays queued until the gate goes.
  while (SyncGate::PendingCalls() == 0) QThread::yieldCurrentThread();
  gate.reset();
  t.WaitFor();
  EXPECT_FALSE(result);
  EXPECT_TRUE(refusedLater);
  EXPECT_FALSE(ran);
  QCoreApplication::processEvents();  // a wake-up left behind finds nothing to run
  EXPECT_FALSE(ran);
}

TEST_F(WorkerThreadTest, FreeOnTerminateDeletesTheObjectOnTheWindowThread) {
  struct Counted : WorkerThread {
    explicit Counted(std::atomic<bool>* deleted) : deleted_(deleted) {}
    ~Counted() override { *deleted_ = true; }
    void Execute() override {}
    std::atomic<bool>* deleted_;
  };
  std::atomic<bool> deleted{false};
  auto* t = new Counted(&deleted);
  t->SetFreeOnTerminate(true);
  t->Start();
  EXPECT_TRUE(test::WaitUntil([&] { return deleted.load(); }));
}

}  // namespace
}  // namespace trelio

#include "app/threads/MyThread.h"
#include "tests/support/window/EventLoopWait.h"

#include <gtest/gtest.h>

#include <QThread>
#include <atomic>
#include <memory>
#include <stdexcept>

namespace trelio {
namespace {

using std::chrono::hours;
using std::chrono::milliseconds;

class MyThreadTest : public ::testing::Test {
 protected:
  std::unique_ptr<SyncGate> gate = std::make_unique<SyncGate>();
};

TEST_F(MyThreadTest, TicksOnTheWindowThreadFirstAtOnceThenEveryPeriod) {
  QThread* const windowThread = QThread::currentThread();
  std::atomic<int> ticks{0};
  std::atomic<bool> elsewhere{false};
  MyThread ticker(
      [&] {
        if (QThread::currentThread() != windowThread) elsewhere = true;
        ++ticks;
      },
      {milliseconds(5), milliseconds(1)});
  ticker.Start();
  EXPECT_TRUE(test::WaitUntil([&] { return ticks >= 3; }));
  ticker.Terminate();
  ticker.WaitFor();
  EXPECT_FALSE(elsewhere);
}

TEST_F(MyThreadTest, StopIsSeenDuringTheLongSleep) {
  std::atomic<int> ticks{0};
  // A period of an hour: only a stop flag looked at between the short sleeps
  // lets WaitFor return.
  MyThread ticker([&] { ++ticks; }, {hours(1), milliseconds(10)});
  ticker.Start();
  EXPECT_TRUE(test::WaitUntil([&] { return ticks == 1; }));
  ticker.Terminate();
  ticker.WaitFor();
  EXPECT_TRUE(ticker.Finished());
  EXPECT_EQ(ticks, 1);
}

TEST_F(MyThreadTest, StopCutsTheSleepShort) {
  std::atomic<int> ticks{0};
  // One sleep step of an hour: only a wake-up on Stop lets WaitFor return.
  MyThread ticker([&] { ++ticks; }, {hours(1), hours(1)});
  ticker.Start();
  EXPECT_TRUE(test::WaitUntil([&] { return ticks == 1; }));
  ticker.Stop();
  ticker.WaitFor();
  EXPECT_TRUE(ticker.Finished());
}

TEST_F(MyThreadTest, WaitingForTheTickerRunsItsPendingTick) {
  std::atomic<int> ticks{0};
  MyThread ticker([&] { ++ticks; }, {hours(1), milliseconds(10)});
  // Stopped at once, with no event loop running here: the first tick is
  // handed to the window thread all the same, and WaitFor carries it out.
  ticker.Start();
  ticker.Terminate();
  ticker.WaitFor();
  EXPECT_TRUE(ticker.Finished());
  EXPECT_EQ(ticks, 1);
}

TEST_F(MyThreadTest, AFailedTickDoesNotEndTheSchedule) {
  std::atomic<int> ticks{0};
  MyThread ticker(
      [&] {
        if (++ticks == 1) throw std::runtime_error("tick failed");
      },
      {milliseconds(1), milliseconds(1)});
  ticker.Start();
  EXPECT_TRUE(test::WaitUntil([&] { return ticks >= 2; }));
}

TEST_F(MyThreadTest, EndsWhenTheWindowIsGone) {
  std::atomic<int> ticks{0};
  MyThread ticker([&] { ++ticks; }, {milliseconds(1), milliseconds(1)});
  gate.reset();
  ticker.Start();
  EXPECT_TRUE(test::WaitUntil([&] { return ticker.Finished(); }));
  EXPECT_EQ(ticks, 0);
}

}  // namespace
}  // namespace trelio

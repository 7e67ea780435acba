// The minute ticker: once a minute it has the window thread run one tick
// (expiry pass, list repaint, wait text), sleeping in short steps in between
// so that a stop request is seen within one step.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

#include "app/threads/WorkerThread.h"

namespace trelio {

struct TickerTiming {
  std::chrono::milliseconds period{60000};  // from the end of one tick to the next
  std::chrono::milliseconds step{1000};     // sleep between two looks at the stop flag
};

class MyThread : public WorkerThread {
 public:
  // tick runs on the window thread, first as soon as the thread starts.
  explicit MyThread(std::function<void()> tick, TickerTiming timing = {});
  ~MyThread() override;

  // Sets the stop flag and cuts the sleep under way short.
  void Stop();

 protected:
  void Execute() override;

 private:
  std::function<void()> tick_;
  TickerTiming timing_;
  std::mutex sleepLock_;
  std::condition_variable wake_;
};

}  // namespace trelio

#include "app/threads/MyThread.h"

#include <algorithm>

namespace trelio {

MyThread::MyThread(std::function<void()> tick, TickerTiming timing)
    : tick_(std::move(tick)), timing_(timing) {
  timing_.step = std::max(timing_.step, std::chrono::milliseconds(1));
}

MyThread::~MyThread() {
  Stop();
  WaitFor();
}

void MyThread::Stop() {
  {
    std::lock_guard<std::mutex> hold(sleepLock_);
    Terminate();
  }
  wake_.notify_all();
}

void MyThread::Execute() {
  // The first tick runs as the thread starts, whatever comes after.
  do {
    try {
      // No window any more: nothing left to tick for.
      if (!Synchronize(tick_)) return;
    } catch (...) {
      // A failed tick must not end the schedule; the next one tries again.
    }
    for (auto slept = std::chrono::milliseconds(0); slept < timing_.period && !Terminated();) {
      const auto nap = std::min(timing_.step, timing_.period - slept);
      std::unique_lock<std::mutex> hold(sleepLock_);
      wake_.wait_for(hold, nap, [this] { return Terminated(); });
      slept += nap;
    }
  } while (!Terminated());
}

}  // namespace trelio

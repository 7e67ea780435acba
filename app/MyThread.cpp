#include "app/MyThread.h"

#include <QThread>
#include <algorithm>

namespace trelio {

MyThread::MyThread(std::function<void()> tick, TickerTiming timing)
    : tick_(std::move(tick)), timing_(timing) {
  timing_.step = std::max(timing_.step, std::chrono::milliseconds(1));
}

MyThread::~MyThread() {
  Terminate();
  WaitFor();
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
      QThread::msleep(static_cast<unsigned long>(nap.count()));
      slept += nap;
    }
  } while (!Terminated());
}

}  // namespace trelio

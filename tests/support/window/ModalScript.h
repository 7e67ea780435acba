// Steps a test takes while a modal loop runs (a dialog's exec blocks the
// test): each step waits until its condition holds, then acts, in order.
#pragma once

#include <QTimer>
#include <deque>
#include <functional>
#include <utility>

namespace trelio::test {

class ModalScript {
 public:
  ModalScript() {
    timer_.setInterval(2);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
    timer_.start();
  }

  // Acts once `when` holds, after every earlier step has acted.
  ModalScript& Then(std::function<bool()> when, std::function<void()> act) {
    steps_.emplace_back(std::move(when), std::move(act));
    return *this;
  }
  ModalScript& Then(std::function<void()> act) {
    return Then([] { return true; }, std::move(act));
  }

  bool Done() const { return steps_.empty(); }

 private:
  void Look() {
    while (!steps_.empty() && steps_.front().first()) {
      auto act = std::move(steps_.front().second);
      steps_.pop_front();
      act();
    }
  }

  QTimer timer_;
  std::deque<std::pair<std::function<bool()>, std::function<void()>>> steps_;
};

}  // namespace trelio::test

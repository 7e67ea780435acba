// Waiting in tests for what the browser engine does.
#pragma once

#include <QEventLoop>
#include <QTimer>
#include <functional>

namespace trelio::test {

// Waits until done() holds, at most timeoutMs, running the window's event
// loop all along: the engine does its work in it, so a wait that sleeps
// between looks (as QTest::qWaitFor does) slows every page load a
// hundredfold.
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 30000) {
  if (done()) return true;
  QEventLoop loop;
  QTimer look;
  look.setInterval(2);
  QObject::connect(&look, &QTimer::timeout, &loop, [&] {
    if (done()) loop.quit();
  });
  QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
  look.start();
  loop.exec();
  return done();
}

}  // namespace trelio::test

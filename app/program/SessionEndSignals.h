// SIGTERM, SIGINT and SIGHUP end the session like the main window's close
// box: the handler only wakes the window thread, which then runs the action.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace trelio {

class SessionEndSignals : public QObject {
  Q_OBJECT

 public:
  // One instance at a time; the old signal handlers come back when it goes.
  explicit SessionEndSignals(std::function<void()> onSignal, QObject* parent = nullptr);
  ~SessionEndSignals() override;

 private:
  void OnReadable();

  std::function<void()> onSignal_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace trelio

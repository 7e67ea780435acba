#include "app/threads/WorkerThread.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>

namespace trelio {

namespace {

struct Call {
  const std::function<void()>* run;
  bool done = false;
  bool ran = false;
  std::exception_ptr error;
};

// Shared by every thread and the gate. Never destroyed: a worker may still be
// ending while the process tears down its statics.
struct Shared {
  std::mutex lock;
  std::condition_variable changed;
  std::deque<Call*> waiting;
  SyncGate* gate = nullptr;
  QThread* gateThread = nullptr;
  int holds = 0;  // SyncGate::Hold objects alive
};

Shared& S() {
  static Shared* shared = new Shared;
  return *shared;
}

const QEvent::Type kSyncEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

}  // namespace

SyncGate::SyncGate(QObject* parent) : QObject(parent) {
  std::lock_guard<std::mutex> hold(S().lock);
  S().gate = this;
  S().gateThread = thread();
}

SyncGate::~SyncGate() {
  std::lock_guard<std::mutex> hold(S().lock);
  if (S().gate != this) return;
  S().gate = nullptr;
  S().gateThread = nullptr;
  for (Call* call : S().waiting) call->done = true;
  S().waiting.clear();
  S().changed.notify_all();
}

size_t SyncGate::PendingCalls() {
  std::lock_guard<std::mutex> hold(S().lock);
  return S().waiting.size();
}

bool SyncGate::event(QEvent* e) {
  if (e->type() != kSyncEvent) return QObject::event(e);
  {
    // The last Hold to go posts the event again.
    std::lock_guard<std::mutex> hold(S().lock);
    if (S().holds > 0) return true;
  }
  CheckSynchronize();
  return true;
}

SyncGate::Hold::Hold() {
  std::lock_guard<std::mutex> hold(S().lock);
  ++S().holds;
}

SyncGate::Hold::~Hold() {
  std::lock_guard<std::mutex> hold(S().lock);
  if (--S().holds > 0 || S().waiting.empty() || !S().gate) return;
  QCoreApplication::postEvent(S().gate, new QEvent(kSyncEvent));
}

void SyncGate::CheckSynchronize() {
  std::unique_lock<std::mutex> hold(S().lock);
  while (!S().waiting.empty()) {
    Call* call = S().waiting.front();
    S().waiting.pop_front();
    hold.unlock();
    std::exception_ptr error;
    try {
      (*call->run)();
    } catch (...) {
      error = std::current_exception();
    }
    hold.lock();
    call->ran = true;
    call->error = error;
    call->done = true;
    S().changed.notify_all();
  }
}

class WorkerThread::Runner : public QThread {
 public:
  explicit Runner(WorkerThread* owner) : owner_(owner) {}

 protected:
  void run() override { owner_->Run(); }

 private:
  WorkerThread* owner_;
};

WorkerThread::WorkerThread() : runner_(std::make_unique<Runner>(this)) {}

WorkerThread::~WorkerThread() {
  if (started_ && !Finished()) {
    Terminate();
    WaitFor();
  }
  runner_->wait();
}

void WorkerThread::Start() {
  if (started_) return;
  started_ = true;
  if (freeOnTerminate_) {
    // Queued to the thread that made the object, after the thread has ended.
    QObject::connect(
        runner_.get(), &QThread::finished, runner_.get(), [this] { delete this; },
        Qt::QueuedConnection);
  }
  runner_->start();
}

void WorkerThread::Run() {
  try {
    Execute();
  } catch (...) {
    // An error ends the thread, never the process.
  }
  std::lock_guard<std::mutex> hold(S().lock);
  finished_ = true;
  S().changed.notify_all();
}

bool WorkerThread::Finished() const {
  std::lock_guard<std::mutex> hold(S().lock);
  return finished_;
}

void WorkerThread::WaitFor() {
  if (!started_ || QThread::currentThread() == runner_.get()) return;
  std::unique_lock<std::mutex> hold(S().lock);
  const bool onGateThread = S().gate && QThread::currentThread() == S().gateThread;
  while (!finished_) {
    if (onGateThread && !S().waiting.empty()) {
      hold.unlock();
      SyncGate::CheckSynchronize();
      hold.lock();
      continue;
    }
    S().changed.wait(hold);
  }
  hold.unlock();
  runner_->wait();
}

bool WorkerThread::Synchronize(const std::function<void()>& call) {
  std::unique_lock<std::mutex> hold(S().lock);
  if (!S().gate) return false;
  if (QThread::currentThread() == S().gateThread) {
    hold.unlock();
    call();
    return true;
  }
  Call waiting{&call, false, false, nullptr};
  S().waiting.push_back(&waiting);
  QCoreApplication::postEvent(S().gate, new QEvent(kSyncEvent));
  S().changed.notify_all();
  S().changed.wait(hold, [&] { return waiting.done; });
  if (waiting.error) std::rethrow_exception(waiting.error);
  return waiting.ran;
}

}  // namespace trelio

// A worker thread in the manner of the program's other threads: a stop flag
// that Execute checks, a wait for its end, and blocking calls that run on the
// window thread.
#pragma once

#include <QObject>
#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>

class QThread;

namespace trelio {

// While one exists, Synchronize calls of worker threads run on the thread it
// lives on (the window thread). Destroying it cancels the calls still waiting
// and refuses later ones, so a thread that outlives its window never reaches
// freed objects. The window creates one and keeps it for its whole life.
class SyncGate : public QObject {
  Q_OBJECT

 public:
  explicit SyncGate(QObject* parent = nullptr);
  ~SyncGate() override;

  // Runs every waiting call now; the gate's thread only.
  static void CheckSynchronize();
  // How many calls of worker threads wait for the gate's thread.
  static size_t PendingCalls();

  // While one exists, the event loop leaves the waiting calls waiting, for
  // work that lets the loop run but must not meet them half-way; the last
  // one to go lets the loop run them. WaitFor still runs them, so a wait for
  // a thread cannot hang. The gate's thread only.
  class Hold {
   public:
    Hold();
    ~Hold();
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;
  };

 protected:
  bool event(QEvent* e) override;
};

class WorkerThread {
 public:
  WorkerThread();
  virtual ~WorkerThread();
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  // Starts Execute on a thread of its own; once only.
  void Start();
  // Asks Execute to stop; it stops when it next looks at Terminated.
  void Terminate() { terminated_ = true; }
  bool Terminated() const { return terminated_; }
  // Blocks until Execute has returned. On the window thread it keeps running
  // the thread's Synchronize calls meanwhile, so a thread that is handing a
  // result over can still finish.
  void WaitFor();
  bool Finished() const;
  // When set before Start, the object deletes itself on the window thread
  // once Execute has returned; nobody may wait for it or touch it after
  // Start.
  void SetFreeOnTerminate(bool free) { freeOnTerminate_ = free; }

 protected:
  virtual void Execute() = 0;

  // Runs call on the window thread and waits for it. False when there was no
  // window to run it (no gate, or the gate went before the call could run);
  // the call has then not run. An exception of the call is thrown here.
  // Called on the window thread itself, it runs the call at once.
  static bool Synchronize(const std::function<void()>& call);

  // The stop flag itself, for a blocking call that can watch it (an HTTP
  // transfer that ends when it is set).
  const std::atomic<bool>& TerminatedFlag() const { return terminated_; }

 private:
  class Runner;
  void Run();

  std::unique_ptr<Runner> runner_;
  std::atomic<bool> terminated_{false};
  bool started_ = false;
  bool finished_ = false;  // guarded by the shared lock
  bool freeOnTerminate_ = false;
};

}  // namespace trelio

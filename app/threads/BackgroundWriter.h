// Writes files on a thread of its own, so that the window thread never waits
// for the disk: it hands a write over and goes on. Of writes handed over
// faster than they are done only the newest is kept.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "app/platform/Outcome.h"

namespace trelio {

class BackgroundWriter {
 public:
  // A write; it owns the bytes it writes. A failure goes to stderr: the
  // window has nothing to show it on, and the next change tries again.
  using Write = std::function<Outcome()>;

  BackgroundWriter();
  // Stop().
  ~BackgroundWriter();
  BackgroundWriter(const BackgroundWriter&) = delete;
  BackgroundWriter& operator=(const BackgroundWriter&) = delete;

  void Post(Write write);
  // Waits for a write under way and drops those not yet begun: once it has
  // returned nothing more is written, so the file may be written or removed
  // by the caller safely.
  void Stop();

 private:
  void Run();

  std::mutex lock_;
  std::condition_variable wake_;
  Write pending_;
  bool stop_ = false;
  std::thread thread_;
};

}  // namespace trelio

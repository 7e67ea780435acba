// Writes the index's recovery file on a thread of its own, so that the window
// thread never waits for the disk: it hands the bytes over and goes on. Of
// bytes handed over faster than they are written only the newest are kept.
#pragma once

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "app/core/index/IndexFile.h"

namespace trelio {

class RecoveryWriter {
 public:
  RecoveryWriter();
  // Stop().
  ~RecoveryWriter();
  RecoveryWriter(const RecoveryWriter&) = delete;
  RecoveryWriter& operator=(const RecoveryWriter&) = delete;

  // The index bytes for the recovery file of files.
  void Post(const IndexFilePaths& files, std::string bytes);
  // Waits for a write under way and drops bytes not yet begun: once it has
  // returned nothing more is written, so the file can be removed safely.
  void Stop();

 private:
  struct Job {
    IndexFilePaths files;
    std::string bytes;
  };
  void Run();

  std::mutex lock_;
  std::condition_variable wake_;
  std::optional<Job> pending_;
  bool stop_ = false;
  std::thread thread_;
};

}  // namespace trelio

#include "app/threads/RecoveryWriter.h"

#include <cstdio>

#include "app/core/index/IndexRecovery.h"
#include "app/core/text/ErrorText.h"

namespace trelio {

RecoveryWriter::RecoveryWriter() : thread_([this] { Run(); }) {}

RecoveryWriter::~RecoveryWriter() { Stop(); }

void RecoveryWriter::Post(const IndexFilePaths& files, std::string bytes) {
  {
    const std::lock_guard<std::mutex> hold(lock_);
    if (stop_) return;
    pending_ = Job{files, std::move(bytes)};
  }
  wake_.notify_one();
}

void RecoveryWriter::Stop() {
  {
    const std::lock_guard<std::mutex> hold(lock_);
    stop_ = true;
    pending_.reset();
  }
  wake_.notify_one();
  if (thread_.joinable()) thread_.join();
}

void RecoveryWriter::Run() {
  for (;;) {
    Job job;
    {
      std::unique_lock<std::mutex> hold(lock_);
      wake_.wait(hold, [this] { return stop_ || pending_; });
      if (stop_) return;
      job = std::move(*pending_);
      pending_.reset();
    }
    // The next change tries again; the window has nothing to show it on.
    const Outcome kept = WriteRecoveryFile(job.files, job.bytes);
    if (!kept.ok()) std::fprintf(stderr, "Korvane Trelio: %s\n", ErrorText(kept).c_str());
  }
}

}  // namespace trelio

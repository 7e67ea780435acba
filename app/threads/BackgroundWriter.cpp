#include "app/threads/BackgroundWriter.h"

#include <cstdio>
#include <utility>

#include "app/core/text/ErrorText.h"

namespace trelio {

BackgroundWriter::BackgroundWriter() : thread_([this] { Run(); }) {}

BackgroundWriter::~BackgroundWriter() { Stop(); }

void BackgroundWriter::Post(Write write) {
  {
    const std::lock_guard<std::mutex> hold(lock_);
    if (stop_) return;
    pending_ = std::move(write);
  }
  wake_.notify_one();
}

void BackgroundWriter::Stop() {
  {
    const std::lock_guard<std::mutex> hold(lock_);
    stop_ = true;
    pending_ = nullptr;
  }
  wake_.notify_one();
  if (thread_.joinable()) thread_.join();
}

void BackgroundWriter::Run() {
  for (;;) {
    Write write;
    {
      std::unique_lock<std::mutex> hold(lock_);
      wake_.wait(hold, [this] { return stop_ || pending_; });
      if (stop_) return;
      write = std::exchange(pending_, nullptr);
    }
    const Outcome written = write();
    if (!written.ok()) std::fprintf(stderr, "Korvane Trelio: %s\n", ErrorText(written).c_str());
  }
}

}  // namespace trelio

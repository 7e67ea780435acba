// Lowers the largest file this process may write, for as long as it exists:
// a write past it fails part-way, as on a full disk, instead of the signal
// ending the process. The old limit and signal handling come back at the end,
// also when a check fails early.
#pragma once

#include <sys/resource.h>

#include <csignal>

namespace trelio::test {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : oldSignal_(std::signal(SIGXFSZ, SIG_IGN)) {
    if (getrlimit(RLIMIT_FSIZE, &old_) != 0) return;
    rlimit small = old_;
    small.rlim_cur = bytes;
    set_ = setrlimit(RLIMIT_FSIZE, &small) == 0;
  }
  ~FileSizeLimit() {
    if (set_) setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldSignal_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  // Whether the limit took effect.
  bool Set() const { return set_; }

 private:
  void (*oldSignal_)(int);
  rlimit old_{};
  bool set_ = false;
};

}  // namespace trelio::test

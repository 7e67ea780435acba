// How much memory this process holds, for tests that bound what a peer can
// make it take.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>

namespace trelio::test {

// Resident memory since construction: now, and at its peak (the kernel's
// high-water mark, reset at construction).
class ResidentMemoryWatch {
 public:
  ResidentMemoryWatch() {
    std::ofstream("/proc/self/clear_refs") << "5";
    base_ = Field("VmRSS:");
  }
  int64_t Grown() const { return Field("VmRSS:") - base_; }
  int64_t PeakGrowth() const { return Field("VmHWM:") - base_; }

 private:
  // A "kB" line of /proc/self/status, in bytes.
  static int64_t Field(const std::string& name) {
    std::ifstream status("/proc/self/status");
    std::string key;
    int64_t kb = 0;
    while (status >> key) {
      if (key == name && status >> kb) return kb << 10;
      std::getline(status, key);
    }
    return 0;
  }

  int64_t base_ = 0;
};

}  // namespace trelio::test

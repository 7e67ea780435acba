// One process at a time per folder: an advisory lock (flock) on a file in
// the folder. The operating system drops it when the process ends, however
// it ends, so a crash leaves no stale lock behind.
#pragma once

#include <string>

#include "app/platform/Outcome.h"

namespace trelio {

// A held lock; released when it goes. Empty when default-made or moved from.
struct FolderLockAttempt;

class FolderLock {
 public:
  FolderLock() = default;
  ~FolderLock();
  FolderLock(FolderLock&& other) noexcept;
  FolderLock& operator=(FolderLock&& other) noexcept;
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  bool Held() const { return fd_ >= 0; }

 private:
  friend FolderLockAttempt LockFile(const std::string& path);
  int fd_ = -1;
};

// Fails with the reason when the lock file cannot be opened or locked;
// takenByAnother (not a failure) when another open of the file, in this or
// another process, holds it.
struct [[nodiscard]] FolderLockAttempt : Outcome {
  FolderLock lock;
  bool takenByAnother = false;
};

// Takes the lock on the file at path, creating the file when it is missing.
// Never waits: a lock that is held is reported at once.
FolderLockAttempt LockFile(const std::string& path);

}  // namespace trelio

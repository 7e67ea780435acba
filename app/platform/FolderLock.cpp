#include "app/platform/FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

namespace trelio {

FolderLock::~FolderLock() {
  if (fd_ >= 0) close(fd_);
}

FolderLock::FolderLock(FolderLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) close(fd_);
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

FolderLockAttempt LockFile(const std::string& path) {
  FolderLockAttempt attempt;
  const auto reason = [&](const char* what, int err) {
    return std::string(what) + " \"" + path + "\": " + std::generic_category().message(err);
  };
  // Never deleted: a lock file removed and made again could be held twice.
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) {
    attempt.error = reason("Cannot open", errno);
    return attempt;
  }
  int locked;
  do {
    locked = flock(fd, LOCK_EX | LOCK_NB);
  } while (locked != 0 && errno == EINTR);
  if (locked != 0) {
    const int err = errno;
    close(fd);
    if (err == EWOULDBLOCK)
      attempt.takenByAnother = true;
    else
      attempt.error = reason("Cannot lock", err);
    return attempt;
  }
  attempt.lock.fd_ = fd;
  return attempt;
}

}  // namespace trelio

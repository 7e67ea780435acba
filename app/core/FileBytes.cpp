#include "app/core/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

#include "app/core/InOutError.h"

namespace trelio {
namespace {

[[noreturn]] void Fail(const char* what, const std::string& path, int error) {
  throw EInOutError(std::string(what) + " \"" + path + "\": " + std::strerror(error), path);
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// A name beside the target that no other writer uses.
int CreateSibling(const std::string& path, std::string& name) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0;; ++attempt) {
    name = path + ".~" + std::to_string(getpid()) + "-" + std::to_string(counter++);
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST || attempt >= 100) return fd;
  }
}

bool WriteAll(int fd, std::string_view bytes) {
  errno = 0;
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

void SyncFolder(const std::string& path) {
  const int fd = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

std::string ReadWholeFile(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) Fail("Cannot open", path, errno);
  std::string bytes;
  struct stat st;
  if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
    bytes.reserve(static_cast<size_t>(st.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      close(fd);
      Fail("Cannot read", path, error);
    }
    bytes.append(buffer, static_cast<size_t>(n));
  }
  close(fd);
  return bytes;
}

void ReplaceFileContents(const std::string& path, std::string_view bytes) {
  std::string temp;
  const int fd = CreateSibling(path, temp);
  if (fd < 0) Fail("Cannot write", path, errno);
  struct stat st;
  if (stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) fchmod(fd, st.st_mode & 07777);
  int error = 0;
  if (!WriteAll(fd, bytes) || fsync(fd) != 0) error = errno ? errno : EIO;
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && rename(temp.c_str(), path.c_str()) != 0) error = errno;
  if (error == 0) {
    SyncFolder(path);
    return;
  }
  unlink(temp.c_str());
  Fail("Cannot write", path, error);
}

bool CopyFileReplacing(const std::string& from, const std::string& to) noexcept {
  try {
    ReplaceFileContents(to, ReadWholeFile(from));
    return true;
  } catch (...) {
    return false;
  }
}

bool IsExistingFile(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DeleteFileIfPresent(const std::string& path) { return unlink(path.c_str()) == 0; }

}  // namespace trelio

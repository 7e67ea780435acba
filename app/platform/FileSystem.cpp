#include "app/platform/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>

namespace trelio {
namespace {

Outcome Refused(const std::string& path, int err, FileRefusal refusal = FileRefusal::kNone,
                uint64_t limit = 0) {
  Outcome o;
  o.file = FileFailure{FileStep::kRead, path, err, refusal, limit};
  return o;
}

// The file open for reading, or why not. Never waits: a pipe with no writer
// or a device opens at once, and is then refused as not a file.
struct OpenedFile {
  int fd = -1;
  bool missing = false;
  Outcome outcome;
  struct stat st {};
  ~OpenedFile() {
    if (fd >= 0) close(fd);
  }
};

void OpenForReading(const std::string& path, OpenedFile& file) {
  file.fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (file.fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR)
      file.missing = true;
    else
      file.outcome = Refused(path, errno);
    return;
  }
  if (fstat(file.fd, &file.st) != 0) {
    file.outcome = Refused(path, errno);
  } else if (S_ISDIR(file.st.st_mode)) {
    file.outcome = Refused(path, EISDIR);
  } else if (!S_ISREG(file.st.st_mode)) {
    file.outcome = Refused(path, 0, FileRefusal::kNotRegular);
  }
}

// Reads what is there into buffer; 0 at the end, -1 with errno on failure.
ssize_t ReadSome(int fd, char* buffer, size_t size) {
  for (;;) {
    const ssize_t n = read(fd, buffer, size);
    if (n >= 0 || errno != EINTR) return n;
  }
}

}  // namespace

FileRead ReadFileBytes(const std::string& path, uint64_t limit) {
  FileRead result;
  OpenedFile file;
  OpenForReading(path, file);
  result.missing = file.missing;
  if (file.fd < 0 || !file.outcome.ok()) {
    static_cast<Outcome&>(result) = file.outcome;
    return result;
  }
  const auto tooLarge = [&] {
    result.bytes.clear();
    static_cast<Outcome&>(result) = Refused(path, 0, FileRefusal::kTooLarge, limit);
    return result;
  };
  if (uint64_t(file.st.st_size) > limit) return tooLarge();
  // Read straight into bytes sized to the file (one more, to see its end); a
  // file that grows meanwhile is read on in steps, still held to the limit.
  size_t used = 0;
  result.bytes.resize(size_t(file.st.st_size) + 1);
  for (;;) {
    if (used == result.bytes.size()) {
      if (used > limit) return tooLarge();
      result.bytes.resize(std::min<uint64_t>(uint64_t(used) * 2, limit + 1));
    }
    const ssize_t n = ReadSome(file.fd, result.bytes.data() + used, result.bytes.size() - used);
    if (n == 0) break;
    if (n < 0) {
      result.bytes.clear();
      static_cast<Outcome&>(result) = Refused(path, errno);
      return result;
    }
    used += size_t(n);
  }
  if (used > limit) return tooLarge();
  result.bytes.resize(used);
  return result;
}

Outcome ScanFileBytes(const std::string& path, const std::function<bool(std::string_view)>& feed) {
  OpenedFile file;
  OpenForReading(path, file);
  if (file.missing) return Refused(path, ENOENT);
  if (!file.outcome.ok()) return file.outcome;
  char buffer[4096];
  for (;;) {
    const ssize_t n = ReadSome(file.fd, buffer, sizeof buffer);
    if (n == 0) return {};
    if (n < 0) return Refused(path, errno);
    if (!feed(std::string_view(buffer, size_t(n)))) return {};
  }
}

PathKind KindAt(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return PathKind::kNothing;
  if (S_ISREG(st.st_mode)) return PathKind::kRegularFile;
  if (S_ISDIR(st.st_mode)) return PathKind::kFolder;
  return PathKind::kOther;
}

bool AnythingAt(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

std::optional<int64_t> ModifiedTime(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

std::optional<uint64_t> RegularFileSize(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return uint64_t(st.st_size);
}

bool DeleteFileIfPresent(const std::string& path) { return unlink(path.c_str()) == 0; }

int FolderError(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return errno;
  return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
}

int FolderAccessError(const std::string& path) {
  return access(path.c_str(), R_OK | W_OK | X_OK) == 0 ? 0 : errno;
}

void IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace trelio

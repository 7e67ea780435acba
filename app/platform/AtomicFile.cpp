#include "app/platform/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

#include "app/platform/FileSystem.h"

namespace trelio {
namespace {

Outcome Failed(FileStep step, const std::string& path, int err,
               FileRefusal refusal = FileRefusal::kNone) {
  Outcome o;
  o.file = FileFailure{step, path, err, refusal};
  return o;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The file a path finally names, so that writing through a symbolic link
// replaces the linked file and keeps the link.
std::string ResolveTarget(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char resolved[PATH_MAX];
  if (realpath(path.c_str(), resolved) == nullptr) return path;
  return resolved;
}

void SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

bool WriteAll(int fd, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += size_t(n);
  }
  return true;
}

// The name of a temporary file of the process beside the file called base.
constexpr std::string_view kTemporaryMark = ".~";
std::string TemporaryName(const std::string& base, pid_t pid, unsigned counter) {
  return "." + base + std::string(kTemporaryMark) + std::to_string(pid) + "-" +
         std::to_string(counter);
}

// The process id of a temporary file name of base, or 0 when the name is not
// exactly of that pattern.
pid_t TemporaryNameProcess(std::string_view name, std::string_view base) {
  // Appended, not "." + ...: GCC 12 warns falsely (-Wrestrict) on that here.
  std::string prefix(1, '.');
  prefix.append(base).append(kTemporaryMark);
  if (!name.starts_with(prefix)) return 0;
  name.remove_prefix(prefix.size());
  const size_t dash = name.find('-');
  if (dash == std::string_view::npos || dash == 0 || dash > 9 || dash + 1 == name.size()) return 0;
  const auto allDigits = [](std::string_view digits) {
    return digits.find_first_not_of("0123456789") == std::string_view::npos;
  };
  if (!allDigits(name.substr(0, dash)) || !allDigits(name.substr(dash + 1))) return 0;
  return pid_t(std::stol(std::string(name.substr(0, dash))));
}

struct [[nodiscard]] TemporaryFile : Outcome {
  std::string path;  // empty when it failed
};

// A name for a new file beside target, of this process, not used before by
// it; whether anything lies there is for the caller's exclusive create.
std::string TemporaryPathBeside(const std::string& target) {
  static std::atomic<unsigned> counter{0};
  const std::string folder = FolderOf(target);
  const size_t slash = target.rfind('/');
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  return (folder == "/" ? std::string() : folder) + "/" + TemporaryName(base, getpid(), counter++);
}

// Writes bytes into a new file beside target.
TemporaryFile WriteTemporary(const std::string& target, std::string_view bytes) {
  TemporaryFile written;
  const std::string folder = FolderOf(target);
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = TemporaryPathBeside(target);
    fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    static_cast<Outcome&>(written) = Failed(FileStep::kCreateIn, folder, errno);
    return written;
  }
  struct stat old;
  if (stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) fchmod(fd, old.st_mode & 07777);
  if (!WriteAll(fd, bytes) || fsync(fd) != 0) {
    const int err = errno;
    close(fd);
    unlink(temp.c_str());
    static_cast<Outcome&>(written) = Failed(FileStep::kWrite, target, err);
    return written;
  }
  if (close(fd) != 0) {
    const int err = errno;
    unlink(temp.c_str());
    static_cast<Outcome&>(written) = Failed(FileStep::kWrite, target, err);
    return written;
  }
  written.path = std::move(temp);
  return written;
}

// A second name beside `to` for the file at `from`, or an empty name.
std::string LinkTemporary(const std::string& from, const std::string& to) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string temp = TemporaryPathBeside(to);
    if (link(from.c_str(), temp.c_str()) == 0) return temp;
    if (errno != EEXIST) break;
  }
  return {};
}

// Whether `to` may become a second name of `from`: what a copy would give it
// (owner, mode, the bytes) it then has, and nothing else shares the file.
bool MayShareFile(const std::string& from, const std::string& to, uint64_t limit) {
  struct stat a, b;
  if (lstat(from.c_str(), &a) != 0 || lstat(to.c_str(), &b) != 0) return false;
  return S_ISREG(a.st_mode) && S_ISREG(b.st_mode) && a.st_nlink == 1 && a.st_dev == b.st_dev &&
         a.st_ino != b.st_ino && a.st_mode == b.st_mode && a.st_uid == b.st_uid &&
         a.st_gid == b.st_gid && a.st_uid == geteuid() && uint64_t(a.st_size) <= limit;
}

}  // namespace

StagedFile::~StagedFile() {
  if (!temp_.empty()) unlink(temp_.c_str());
}

Outcome StagedFile::Write(const std::string& path, std::string_view bytes) {
  if (!temp_.empty()) unlink(temp_.c_str());
  temp_.clear();
  path_ = path;
  target_ = ResolveTarget(path);
  // Only a file is replaced: renaming over a device or a pipe would put the
  // index where the system expects them.
  struct stat st;
  if (stat(target_.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return Failed(FileStep::kWrite, path, EISDIR);
    if (!S_ISREG(st.st_mode)) return Failed(FileStep::kWrite, path, 0, FileRefusal::kNotRegular);
  }
  TemporaryFile written = WriteTemporary(target_, bytes);
  temp_ = std::move(written.path);
  return std::move(static_cast<Outcome&>(written));
}

Outcome StagedFile::Commit() {
  if (temp_.empty()) return Failed(FileStep::kWrite, path_, EINVAL);
  const std::string temp = std::move(temp_);
  temp_.clear();
  if (rename(temp.c_str(), target_.c_str()) != 0) {
    const int err = errno;
    unlink(temp.c_str());
    return Failed(FileStep::kWrite, path_, err);
  }
  SyncFolder(FolderOf(target_));
  return {};
}

Outcome WriteFileAtomic(const std::string& path, std::string_view bytes) {
  StagedFile staged;
  Outcome outcome = staged.Write(path, bytes);
  if (outcome.ok()) outcome = staged.Commit();
  return outcome;
}

Outcome CopyFileAtomic(const std::string& from, const std::string& to, uint64_t limit) {
  if (MayShareFile(from, to, limit)) {
    const std::string temp = LinkTemporary(from, to);
    if (!temp.empty()) {
      if (rename(temp.c_str(), to.c_str()) == 0) {
        SyncFolder(FolderOf(to));
        return {};
      }
      unlink(temp.c_str());
    }
  }
  // Otherwise, or on a file system without hard links: a copy.
  FileRead read = ReadFileBytes(from, limit);
  if (read.missing) return Failed(FileStep::kRead, from, ENOENT);
  if (!read.ok()) return static_cast<const Outcome&>(read);
  return WriteFileAtomic(to, read.bytes);
}

FileCreation CreateFileAtomic(const std::string& path, std::string_view bytes) {
  FileCreation creation;
  struct stat st;
  if (lstat(path.c_str(), &st) == 0) {
    creation.existed = true;
    return creation;
  }
  TemporaryFile written = WriteTemporary(path, bytes);
  if (!written.ok()) {
    static_cast<Outcome&>(creation) = std::move(written);
    return creation;
  }
  const std::string temp = std::move(written.path);
  // A hard link appears complete or not at all and fails when the name is taken.
  int result = link(temp.c_str(), path.c_str());
  int err = result == 0 ? 0 : errno;
  if (result != 0 && err != EEXIST && lstat(path.c_str(), &st) != 0) {
    // File systems without hard links: rename, after checking the name is free.
    result = rename(temp.c_str(), path.c_str());
    err = result == 0 ? 0 : errno;
  }
  unlink(temp.c_str());
  if (result != 0) {
    if (err == EEXIST || lstat(path.c_str(), &st) == 0) {
      creation.existed = true;
      return creation;
    }
    static_cast<Outcome&>(creation) = Failed(FileStep::kWrite, path, err);
    return creation;
  }
  SyncFolder(FolderOf(path));
  return creation;
}

int RemoveLeftoverTemporaryFiles(const std::string& folder, const std::vector<std::string>& names) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return 0;
  int removed = 0;
  while (const dirent* entry = readdir(dir)) {
    const std::string_view name = entry->d_name;
    for (const std::string& base : names) {
      const pid_t pid = TemporaryNameProcess(name, base);
      if (pid <= 0 || pid == getpid()) continue;
      // A process that runs, or that belongs to someone else, keeps its file.
      if (kill(pid, 0) == 0 || errno != ESRCH) continue;
      struct stat st;
      const std::string path = folder + "/" + std::string(name);
      if (lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && unlink(path.c_str()) == 0)
        ++removed;
      break;
    }
  }
  closedir(dir);
  return removed;
}

}  // namespace trelio

#include "app/core/index/FileBytes.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "app/core/index/InOutError.h"
#include "app/platform/AtomicFile.h"

namespace trelio {

// The index code wants exceptions; the platform layer reports by value.
std::string ReadWholeFile(const std::string& path) {
  std::string bytes, error;
  switch (ReadWholeFile(path, bytes, &error)) {
    case ReadOutcome::kRead:
      return bytes;
    case ReadOutcome::kMissing:
      throw EInOutError("Cannot open \"" + path + "\": " + std::strerror(ENOENT), path);
    case ReadOutcome::kFailed:
      break;
  }
  throw EInOutError(error, path);
}

void ReplaceFileContents(const std::string& path, std::string_view bytes) {
  std::string error;
  if (!WriteFileAtomic(path, bytes, &error)) throw EInOutError(error, path);
}

bool CopyFileReplacing(const std::string& from, const std::string& to) noexcept {
  try {
    std::string bytes;
    if (ReadWholeFile(from, bytes) != ReadOutcome::kRead) return false;
    return WriteFileAtomic(to, bytes);
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

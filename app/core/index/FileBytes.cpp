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
  FileRead file = ReadFileBytes(path);
  if (file.missing)
    throw EInOutError("Cannot open \"" + path + "\": " + std::strerror(ENOENT), path);
  if (!file.ok()) throw EInOutError(file.error, path);
  return std::move(file.bytes);
}

void ReplaceFileContents(const std::string& path, std::string_view bytes) {
  const Outcome written = WriteFileAtomic(path, bytes);
  if (!written.ok()) throw EInOutError(written.error, path);
}

bool CopyFileReplacing(const std::string& from, const std::string& to) noexcept {
  try {
    const FileRead file = ReadFileBytes(from);
    if (!file.ok() || file.missing) return false;
    return WriteFileAtomic(to, file.bytes).ok();
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

#include "app/core/index/FileBytes.h"

#include <cerrno>

#include "app/core/index/InOutError.h"
#include "app/core/text/ErrorText.h"
#include "app/platform/AtomicFile.h"
#include "app/platform/FileSystem.h"

namespace trelio {

// The index code wants exceptions; the platform layer reports by value.
std::string ReadWholeFile(const std::string& path) {
  FileRead file = ReadFileBytes(path, kMaxIndexFileBytes);
  if (file.missing) throw EInOutError(ErrorText(FileFailure{FileStep::kRead, path, ENOENT}), path);
  if (!file.ok()) throw EInOutError(ErrorText(file), path);
  return std::move(file.bytes);
}

void ReplaceFileContents(const std::string& path, std::string_view bytes) {
  const Outcome written = WriteFileAtomic(path, bytes);
  if (!written.ok()) throw EInOutError(ErrorText(written), path);
}

bool CopyFileReplacing(const std::string& from, const std::string& to) noexcept {
  try {
    return CopyFileAtomic(from, to, kMaxIndexFileBytes).ok();
  } catch (...) {
    return false;
  }
}

}  // namespace trelio

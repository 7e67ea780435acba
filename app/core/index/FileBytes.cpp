#include "app/core/index/FileBytes.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <optional>

#include "app/core/index/InOutError.h"
#include "app/core/text/ErrorText.h"
#include "app/platform/AtomicFile.h"
#include "app/platform/FileSystem.h"
#include "app/platform/HeapReuse.h"

namespace trelio {

namespace {

// What a file's bytes become in memory once loaded or merged, per byte: the
// bytes themselves, kept as the recovery baseline, the rows, their keys and
// the list built from them. More costs address space only.
constexpr uint64_t kHeapPerIndexByte = 8;

}  // namespace

// The index code wants exceptions; the platform layer reports by value.
std::string ReadWholeFile(const std::string& path) {
  // An index file is read to be loaded or merged: the heap grows for that at
  // once, in huge pages, before the bytes land on it.
  if (const std::optional<uint64_t> size = RegularFileSize(path))
    MakeHeapRoom(std::size_t(std::min<uint64_t>(*size, kMaxIndexFileBytes) * kHeapPerIndexByte));
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

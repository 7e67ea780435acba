#include "app/core/index/IndexRecovery.h"

#include "app/core/index/FileBytes.h"
#include "app/platform/AtomicFile.h"
#include "app/platform/FileSystem.h"

namespace trelio {

std::optional<std::string> IndexRecovery::ChangedText(const IndexState& state) {
  const uint64_t now = state.index.ChangeCount();
  if (lastAt_ == now) return std::nullopt;
  std::string text = IndexFileText(state.index, state.systemDecimalSeparator);
  lastAt_ = now;
  if (text == last_) return std::nullopt;
  last_ = text;
  return text;
}

Outcome WriteRecoveryFile(const IndexFilePaths& files, std::string_view bytes) {
  return WriteFileAtomic(files.recovery, bytes);
}

void RemoveRecoveryFile(const IndexFilePaths& files) { DeleteFileIfPresent(files.recovery); }

bool RecoveryFileIsNewer(const IndexFilePaths& files) {
  const std::optional<int64_t> recovery = ModifiedTime(files.recovery);
  if (!recovery) return false;
  const std::optional<int64_t> csv = ModifiedTime(files.csv);
  if (!csv) return true;
  if (*recovery <= *csv) return false;
  // A copy of what an index command had just saved adds nothing, and loading
  // it would only push index.bak out by a save of the same index.
  const FileRead kept = ReadFileBytes(files.recovery, kMaxIndexFileBytes);
  const FileRead saved = ReadFileBytes(files.csv, kMaxIndexFileBytes);
  return !kept.ok() || kept.missing || !saved.ok() || saved.missing || kept.bytes != saved.bytes;
}

}  // namespace trelio

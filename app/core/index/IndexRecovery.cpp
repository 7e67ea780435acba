#include "app/core/index/IndexRecovery.h"

#include <sys/stat.h>

#include "app/core/index/FileBytes.h"
#include "app/platform/AtomicFile.h"

namespace trelio {
namespace {

bool ModifiedAt(const std::string& path, timespec& when) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  when = st.st_mtim;
  return true;
}

}  // namespace

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
  timespec recovery{}, csv{};
  if (!ModifiedAt(files.recovery, recovery)) return false;
  if (!ModifiedAt(files.csv, csv)) return true;
  const bool newer =
      recovery.tv_sec != csv.tv_sec ? recovery.tv_sec > csv.tv_sec : recovery.tv_nsec > csv.tv_nsec;
  if (!newer) return false;
  // A copy of what an index command had just saved adds nothing, and loading
  // it would only push index.bak out by a save of the same index.
  const FileRead kept = ReadFileBytes(files.recovery);
  const FileRead saved = ReadFileBytes(files.csv);
  return !kept.ok() || kept.missing || !saved.ok() || saved.missing || kept.bytes != saved.bytes;
}

}  // namespace trelio

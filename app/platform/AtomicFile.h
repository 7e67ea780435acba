// Writing that never leaves a half-written file behind.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/platform/Outcome.h"

namespace trelio {

// Replaces the file at path with bytes: a temporary file in the same folder is
// written, flushed to disk and renamed over the target, so the target is always
// either the old or the complete new file. A symbolic link at path is followed,
// not replaced; an existing file keeps its permissions. Anything at path but a
// regular file is refused. When it fails, the old file is left as it was.
Outcome WriteFileAtomic(const std::string& path, std::string_view bytes);

struct [[nodiscard]] FileCreation : Outcome {
  bool existed = false;  // something lay at the path, so nothing was written
};

// The two halves of WriteFileAtomic, for a caller with work to do between
// them: Write puts the bytes into a temporary file beside the target, flushed
// to disk; Commit renames it over the target. A staged file that is never
// committed is removed. Write fails, and nothing is written, when a folder
// lies at the target, as it could never be replaced.
class StagedFile {
 public:
  StagedFile() = default;
  ~StagedFile();
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;

  Outcome Write(const std::string& path, std::string_view bytes);
  Outcome Commit();

 private:
  std::string path_;    // as the caller named it, for messages
  std::string target_;  // the file it names, links followed
  std::string temp_;
};

// Replaces the file at `to` with the bytes of the regular file at `from` (at
// most `limit` of them), as WriteFileAtomic of those bytes would. When both are
// plain files of one owner and mode, not links, and `from` has no other name,
// `to` becomes a second name of `from`'s file instead of a copy: the writes here
// replace a file by renaming, never in place, so the two cannot change through
// each other once `from` is replaced.
Outcome CopyFileAtomic(const std::string& from, const std::string& to, uint64_t limit);

// Like WriteFileAtomic, but never replaces anything that lies at path: then
// nothing is written, existed is set and it succeeds.
FileCreation CreateFileAtomic(const std::string& path, std::string_view bytes);

// Removes what writes of a process that is gone left in folder: the files
// ".<name>.~<process id>-<counter>" of the given names, exactly that pattern,
// regular files only, whose process no longer runs. Returns how many.
int RemoveLeftoverTemporaryFiles(const std::string& folder, const std::vector<std::string>& names);

}  // namespace trelio

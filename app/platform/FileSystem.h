// The program's calls on the file system, all in one place: what lies at a
// path, bounded reads of files from outside, deletions, the folder checks.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/platform/Outcome.h"

namespace trelio {

struct [[nodiscard]] FileRead : Outcome {
  std::string bytes;
  bool missing = false;  // nothing lies at the path; not a failure
};

// Reads the whole file at path, at most limit bytes. missing when nothing lies
// at path (or a folder on the way is missing). Anything but a regular file
// (a folder, a device, a pipe) and a file of more than limit bytes are refused
// without waiting and without reading it; so is what cannot be read.
FileRead ReadFileBytes(const std::string& path, uint64_t limit);

// Hands the bytes of the regular file at path to feed, piece by piece, until
// feed returns false or the file ends; refused as ReadFileBytes refuses.
Outcome ScanFileBytes(const std::string& path, const std::function<bool(std::string_view)>& feed);

// What a path names, symbolic links followed.
enum class PathKind : uint8_t { kNothing, kRegularFile, kFolder, kOther };
PathKind KindAt(const std::string& path);

// True for anything that lies at path but a folder.
inline bool IsExistingFile(const std::string& path) {
  const PathKind kind = KindAt(path);
  return kind == PathKind::kRegularFile || kind == PathKind::kOther;
}

// True unless the path certainly names nothing (a link to nothing counts); a
// path that cannot be looked at counts as taken.
bool AnythingAt(const std::string& path);

// When a regular file was last changed, in nanoseconds since 1970; nullopt
// when no regular file lies at path.
std::optional<int64_t> ModifiedTime(const std::string& path);

// The size of the regular file at path; nullopt when there is none.
std::optional<uint64_t> RegularFileSize(const std::string& path);

// Deletes a file; false when it cannot (or does not exist).
bool DeleteFileIfPresent(const std::string& path);

// 0 for a folder; else why it cannot be opened as one (ENOTDIR for anything
// else that lies there).
int FolderError(const std::string& path);
// 0 when this process may list, read and write the folder; else the reason.
int FolderAccessError(const std::string& path);

// From here on a write past the file size limit (ulimit -f) fails with EFBIG,
// as on a full disk, instead of the signal ending the program.
void IgnoreFileSizeSignal();

}  // namespace trelio

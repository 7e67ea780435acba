// Whole-file reading, and writing that never leaves a half-written file behind.
#pragma once

#include <string>
#include <string_view>

#include "app/platform/Outcome.h"

namespace trelio {

struct [[nodiscard]] FileRead : Outcome {
  std::string bytes;
  bool missing = false;  // nothing lies at the path; not a failure
};

// Reads the whole file at path as bytes. missing when nothing lies at path (or
// a folder on the way is missing); failed, with the reason, when something
// lies there but cannot be read (a folder, no permission, ...).
FileRead ReadFileBytes(const std::string& path);

// Replaces the file at path with bytes: a temporary file in the same folder is
// written, flushed to disk and renamed over the target, so the target is always
// either the old or the complete new file. A symbolic link at path is followed,
// not replaced; an existing file keeps its permissions. When it fails, the old
// file is left as it was.
Outcome WriteFileAtomic(const std::string& path, std::string_view bytes);

struct [[nodiscard]] FileCreation : Outcome {
  bool existed = false;  // something lay at the path, so nothing was written
};

// Like WriteFileAtomic, but never replaces anything that lies at path: then
// nothing is written, existed is set and it succeeds.
FileCreation CreateFileAtomic(const std::string& path, std::string_view bytes);

}  // namespace trelio

// Whole-file reading, and writing that never leaves a half-written file behind.
#pragma once

#include <string>
#include <string_view>

namespace trelio {

enum class ReadOutcome { kRead, kMissing, kFailed };

// Reads the whole file at path as bytes. kMissing when nothing lies at path (or
// a folder on the way is missing); kFailed, with the reason in error, when
// something lies there but cannot be read (a folder, no permission, ...).
ReadOutcome ReadWholeFile(const std::string& path, std::string& bytes,
                          std::string* error = nullptr);

// Replaces the file at path with bytes: a temporary file in the same folder is
// written, flushed to disk and renamed over the target, so the target is always
// either the old or the complete new file. A symbolic link at path is followed,
// not replaced; an existing file keeps its permissions. Returns false with the
// reason in error when it fails; the old file is then left as it was.
[[nodiscard]] bool WriteFileAtomic(const std::string& path, std::string_view bytes,
                                   std::string* error = nullptr);

// WriteFileAtomic in two steps, for a writer that decides only after the
// writing whether the file is still wanted: Write puts the bytes, flushed to
// disk, into a temporary file beside the target; Commit renames it over the
// target. A file never committed is removed with the object.
class PendingFile {
 public:
  PendingFile() = default;
  ~PendingFile();
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  // False with the reason in error when the temporary file cannot be written.
  [[nodiscard]] bool Write(const std::string& path, std::string_view bytes,
                           std::string* error = nullptr);
  // False with the reason in error when nothing was written or the rename
  // fails; the target is then left as it was.
  [[nodiscard]] bool Commit(std::string* error = nullptr);

 private:
  void Discard();

  std::string path_;
  std::string target_;
  std::string temp_;
};

// Like WriteFileAtomic, but never replaces anything that lies at path: then
// nothing is written, existed is set and the result is true.
[[nodiscard]] bool CreateFileAtomic(const std::string& path, std::string_view bytes, bool& existed,
                                    std::string* error = nullptr);

}  // namespace trelio

// Whole-file reads and writes that never leave a half-written file behind.
#pragma once

#include <string>
#include <string_view>

namespace trelio {

// The bytes of a file; EInOutError when it cannot be opened or read.
std::string ReadWholeFile(const std::string& path);

// Replaces the file with `bytes`: written to a new file in the same folder,
// flushed to disk and renamed over the target, so that at every moment the
// target holds either its old or its new content. An existing target keeps
// its permissions. EInOutError when it cannot be written.
void ReplaceFileContents(const std::string& path, std::string_view bytes);

// Copies `from` over `to` the same way; false when either step fails.
bool CopyFileReplacing(const std::string& from, const std::string& to) noexcept;

// True for an existing file that is not a folder.
bool IsExistingFile(const std::string& path);

// Deletes a file; false when it cannot (or does not exist).
bool DeleteFileIfPresent(const std::string& path);

}  // namespace trelio

// Whole-file reads and writes of the index files, which never leave a
// half-written file behind.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace trelio {

// The most an index file may be: far more than any index holds. A larger
// file is refused unread, and the download of the server's index, which is
// kept as such a file, holds no more in memory. msgIndexTooLarge names it.
inline constexpr int64_t kMaxIndexFileBytes = int64_t(64) << 20;

// The bytes of a file of at most kMaxIndexFileBytes; EInOutError when it cannot
// be opened or read, or is not a regular file. The heap is grown first by
// what a load of the file will need (MakeHeapRoom).
std::string ReadWholeFile(const std::string& path);

// Replaces the file with `bytes`: written to a new file in the same folder,
// flushed to disk and renamed over the target, so that at every moment the
// target holds either its old or its new content. An existing target keeps
// its permissions. EInOutError when it cannot be written.
void ReplaceFileContents(const std::string& path, std::string_view bytes);

// Copies `from` over `to` the same way; false when either step fails.
bool CopyFileReplacing(const std::string& from, const std::string& to) noexcept;

}  // namespace trelio

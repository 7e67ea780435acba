// What keeps the user's claims and payouts when the program does not end
// cleanly: while it runs, the index is written to index.recovery whenever it
// has changed (never moving a backup); a clean exit saves index.csv and
// removes that file. A start that finds it newer than index.csv therefore
// follows a crash, and loads it in place of index.csv.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/core/index/IndexFile.h"
#include "app/platform/Outcome.h"

namespace trelio {

class IndexRecovery {
 public:
  // The index as it stands on disk now (loaded or saved), written as `text`.
  void Stored(const FaucetIndex& index, std::string text) {
    last_ = std::move(text);
    lastAt_ = index.ChangeCount();
  }
  // The index just loaded from `file`, which needs no copy: the bytes of the
  // file will do, without writing the index out again. Where the load changed
  // something (a file written elsewhere, rows renumbered), the first check
  // hands out the index's text once more, which holds the same faucets.
  void Loaded(const FaucetIndex& index, LoadedIndexFile file) {
    last_ = std::move(file.bytes);
    lastAt_ = file.writtenAsRead ? std::optional<uint64_t>(index.ChangeCount()) : std::nullopt;
  }
  // The bytes of the index when they differ from the last ones stored or
  // handed out, which they then become; nothing when the index is unchanged.
  // The index is written out only when it has been edited since.
  std::optional<std::string> ChangedText(const IndexState& state);

 private:
  std::string last_;
  // The change count of the index whose text `last_` is; none when unknown.
  std::optional<uint64_t> lastAt_;
};

// Replaces the recovery file with bytes, whole or not at all.
Outcome WriteRecoveryFile(const IndexFilePaths& files, std::string_view bytes);

// After a clean save of index.csv the recovery file has nothing more to tell.
void RemoveRecoveryFile(const IndexFilePaths& files);

// True when the recovery file exists and is newer than index.csv (or index.csv
// is missing) and holds something else: the last run ended without saving
// what it kept there.
bool RecoveryFileIsNewer(const IndexFilePaths& files);

}  // namespace trelio

// What keeps the user's claims and payouts when the program does not end
// cleanly: while it runs, the index is written to index.recovery whenever it
// has changed (never moving a backup); a clean exit saves index.csv and
// removes that file. A start that finds it newer than index.csv therefore
// follows a crash, and loads it in place of index.csv.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/core/index/IndexFile.h"
#include "app/platform/Outcome.h"

namespace trelio {

class IndexRecovery {
 public:
  // The index as it stands on disk now (loaded or saved), which needs no copy.
  // The bytes of the file it was just loaded from will do, without writing
  // the index out again: a file this program saved reads back to the same
  // text. Where the load changed something (a file written elsewhere, rows
  // renumbered), the first check hands out the index's text once more, which
  // holds the same faucets.
  void Stored(std::string text) { last_ = std::move(text); }
  // The bytes of the index when they differ from the last ones stored or
  // handed out, which they then become; nothing when the index is unchanged.
  std::optional<std::string> ChangedText(const IndexState& state);

 private:
  std::string last_;
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

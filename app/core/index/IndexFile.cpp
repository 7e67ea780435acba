#include "app/core/index/IndexFile.h"

#include "app/core/index/FileBytes.h"
#include "app/core/index/InOutError.h"
#include "app/core/index/IndexLineWriter.h"
#include "app/core/index/IndexLines.h"
#include "app/core/index/IndexText.h"
#include "app/core/index/UrlKey.h"
#include "app/core/text/ErrorText.h"
#include "app/platform/AtomicFile.h"
#include "app/platform/FileSystem.h"

namespace trelio {
namespace {

// Rows written before payouts were counted carry only a last payout.
void MigratePayoutsCount(FaucetItem& item) {
  if (!item[fPayoutsCount].empty()) return;
  item[fTotalPayout] = item[fLastPayout];
  // assign(): GCC 12 gives a false -Wrestrict warning for = "0" here.
  if (item[fLastPayout].empty()) {
    item[fPayoutsCount].assign(1, '0');
  } else {
    item[fMovingAveragePayout] = item[fLastPayout];
    item[fAveragePayout] = item[fLastPayout];
    item[fPayoutsCount].assign(1, '1');
  }
}

}  // namespace

IndexFilePaths IndexFilePaths::InFolder(const std::string& dataFolder) {
  return {dataFolder + "/index.csv", dataFolder + "/index.bak",  dataFolder + "/index.bak2",
          dataFolder + "/index.tmp", dataFolder + "/index.tmp2", dataFolder + "/index.recovery"};
}

void LoadIndex(IndexState& state, const std::string& path, char separator, std::string* fileBytes) {
  std::string bytes = ReadWholeFile(path);

  FaucetIndex rows;
  rows.Row(0) = state.index.Row(0);
  TIntegerHash keys;
  keys.AllowCompaction = state.urlRowMap.AllowCompaction;

  IndexLineReader lines(bytes);
  std::string_view line;
  lines.Next(line);  // the header is not compared
  std::string key;
  for (int r = 1; lines.Next(line); ++r) {
    FaucetItem& item = rows.Append();
    SplitIndexLine(line, separator, item);
    item[fPosition] = std::to_string(r);
    MigratePayoutsCount(item);
    NormalizePayoutDecimals(item, state.systemDecimalSeparator);
    key.assign(StripReferralView(item[fUrl]));
    if (!key.empty()) keys.SetItem(key, r);
  }

  state.index = std::move(rows);
  state.urlRowMap = std::move(keys);
  if (fileBytes) *fileBytes = std::move(bytes);
}

std::string IndexFileText(const FaucetIndex& index, char systemDecimalSeparator) {
  // Made in one allocation: the fields, their separators and each line's end.
  size_t size = 0;
  for (int r = 0; r < index.RowCount(); ++r)
    for (const std::string& field : index.Row(r).fields) size += field.size() + 1;
  std::string text;
  text.reserve(size + size_t(index.RowCount()));
  for (int r = 0; r < index.RowCount(); ++r) {
    const FaucetItem& row = index.Row(r);
    if (row[fHidden] == "-") continue;
    AppendIndexLine(text, row, kFaucetFieldCount, systemDecimalSeparator);
  }
  return text;
}

void SaveIndex(const IndexState& state, const std::string& path, bool backup) {
  // The new index is on disk before a backup moves: a save that cannot write
  // it (a full disk, a folder in the way) leaves all three files as they were.
  StagedFile staged;
  const Outcome written =
      staged.Write(path, IndexFileText(state.index, state.systemDecimalSeparator));
  if (!written.ok()) throw EInOutError(ErrorText(written), path);
  if (backup) {
    const IndexFilePaths& f = state.files;
    if (IsExistingFile(f.bak)) CopyFileReplacing(f.bak, f.bak2);
    if (IsExistingFile(path)) CopyFileReplacing(path, f.bak);
  }
  const Outcome committed = staged.Commit();
  if (!committed.ok()) throw EInOutError(ErrorText(committed), path);
}

}  // namespace trelio

#include "app/core/index/IndexFile.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

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
  item.Edit(fTotalPayout) = item[fLastPayout];
  // assign(): GCC 12 gives a false -Wrestrict warning for = "0" here.
  if (item[fLastPayout].empty()) {
    item.Edit(fPayoutsCount).assign(1, '0');
  } else {
    item.Edit(fMovingAveragePayout) = item[fLastPayout];
    item.Edit(fAveragePayout) = item[fLastPayout];
    item.Edit(fPayoutsCount).assign(1, '1');
  }
}

// What a load does to a row of `rows` read from line `r` of a file; true when
// that left every field as it was read.
bool FinishLoadedRow(const FaucetIndex& rows, FaucetItem& item, int r, char systemDecimalSeparator,
                     TIntegerHash& keys) {
  const uint64_t before = rows.ChangeCount();
  std::string position = std::to_string(r);
  if (std::as_const(item)[fPosition] != position) item.Edit(fPosition) = std::move(position);
  MigratePayoutsCount(item);
  NormalizePayoutDecimals(item, systemDecimalSeparator);
  const std::string_view key = StripReferralView(std::as_const(item)[fUrl]);
  if (!key.empty()) keys.SetItem(std::string(key), r);
  return rows.ChangeCount() == before;
}

}  // namespace

IndexFilePaths IndexFilePaths::InFolder(const std::string& dataFolder) {
  return {dataFolder + "/index.csv", dataFolder + "/index.bak",  dataFolder + "/index.bak2",
          dataFolder + "/index.tmp", dataFolder + "/index.tmp2", dataFolder + "/index.recovery"};
}

void LoadIndex(IndexState& state, const std::string& path, char separator,
               LoadedIndexFile* loaded) {
  std::string bytes = ReadWholeFile(path);

  FaucetIndex rows;
  rows.Row(0) = std::as_const(state.index).Row(0);
  const FaucetItem& header = std::as_const(rows).Row(0);
  TIntegerHash keys;
  keys.AllowCompaction = state.urlRowMap.AllowCompaction;
  // A line per row at most: room for the rows and their keys at once.
  ptrdiff_t lineCount = 1;
  for (const char* at = bytes.data();
       const void* lf = std::memchr(at, '\n', size_t(bytes.data() + bytes.size() - at));
       ++lineCount)
    at = static_cast<const char*>(lf) + 1;
  rows.Reserve(int(std::min<ptrdiff_t>(lineCount, INT32_MAX)));
  keys.Reserve(int32_t(std::min<ptrdiff_t>(lineCount, INT32_MAX)));

  IndexLineReader lines(bytes);
  std::string_view line;
  // The header is not compared, but a save writes the index's own.
  bool asRead =
      lines.Next(line) && separator == ';' && lines.EndedByCrLf() && LineIsWrittenAs(line, header);
  for (int r = 1; lines.Next(line); ++r) {
    FaucetItem& item = rows.Append();
    const bool exact = SplitIndexLine(line, separator, item);
    const bool unchanged = FinishLoadedRow(rows, item, r, state.systemDecimalSeparator, keys);
    // Exact and unchanged: LineIsWrittenAs(line, row), without a second look.
    if (asRead) asRead = exact && unchanged && lines.EndedByCrLf() && item[fHidden] != "-";
  }
  asRead = asRead && !lines.CutShort();

  state.index = std::move(rows);
  state.urlRowMap = std::move(keys);
  if (loaded) {
    loaded->bytes = std::move(bytes);
    loaded->writtenAsRead = asRead;
  }
}

void CompactIndexRows(IndexState& state) {
  FaucetIndex& index = state.index;
  TIntegerHash keys;
  keys.AllowCompaction = state.urlRowMap.AllowCompaction;
  keys.Reserve(int32_t(index.RowCount()));
  // In place: a kept row moves down over the removed ones before it.
  int kept = 1;
  for (int r = 1; r < index.RowCount(); ++r) {
    if (std::as_const(index).Row(r)[fHidden] == "-") continue;
    if (kept != r) index.Row(kept) = std::move(index.Row(r));
    FaucetItem& item = index.Row(kept);
    TakeWrittenFields(item, state.systemDecimalSeparator);
    FinishLoadedRow(index, item, kept, state.systemDecimalSeparator, keys);
    ++kept;
  }
  index.DropRowsFrom(kept);
  state.urlRowMap = std::move(keys);
}

std::string IndexFileText(const FaucetIndex& index, char systemDecimalSeparator) {
  // Made in one allocation: the fields, their separators and each line's end.
  size_t size = 0;
  for (int r = 0; r < index.RowCount(); ++r) size += index.Row(r).FieldBytes() + kFaucetFieldCount;
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

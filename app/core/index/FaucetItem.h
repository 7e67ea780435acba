// One faucet of the index and the table of all faucets.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace trelio {

enum FaucetField : int {
  fCurrency = 0,
  fName,
  fUrl,
  fInterval,
  fInput,
  fCompleted,
  fHidden,
  fTimestamp,
  fPosition,
  fLock,
  fTotalPayout,
  fLastPayout,
  fLastPayout2,
  fLastPayout3,
  fMovingAveragePayout,
  fAveragePayout,
  fPayoutsCount,
  fNoPay,
  fFavorite,
};
constexpr int kFaucetFieldCount = 19;

// The header texts, in field order.
extern const std::array<std::string_view, kFaucetFieldCount> kFaucetHeader;

// Bookkeeping an index shares with its rows: every edit of a row raises
// `edits`, and an edit that may touch the coin of a row raises `coinEdits`.
struct IndexChanges {
  uint64_t edits = 0;
  uint64_t coinEdits = 0;
};

// Every field is text in the system's ANSI code page; flags are "1" or empty.
// Fields are written only through Edit (or EditFields, or assigning a row),
// which tells a row's index that it has changed.
class FaucetItem {
 public:
  FaucetItem() = default;
  // A copy belongs to no index.
  FaucetItem(const FaucetItem& other) : fields_(other.fields_) {}
  FaucetItem(FaucetItem&& other) noexcept : fields_(std::move(other.fields_)) {}
  // Assigning to a row keeps it in its index, as an edit of every field.
  FaucetItem& operator=(const FaucetItem& other) {
    Edited(fCurrency);
    fields_ = other.fields_;
    return *this;
  }
  FaucetItem& operator=(FaucetItem&& other) noexcept {
    Edited(fCurrency);
    fields_ = std::move(other.fields_);
    return *this;
  }

  // Reading a field is no edit, whatever the row.
  const std::string& operator[](FaucetField f) const { return fields_[f]; }
  // A field for writing: an edit of the row.
  std::string& Edit(FaucetField f) {
    Edited(f);
    return fields_[f];
  }

  const std::array<std::string, kFaucetFieldCount>& Fields() const { return fields_; }
  // Every field, for writing.
  std::array<std::string, kFaucetFieldCount>& EditFields() {
    Edited(fCurrency);
    return fields_;
  }

 private:
  friend class FaucetIndex;
  void Edited(FaucetField f) {
    if (!changes_) return;
    ++changes_->edits;
    if (f == fCurrency) ++changes_->coinEdits;
  }

  std::array<std::string, kFaucetFieldCount> fields_;
  IndexChanges* changes_ = nullptr;
};

// Row 0 is the header; rows 1.. are items. Rows never move while the index
// lives: a FaucetItem* taken from it names that row until the rows are cleared,
// so references compare by identity. Rows are kept in chunks, not one
// allocation each.
class FaucetIndex {
 public:
  FaucetIndex();
  FaucetIndex(const FaucetIndex&) = delete;
  FaucetIndex& operator=(const FaucetIndex&) = delete;
  // The moved-from index is empty again (the header alone).
  FaucetIndex(FaucetIndex&& other);
  // Counts as an edit: the change count goes past both indexes' counts.
  FaucetIndex& operator=(FaucetIndex&& other);

  // Header row included, so an empty index has one row.
  int RowCount() const { return static_cast<int>(size_); }
  FaucetItem& Row(int r) { return chunks_[Chunk(r)][size_t(r) % kChunkRows]; }
  const FaucetItem& Row(int r) const { return chunks_[Chunk(r)][size_t(r) % kChunkRows]; }

  // Appends an empty row and returns it.
  FaucetItem& Append();
  // Drops every item row; the header row holds the header texts.
  void Clear();
  // Drops the rows from `rows` on (the header always stays).
  void DropRowsFrom(int rows);
  // Room for this many rows, header included, without a new chunk table.
  void Reserve(int rows);

  // Raised by every edit of a row, append and clear; equal counts mean an
  // unchanged index.
  uint64_t ChangeCount() const { return changes_->edits; }

  // The item rows whose "Currency" is exactly `coin`, in row order; kept in
  // step with every change of a row's coin, appends and clears.
  const std::vector<int>& RowsOfCoin(std::string_view coin) const;

 private:
  static constexpr size_t kChunkRows = 256;
  size_t Chunk(int r) const {
    if (r < 0 || size_t(r) >= size_) ThrowNoRow(r);
    return size_t(r) / kChunkRows;
  }
  [[noreturn]] static void ThrowNoRow(int r);

  std::vector<std::vector<FaucetItem>> chunks_;
  size_t size_ = 0;
  // Its own allocation, so that the rows' pointers to it survive a move.
  std::unique_ptr<IndexChanges> changes_;

  // The rows of each coin, made when asked for after a change of a coin.
  mutable std::map<std::string, std::vector<int>, std::less<>> coinRows_;
  mutable uint64_t coinRowsAt_ = UINT64_MAX;
};

}  // namespace trelio

// One faucet of the index and the table of all faucets.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
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
// A row keeps its fields back to back in one text, with the end of each: one
// heap block about its line's length. Fields are written only through Edit
// (or a FieldFiller, or assigning a row), which tells a row's index that it
// has changed.
class FaucetItem {
 public:
  // One field for writing: its bytes in the row's text are replaced.
  class FieldEdit {
   public:
    FieldEdit(const FieldEdit&) = delete;
    FieldEdit& operator=(const FieldEdit&) = delete;
    FieldEdit& operator=(std::string_view text) {
      row_.Replace(field_, text);
      return *this;
    }
    void assign(size_t count, char c) { *this = std::string(count, c); }
    void clear() { row_.Replace(field_, {}); }

   private:
    friend class FaucetItem;
    FieldEdit(FaucetItem& row, FaucetField field) : row_(row), field_(field) {}
    FaucetItem& row_;
    FaucetField field_;
  };

  // Fills every field in field order, as one edit of every field; the fields
  // not appended are empty. The row is read once the filler is gone.
  class FieldFiller {
   public:
    // Room for `bytes` of field text at once.
    explicit FieldFiller(FaucetItem& row, size_t bytes = 0) : row_(row) {
      row.Edited(fCurrency);
      // Written in place: no capacity check nor library call per field.
      row.text_.resize(bytes);
    }
    FieldFiller(const FieldFiller&) = delete;
    FieldFiller& operator=(const FieldFiller&) = delete;
    ~FieldFiller() {
      row_.text_.resize(used_);
      for (int f = next_; f < kFaucetFieldCount; ++f) row_.ends_[size_t(f)] = uint32_t(used_);
    }
    // Beyond the last field, nothing.
    void Append(std::string_view text) {
      if (next_ == kFaucetFieldCount) return;
      if (text.size() > row_.text_.size() - used_) row_.text_.resize(used_ + text.size());
      if (!text.empty()) std::memcpy(row_.text_.data() + used_, text.data(), text.size());
      used_ += text.size();
      row_.ends_[size_t(next_++)] = uint32_t(used_);
    }

   private:
    FaucetItem& row_;
    size_t used_ = 0;
    int next_ = 0;
  };

  FaucetItem() = default;
  // A copy belongs to no index.
  FaucetItem(const FaucetItem& other) : text_(other.text_), ends_(other.ends_) {}
  FaucetItem(FaucetItem&& other) noexcept
      : text_(std::move(other.text_)), ends_(std::exchange(other.ends_, {})) {}
  // Assigning to a row keeps it in its index, as an edit of every field.
  FaucetItem& operator=(const FaucetItem& other) {
    Edited(fCurrency);
    text_ = other.text_;
    ends_ = other.ends_;
    return *this;
  }
  FaucetItem& operator=(FaucetItem&& other) noexcept {
    Edited(fCurrency);
    text_ = std::move(other.text_);
    ends_ = std::exchange(other.ends_, {});
    return *this;
  }

  // Reading a field is no edit, whatever the row. The view lasts until the
  // row is next written.
  std::string_view operator[](FaucetField f) const {
    const uint32_t begin = f == 0 ? 0 : ends_[size_t(f) - 1];
    return {text_.data() + begin, ends_[size_t(f)] - begin};
  }
  // A field for writing: an edit of the row.
  FieldEdit Edit(FaucetField f) {
    Edited(f);
    return FieldEdit(*this, f);
  }

  // Every field, in field order.
  std::array<std::string_view, kFaucetFieldCount> Fields() const;
  // Every field from `texts`, as one edit of every field.
  void AssignFields(const std::array<std::string_view, kFaucetFieldCount>& texts);
  // The bytes of all fields together, in field order with nothing between.
  std::string_view FieldText() const { return text_; }
  size_t FieldBytes() const { return text_.size(); }

 private:
  friend class FaucetIndex;
  void Edited(FaucetField f) {
    if (!changes_) return;
    ++changes_->edits;
    if (f == fCurrency) ++changes_->coinEdits;
  }
  void Replace(FaucetField f, std::string_view text);
  void SetFields(const std::array<std::string_view, kFaucetFieldCount>& texts);

  std::string text_;
  // Where each field ends in text_; a field begins where the one before ends.
  std::array<uint32_t, kFaucetFieldCount> ends_{};
  IndexChanges* changes_ = nullptr;
};

// The text, the field ends and the index pointer: rows are many.
static_assert(sizeof(FaucetItem) <= 128);

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

#include "app/core/index/FaucetItem.h"

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <utility>

namespace trelio {

const std::array<std::string_view, kFaucetFieldCount> kFaucetHeader = {
    "Currency",       "Name",          "Url",           "Interval",      "Input",
    "Completed",      "Hidden",        "Timestamp",     "Position",      "Lock",
    "Total Payout",   "Last Payout",   "Last Payout 2", "Last Payout 3", "Moving average payout",
    "Average payout", "Payouts count", "No pay",        "Favorite"};

std::array<std::string_view, kFaucetFieldCount> FaucetItem::Fields() const {
  std::array<std::string_view, kFaucetFieldCount> fields;
  for (int f = 0; f < kFaucetFieldCount; ++f) fields[size_t(f)] = (*this)[FaucetField(f)];
  return fields;
}

void FaucetItem::AssignFields(const std::array<std::string_view, kFaucetFieldCount>& texts) {
  Edited(fCurrency);
  SetFields(texts);
}

void FaucetItem::SetFields(const std::array<std::string_view, kFaucetFieldCount>& texts) {
  size_t bytes = 0;
  for (const std::string_view text : texts) bytes += text.size();
  // The texts may lie in this row's own text.
  std::string text;
  text.reserve(bytes);
  for (int f = 0; f < kFaucetFieldCount; ++f) {
    text.append(texts[size_t(f)]);
    ends_[size_t(f)] = uint32_t(text.size());
  }
  text_ = std::move(text);
}

void FaucetItem::Replace(FaucetField f, std::string_view text) {
  const std::string_view old = (*this)[f];
  // replace() copes with a text inside text_ (another field, or this one).
  const size_t begin = size_t(old.data() - text_.data());
  text_.replace(begin, old.size(), text);
  const uint32_t grown = uint32_t(text.size()) - uint32_t(old.size());
  for (int g = f; g < kFaucetFieldCount; ++g) ends_[size_t(g)] += grown;
}

FaucetIndex::FaucetIndex() : changes_(std::make_unique<IndexChanges>()) { Clear(); }

FaucetIndex::FaucetIndex(FaucetIndex&& other)
    : chunks_(std::move(other.chunks_)),
      size_(std::exchange(other.size_, 0)),
      changes_(std::move(other.changes_)) {
  other.changes_ = std::make_unique<IndexChanges>();
  other.Clear();
}

FaucetIndex& FaucetIndex::operator=(FaucetIndex&& other) {
  if (this == &other) return *this;
  // Counts this index has handed out must not come back for other rows.
  IndexChanges after{std::max(changes_->edits, other.changes_->edits) + 1,
                     std::max(changes_->coinEdits, other.changes_->coinEdits) + 1};
  chunks_ = std::move(other.chunks_);
  size_ = std::exchange(other.size_, 0);
  changes_ = std::move(other.changes_);
  *changes_ = after;
  coinRows_.clear();
  coinRowsAt_ = UINT64_MAX;
  other.changes_ = std::make_unique<IndexChanges>();
  other.Clear();
  return *this;
}

void FaucetIndex::ThrowNoRow(int r) {
  throw std::out_of_range("no row " + std::to_string(r) + " in the index");
}

FaucetItem& FaucetIndex::Append() {
  if (size_ == chunks_.size() * kChunkRows) {
    chunks_.emplace_back();
    // Filled up to here and never beyond, so its rows never move.
    chunks_.back().reserve(kChunkRows);
  }
  FaucetItem& row = chunks_.back().emplace_back();
  row.changes_ = changes_.get();
  ++size_;
  ++changes_->edits;
  ++changes_->coinEdits;
  return row;
}

void FaucetIndex::Clear() {
  // Chunks beyond the first go back to the allocator.
  chunks_.clear();
  size_ = 0;
  FaucetItem& header = Append();
  header.SetFields(kFaucetHeader);
}

void FaucetIndex::DropRowsFrom(int rows) {
  if (rows < 1 || size_t(rows) >= size_) return;
  size_ = size_t(rows);
  // Shrinking never moves the rows that stay, nor a chunk's room.
  chunks_.resize((size_ + kChunkRows - 1) / kChunkRows);
  chunks_.back().resize(size_ - (chunks_.size() - 1) * kChunkRows);
  ++changes_->edits;
  ++changes_->coinEdits;
}

void FaucetIndex::Reserve(int rows) {
  if (rows > 0) chunks_.reserve((size_t(rows) + kChunkRows - 1) / kChunkRows);
}

const std::vector<int>& FaucetIndex::RowsOfCoin(std::string_view coin) const {
  if (coinRowsAt_ != changes_->coinEdits) {
    coinRows_.clear();
    for (int r = 1; r < RowCount(); ++r) {
      const std::string_view currency = Row(r)[fCurrency];
      auto it = coinRows_.find(currency);
      if (it == coinRows_.end()) it = coinRows_.emplace(currency, std::vector<int>()).first;
      it->second.push_back(r);
    }
    coinRowsAt_ = changes_->coinEdits;
  }
  static const std::vector<int> kNone;
  const auto it = coinRows_.find(coin);
  return it == coinRows_.end() ? kNone : it->second;
}

}  // namespace trelio

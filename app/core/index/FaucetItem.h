// One faucet of the index and the table of all faucets.
#pragma once

#include <array>
#include <deque>
#include <string>
#include <string_view>

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

// Every field is text in the system's ANSI code page; flags are "1" or empty.
struct FaucetItem {
  std::array<std::string, kFaucetFieldCount> fields;

  std::string& operator[](FaucetField f) { return fields[f]; }
  const std::string& operator[](FaucetField f) const { return fields[f]; }
};

// Row 0 is the header; rows 1.. are items. Rows never move while the index
// lives: a FaucetItem* taken from it names that row until the rows are cleared,
// so references compare by identity.
class FaucetIndex {
 public:
  FaucetIndex() { Clear(); }
  FaucetIndex(const FaucetIndex&) = delete;
  FaucetIndex& operator=(const FaucetIndex&) = delete;
  FaucetIndex(FaucetIndex&&) = default;
  FaucetIndex& operator=(FaucetIndex&&) = default;

  // Header row included, so an empty index has one row.
  int RowCount() const { return static_cast<int>(rows_.size()); }
  FaucetItem& Row(int r) { return rows_.at(r); }
  const FaucetItem& Row(int r) const { return rows_.at(r); }

  // Appends an empty row and returns it.
  FaucetItem& Append() { return rows_.emplace_back(); }
  // Drops every item row; the header stays.
  void Clear();

 private:
  std::deque<FaucetItem> rows_;
};

}  // namespace trelio

#include "app/core/index/FaucetItem.h"

namespace trelio {

const std::array<std::string_view, kFaucetFieldCount> kFaucetHeader = {
    "Currency",       "Name",          "Url",           "Interval",      "Input",
    "Completed",      "Hidden",        "Timestamp",     "Position",      "Lock",
    "Total Payout",   "Last Payout",   "Last Payout 2", "Last Payout 3", "Moving average payout",
    "Average payout", "Payouts count", "No pay",        "Favorite"};

void FaucetIndex::Clear() {
  rows_.resize(1);
  for (int f = 0; f < kFaucetFieldCount; ++f) rows_[0].fields[f] = kFaucetHeader[f];
}

}  // namespace trelio

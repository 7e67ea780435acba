// What the faucet list sorts by, and the text that names that order.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace trelio {

// Sorted field by kind: 0 "Position", 1 "Interval", 2 "Name", 3 "Total Payout",
// 4 "Last Payout", 5 "Moving average payout", 6 "Average payout".
struct SortOptions {
  // Any value other than 1 to 6 sorts as 0.
  int32_t sortKind = 4;
  // 1 = descending; any other value ascending.
  int32_t sortDescending = 1;
  // 1 = hidden rows (and, alphabetically, rows with a no-pay result) below.
  int32_t hiddenAlwaysBelow = 1;

  int Kind() const { return sortKind >= 1 && sortKind <= 6 ? sortKind : 0; }
  bool Descending() const { return sortDescending == 1; }
  bool HiddenBelow() const { return hiddenAlwaysBelow == 1; }
};

// The first checked of the sort items of kinds 1 to 6 (index 0 = kind 1), else 0.
int32_t SortKindFromChecked(const std::array<bool, 6>& checked);

// The sort text that ends the count text; empty for kind 0.
std::u16string SortDescription(const SortOptions& options);

}  // namespace trelio

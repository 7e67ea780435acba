// The order of the faucet list: a key per row, made once per rebuild, and the
// comparison of two keys under the sort options.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/core/index/FaucetItem.h"
#include "app/core/list/ListSortOptions.h"
#include "app/core/list/NameCollator.h"

namespace trelio {

// "Interval" and "Position" as the list reads them: the whole number, or when
// the text does not read entirely the digits before the first bad character
// without their sign; 0 when there are none.
int32_t ListIntegerField(std::string_view text);

// The payout field that sort kinds 3 to 6 sort by and show; none for the
// other kinds.
std::optional<FaucetField> PayoutSortField(int sortKind);

struct ListSortKey {
  FaucetItem* row = nullptr;
  int32_t position = 0;
  // Kinds 0 and 1: position or interval, moved by the penalties.
  int32_t wholeKey = 0;
  // Kinds 3 to 6: the payout value, moved by the penalties.
  long double valueKey = 0;
  // Kind 2: 0 favourites, 1 others, 2 and 3 the same below them (hidden or
  // no-pay with hidden-always-below); then the collation key of the name.
  int group = 0;
  std::string nameKey;
};

// The collator is used only for alphabetical order.
ListSortKey MakeListSortKey(FaucetItem& row, const SortOptions& options,
                            const NameCollator& collator);

// -1 when a goes before b, 1 when after, 0 when they are equal.
int CompareListItems(const ListSortKey& a, const ListSortKey& b, const SortOptions& options);

// A number that orders keys as CompareListItems does wherever two numbers
// differ (equal numbers say nothing), so that most comparisons of a sort are
// one comparison of two numbers.
uint64_t ListSortPrefix(const ListSortKey& key, const SortOptions& options);

}  // namespace trelio

// Claim state of faucet rows: completing, expiring once the wait is over, and
// the wait text of the current row. Times are ClaimSeconds values.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/core/index/FaucetItem.h"

namespace trelio {

struct CompletionDecision {
  // The row became completed at now.
  bool completed = false;
  // The page text of the active browser's main frame is to be requested for
  // this row.
  bool requestPageText = false;
};

// Completes a shown, incompleted row at now. pageKey is the row's URL key
// without scheme; mainFrameUrl is the active browser's main-frame URL, none
// when it has no valid main frame. The text is requested only for a row that
// just completed, is not opened externally ("Input" "*") and whose non-empty
// pageKey occurs in the main-frame URL.
CompletionDecision CompleteItem(FaucetItem& item, uint32_t now,
                                std::optional<std::string_view> mainFrameUrl,
                                std::string_view pageKey);

// Back to claimable: "Timestamp" and then "Completed" cleared.
void MakeIncompleted(FaucetItem& item);

// One pass over every item row: a shown, completed row whose wait is over
// (Timestamp + interval x 60 < now) becomes claimable. The interval is the
// piece of noPayIntervals (","-separated minutes) named by the row's "No pay",
// else the row's own "Interval".
void ExpireCompletedItems(FaucetIndex& index, std::string_view noPayIntervals, uint32_t now);

// The row's name, followed by " (wait N min.)" while a shown row waits on its
// own interval, N the started minutes left.
std::u16string ItemWaitText(const FaucetItem& item, uint32_t now);

}  // namespace trelio

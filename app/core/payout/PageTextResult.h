// What the text of a completed faucet's page does to that faucet.
#pragma once

#include <string>
#include <string_view>

#include "app/core/index/FaucetItem.h"
#include "app/core/payout/PayoutTemplates.h"

namespace trelio {

// The page text as the templates are matched against it: in the code page,
// characters it lacks as "?", lower-cased by its rules.
std::string PayoutSearchText(std::u16string_view pageText, int codePage);

// Detects the payout in the page text, converts it for the coin (the active
// coin tab's key) and records it in the item's statistics.
void ApplyPageTextResult(FaucetItem& item, std::u16string_view pageText, int codePage,
                         const PayoutTemplates& templates, std::string_view coin,
                         bool processResultsWithoutPayment);

}  // namespace trelio

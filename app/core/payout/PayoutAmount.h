// The amount next to a payout phrase, in whole coins.
#pragma once

#include <string_view>

namespace trelio {

// Read by the amount rule of the coin with that key (kPointOrUpToOne for a key
// that is no coin's). A text that does not read counts 0.
long double AmountInCoins(std::string_view amountText, std::string_view coin);

}  // namespace trelio

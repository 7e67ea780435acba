// The amount next to a payout phrase, in whole coins.
#pragma once

#include <string_view>

namespace trelio {

// An amount without a point, or above 1 with a point, is counted in
// hundred-millionths; for "dogecoin" any amount above 10 is. A text that does
// not read counts 0.
long double AmountInCoins(std::string_view amountText, std::string_view coin);

}  // namespace trelio

#include "app/core/payout/PayoutAmount.h"

#include "app/core/coins/CoinTable.h"
#include "app/core/text/Numbers.h"

namespace trelio {

long double AmountInCoins(std::string_view amountText, std::string_view coin) {
  constexpr long double kUnitsPerCoin = 100000000.0L;
  const long double v = DecimalOrZero(amountText);
  const int c = CoinOfKey(coin);
  const AmountRule rule = c >= 0 ? kCoins[c].amountRule : AmountRule::kPointOrUpToOne;
  const bool inUnits = rule == AmountRule::kUpToTen
                           ? v > 10
                           : amountText.find('.') == std::string_view::npos || v > 1;
  return inUnits ? v / kUnitsPerCoin : v;
}

}  // namespace trelio

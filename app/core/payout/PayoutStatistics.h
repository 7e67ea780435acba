// The payout statistics of a faucet: total, last three results, averages, count.
#pragma once

#include "app/core/index/FaucetItem.h"

namespace trelio {

// Records one page result of the item: amount in whole coins (0 for none) and
// the 1-based no-pay phrase number found (0 for none). A result without
// payment shifts the statistics only when countWithoutPayment is set.
void RecordPayoutResult(FaucetItem& item, long double amount, int noPay, bool countWithoutPayment);

}  // namespace trelio

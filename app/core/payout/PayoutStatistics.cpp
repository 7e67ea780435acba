#include "app/core/payout/PayoutStatistics.h"

#include <cstdint>
#include <string>

#include "app/core/text/Numbers.h"

namespace trelio {

void RecordPayoutResult(FaucetItem& item, long double amount, int noPay, bool countWithoutPayment) {
  if (noPay > 0) item.Edit(fNoPay) = std::to_string(noPay);
  if (amount > 0) {
    item.Edit(fTotalPayout) = FormatAmount(DecimalOrZero(item[fTotalPayout]) + amount);
    item.Edit(fNoPay).clear();
  }
  if (!countWithoutPayment && !(amount > 0)) return;

  item.Edit(fLastPayout3) = item[fLastPayout2];
  item.Edit(fLastPayout2) = item[fLastPayout];
  item.Edit(fLastPayout) = amount > 0 ? FormatAmount(amount) : "0";

  // Saturates rather than wrapping past what the field reads back.
  int64_t count = int64_t(IntOrLeadingDigits(item[fPayoutsCount])) + 1;
  if (count > INT32_MAX) count = INT32_MAX;
  item.Edit(fPayoutsCount) = std::to_string(count);
  if (count > 0)
    item.Edit(fAveragePayout) = FormatAmount(DecimalOrZero(item[fTotalPayout]) / count);

  long double sum = 0;
  int n = 0;
  for (FaucetField f : {fLastPayout, fLastPayout2, fLastPayout3}) {
    if (item[f].empty()) continue;
    sum += DecimalOrZero(item[f]);
    ++n;
  }
  item.Edit(fMovingAveragePayout) = FormatAmount(sum / n);
}

}  // namespace trelio

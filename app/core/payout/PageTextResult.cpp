#include "app/core/payout/PageTextResult.h"

#include "app/core/payout/PayoutAmount.h"
#include "app/core/payout/PayoutDetection.h"
#include "app/core/payout/PayoutStatistics.h"
#include "app/platform/CodePage.h"

namespace trelio {

std::string PayoutSearchText(std::u16string_view pageText, int codePage) {
  return AnsiLowerCase(Utf16ToAnsi(pageText, codePage), codePage);
}

void ApplyPageTextResult(FaucetItem& item, std::u16string_view pageText, int codePage,
                         const PayoutTemplates& templates, std::string_view coin,
                         bool processResultsWithoutPayment) {
  const PayoutFinding finding = FindPayout(PayoutSearchText(pageText, codePage), templates);
  const long double amount = finding.phraseFound ? AmountInCoins(finding.amountText, coin) : 0;
  RecordPayoutResult(item, amount, finding.noPay, processResultsWithoutPayment);
}

}  // namespace trelio

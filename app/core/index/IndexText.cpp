#include "app/core/index/IndexText.h"

#include <algorithm>

namespace trelio {

std::string StripQuotes(std::string_view text, std::string_view quote) {
  if (quote.empty() || text.size() < 2 || text.front() != quote.front() ||
      text.back() != quote.front())
    return std::string(text);
  return std::string(text.substr(1, text.size() - 2));
}

std::string NormalizeDecimal(std::string_view text, char systemDecimalSeparator) {
  std::string result(text);
  if (systemDecimalSeparator != '.')
    std::replace(result.begin(), result.end(), systemDecimalSeparator, '.');
  return result;
}

void NormalizePayoutDecimals(FaucetItem& item, char systemDecimalSeparator) {
  for (int f = fTotalPayout; f <= fAveragePayout; ++f)
    item.fields[f] = NormalizeDecimal(item.fields[f], systemDecimalSeparator);
}

}  // namespace trelio

#include "app/core/index/IndexText.h"

#include <algorithm>

namespace trelio {

void NormalizeDecimalInPlace(std::string& text, char systemDecimalSeparator) {
  if (systemDecimalSeparator != '.')
    std::replace(text.begin(), text.end(), systemDecimalSeparator, '.');
}

std::string NormalizeDecimal(std::string_view text, char systemDecimalSeparator) {
  std::string result(text);
  NormalizeDecimalInPlace(result, systemDecimalSeparator);
  return result;
}

void NormalizePayoutDecimals(FaucetItem& item, char systemDecimalSeparator) {
  if (systemDecimalSeparator == '.') return;
  // Only a field that changes is written, so an unchanged row stays unedited.
  const FaucetItem& row = item;
  for (int f = fTotalPayout; f <= fAveragePayout; ++f)
    if (row[FaucetField(f)].find(systemDecimalSeparator) != std::string::npos)
      item.Edit(FaucetField(f)) = NormalizeDecimal(row[FaucetField(f)], systemDecimalSeparator);
}

}  // namespace trelio

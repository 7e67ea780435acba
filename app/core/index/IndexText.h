// The small text helpers of reading and writing index files.
#pragma once

#include <string>
#include <string_view>

#include "app/core/index/FaucetItem.h"

namespace trelio {

// Removes one enclosing pair of the quote character (the first character of
// `quote`) from a text of at least two characters; otherwise the text as is.
// A view into `text`.
// Inline: the load calls it for every field.
inline std::string_view StripQuotes(std::string_view text, std::string_view quote = "\"") {
  if (quote.empty() || text.size() < 2 || text.front() != quote.front() ||
      text.back() != quote.front())
    return text;
  return text.substr(1, text.size() - 2);
}

// Every occurrence of the system decimal separator becomes ".".
std::string NormalizeDecimal(std::string_view text, char systemDecimalSeparator);
void NormalizeDecimalInPlace(std::string& text, char systemDecimalSeparator);

// NormalizeDecimal of the payout fields, Total Payout to Average payout, in
// place.
void NormalizePayoutDecimals(FaucetItem& item, char systemDecimalSeparator);

}  // namespace trelio

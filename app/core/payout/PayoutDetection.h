// Finding the payout, or the no-pay phrase, in the text of a faucet page.
#pragma once

#include <string>
#include <string_view>

#include "app/core/payout/PayoutTemplates.h"

namespace trelio {

// The phrase that makes the template searches begin just after it.
inline constexpr std::string_view kReferralEarningsPhrase = "(referral earnings) was sent";

struct PayoutFinding {
  // A right-part or left-part phrase matched; amountText is then the run of
  // digits and "." next to it, empty when there is no digit.
  bool phraseFound = false;
  std::string amountText;
  // Without a phrase: the 1-based list number of the first no-pay phrase
  // found, 0 for none.
  int noPay = 0;
};

// 1-based position where the template searches begin.
int64_t PayoutSearchStart(std::string_view text);

// text: the page text in the ANSI code page, lower-cased. Never reads outside it.
PayoutFinding FindPayout(std::string_view text, const PayoutTemplates& templates);

}  // namespace trelio

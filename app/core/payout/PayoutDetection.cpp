#include "app/core/payout/PayoutDetection.h"

#include <vector>

#include "app/core/text/TextSplit.h"

namespace trelio {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAmountChar(char c) { return IsDigit(c) || c == '.'; }

// The first phrase in list order that occurs at or after start: its 0-based
// position, or npos.
size_t FirstPhrase(std::string_view text, const std::vector<std::string>& phrases, int64_t start) {
  for (const std::string& phrase : phrases) {
    const int64_t p = PosFrom(text, phrase, start);
    if (p >= 1) return size_t(p - 1);
  }
  return std::string_view::npos;
}

// Backwards from the phrase (its first character included) to the last digit
// of the amount, passing over digits inside parentheses: "0.001 btc (0.05 usd)
// was sent". One flag, not a depth count.
std::string AmountBefore(std::string_view text, size_t p) {
  bool inParentheses = false;
  for (size_t i = p + 1; i-- > 0;) {
    const char c = text[i];
    if (!inParentheses && IsDigit(c)) {
      size_t b = i;
      while (b > 0 && IsAmountChar(text[b - 1])) --b;
      return std::string(text.substr(b, i + 1 - b));
    }
    if (c == ')') inParentheses = true;
    if (c == '(') inParentheses = false;
  }
  return {};
}

// Forwards from the phrase (its first character included) to the first digit.
std::string AmountAfter(std::string_view text, size_t p) {
  size_t b = p;
  while (b < text.size() && !IsDigit(text[b])) ++b;
  size_t e = b;
  while (e < text.size() && IsAmountChar(text[e])) ++e;
  return std::string(text.substr(b, e - b));
}

}  // namespace

int64_t PayoutSearchStart(std::string_view text) {
  const int64_t p = PosFrom(text, kReferralEarningsPhrase, 1);
  return p >= 1 ? p + int64_t(kReferralEarningsPhrase.size()) : 1;
}

PayoutFinding FindPayout(std::string_view text, const PayoutTemplates& templates) {
  PayoutFinding finding;
  const int64_t start = PayoutSearchStart(text);

  size_t p =
      FirstPhrase(text, TemplatePhrases(templates.rightPart, kDefaultRightPartTemplate), start);
  if (p != std::string_view::npos) {
    finding.phraseFound = true;
    finding.amountText = AmountBefore(text, p);
    return finding;
  }
  p = FirstPhrase(text, TemplatePhrases(templates.leftPart, kDefaultLeftPartTemplate), start);
  if (p != std::string_view::npos) {
    finding.phraseFound = true;
    finding.amountText = AmountAfter(text, p);
    return finding;
  }
  // No-pay phrases count anywhere in the text, before the referral phrase too.
  const std::vector<std::string> noPay = TemplatePhrases(templates.noPay, kDefaultNoPayTemplate);
  for (size_t i = 0; i < noPay.size(); ++i) {
    if (PosFrom(text, noPay[i], 1) >= 1) {
      finding.noPay = int(i + 1);
      break;
    }
  }
  return finding;
}

}  // namespace trelio

#include "app/core/payout/PayoutDetection.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace trelio {
namespace {

// The text in a heap block of its exact size, so that a read past either end
// is caught by the address sanitizer (a std::string would hide one byte).
class ExactText {
 public:
  explicit ExactText(std::string_view s) : bytes_(s.begin(), s.end()) {}
  std::string_view view() const { return {bytes_.data(), bytes_.size()}; }

 private:
  std::vector<char> bytes_;
};

PayoutFinding Find(std::string_view text, const PayoutTemplates& templates = {}) {
  return FindPayout(ExactText(text).view(), templates);
}

TEST(PayoutDetectionTest, ReadsTheAmountNextToThePhrase) {
  const struct {
    const char* text;
    bool phraseFound;
    const char* amount;
  } cases[] = {
      {"0.00001234 btc was sent to your address", true, "0.00001234"},
      {"you have claimed 150 satoshi", true, "150"},
      {"0.001 btc (0.05 usd) was sent", true, "0.001"},
      {"5 (x) (y) was sent", true, "5"},
      {"(3 (b) 4) was sent", true, "3"},  // one flag, not a depth: the inner "(" clears it
      {"5 ( 3 was sent", true, "3"},
      {"8 ) 3 was sent", true, "3"},
      {"10 satoshi (referral earnings) was sent to you. 500 satoshi was sent", true, "500"},
      {"5 has been added. 7 was sent", true, "7"},            // list order decides, not text order
      {"you claimed 3 coins, 9 coins was added", true, "9"},  // right part before left part
      {"1.2.3 was sent", true, "1.2.3"},
      {"12..5 was sent", true, "12..5"},
      {"you win 0.5.", true, "0.5."},
      {"success! claimed 42", true, "42"},
      {"was sent", true, ""},      // no digit before the phrase's first character
      {"(5) was sent", true, ""},  // the only digit is in parentheses
      {"you claimed", true, ""},   // no digit after
      {"you claimed nothing at all", true, ""},
      {"3 was sent", true, "3"},
      {"was sent 3", true, ""},
      {"you claimed 3", true, "3"},
      {"12 you claimed", true, ""},
      {"", false, ""},
      {"nothing here 123", false, ""},
      {"5 (referral earnings) was sent", false, ""},  // the searches start past the end
  };
  for (const auto& c : cases) {
    const PayoutFinding f = Find(c.text);
    EXPECT_EQ(f.phraseFound, c.phraseFound) << c.text;
    EXPECT_EQ(f.amountText, c.amount) << c.text;
    EXPECT_EQ(f.noPay, 0) << c.text;
  }
}

TEST(PayoutDetectionTest, NoPayPhraseNumberWhenNoPayoutPhrase) {
  const struct {
    const char* text;
    PayoutTemplates templates;
    int noPay;
  } cases[] = {
      {"sorry: insufficient funds", {}, 1},
      {"unknown error. insufficient funds", {}, 1},  // list order decides
      {"unknown error", {}, 6},
      {"safety limit reached! please try again later", {}, 9},
      {"insufficient funds (referral earnings) was sent", {}, 1},  // before the start too
      {"insufficient funds, 5 was sent", {}, 0},                   // a payout phrase wins
      {"limit hit", {"", "", "|limit"}, 2},                        // empty elements never match
      {"limit hit", {"", "", "||"}, 0},
      {"insufficient funds", {"", "", "other"}, 0},
  };
  for (const auto& c : cases) {
    const PayoutFinding f = Find(c.text, c.templates);
    EXPECT_EQ(f.noPay, c.noPay) << c.text;
  }
}

TEST(PayoutDetectionTest, OwnTemplatesReplaceTheBuiltInOnes) {
  const PayoutTemplates own{"credited|", "got ", ""};
  EXPECT_EQ(Find("12 was sent; 34 credited", own).amountText, "34");
  EXPECT_EQ(Find("12 was sent", own).phraseFound, false);
  EXPECT_EQ(Find("you got 56", own).amountText, "56");
  EXPECT_EQ(Find("you claimed 5", {"", "", ""}).amountText, "5");
}

TEST(PayoutDetectionTest, SearchStartsJustAfterTheReferralPhrase) {
  EXPECT_EQ(PayoutSearchStart(""), 1);
  EXPECT_EQ(PayoutSearchStart("x"), 1);
  EXPECT_EQ(PayoutSearchStart("(referral earnings) was sent"), 29);
  EXPECT_EQ(PayoutSearchStart("ab(referral earnings) was sent!"), 31);
}

// Every text, phrases at either end included, is read within its bounds; the
// amount is always a run of digits and points taken from the text.
TEST(PayoutDetectionTest, AnyBytesWithPhrasesAtTheEdges) {
  std::mt19937 rng(7);
  const std::string pieces[] = {"was sent",
                                "you claimed",
                                "(",
                                ")",
                                "0",
                                "9",
                                ".",
                                " ",
                                "(referral earnings) was sent",
                                "insufficient funds",
                                "\xff",
                                std::string(1, '\0')};
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    const int count = int(rng() % 8);
    for (int i = 0; i < count; ++i) text += pieces[rng() % std::size(pieces)];
    const PayoutFinding f = Find(text);
    EXPECT_EQ(f.amountText.find_first_not_of("0123456789."), std::string::npos) << text;
    if (!f.amountText.empty()) {
      EXPECT_NE(text.find(f.amountText), std::string::npos) << text;
    }
  }
}

}  // namespace
}  // namespace trelio

#include "app/core/payout/PayoutAmount.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "app/core/text/Numbers.h"

namespace trelio {
namespace {

TEST(PayoutAmountTest, ConvertsToWholeCoins) {
  const struct {
    const char* amount;
    const char* coin;
    const char* coins;  // as written to the index
  } cases[] = {
      {"0.00001234", "bitcoin", "0.00001234"},
      {"150", "bitcoin", "0.0000015"},
      {"150.0", "bitcoin", "0.0000015"},
      {"1", "bitcoin", "0.00000001"},  // no point: units even at 1
      {"1.0", "bitcoin", "1"},         // point and not above 1: coins
      {"1234.5678", "litecoin", "0.00001235"},
      {"0.5", "ethereum classic", "0.5"},
      {"5", "dogecoin", "5"},
      {"10", "dogecoin", "10"},
      {"150", "dogecoin", "0.0000015"},
      {"12.34", "dogecoin", "0.00000012"},
      {"2.5", "dogecoin", "2.5"},
      // The Dogecoin rule goes by the exact key; any other text reads as most coins.
      {"5", "Dogecoin", "0.00000005"},
      {"5", "no such coin", "0.00000005"},
      {"0.5", "", "0.5"},
      {"", "bitcoin", "0"},
      {"1.2.3", "bitcoin", "0"},
      {".", "dogecoin", "0"},
      {".5", "bitcoin", "0.5"},
      {"0", "bitcoin", "0"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatAmount(AmountInCoins(c.amount, c.coin)), c.coins) << c.amount << " " << c.coin;
}

TEST(PayoutAmountTest, DigitRunsTooLongForANumberCountZero) {
  EXPECT_EQ(AmountInCoins(std::string(6000, '9'), "bitcoin"), 0);
  // A large amount is written whole, not cut short.
  const long double large = AmountInCoins("1" + std::string(130, '0'), "bitcoin");
  EXPECT_EQ(FormatAmount(large).size(), size_t(std::snprintf(nullptr, 0, "%.0Lf", large)));
}

}  // namespace
}  // namespace trelio

#include "app/core/payout/PayoutStatistics.h"

#include <gtest/gtest.h>

namespace trelio {
namespace {

struct Stats {
  std::string total, last, last2, last3, moving, average, count, noPay;
  bool operator==(const Stats&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Stats& s) {
  return os << "total=" << s.total << " last=" << s.last << "," << s.last2 << "," << s.last3
            << " moving=" << s.moving << " average=" << s.average << " count=" << s.count
            << " noPay=" << s.noPay;
}

Stats Of(const FaucetItem& item) {
  const auto text = [&](FaucetField f) { return std::string(item[f]); };
  return {text(fTotalPayout),         text(fLastPayout),    text(fLastPayout2),  text(fLastPayout3),
          text(fMovingAveragePayout), text(fAveragePayout), text(fPayoutsCount), text(fNoPay)};
}

TEST(PayoutStatisticsTest, ThreePayoutsOnAFreshItem) {
  FaucetItem item;
  for (long double amount : {1.0L, 2.0L, 3.0L}) RecordPayoutResult(item, amount, 0, false);
  EXPECT_EQ(Of(item), (Stats{"6", "3", "2", "1", "2", "2", "3", ""}));
  RecordPayoutResult(item, 10, 0, false);
  EXPECT_EQ(Of(item), (Stats{"16", "10", "3", "2", "5", "4", "4", ""}));
}

TEST(PayoutStatisticsTest, SmallestAmountAndAnAverageBelowIt) {
  FaucetItem item;
  RecordPayoutResult(item, 0.00000001L, 0, false);
  EXPECT_EQ(Of(item),
            (Stats{"0.00000001", "0.00000001", "", "", "0.00000001", "0.00000001", "1", ""}));
  FaucetItem many;
  many.Edit(fPayoutsCount) = "9";
  RecordPayoutResult(many, 0.00000001L, 0, false);
  EXPECT_EQ(many[fAveragePayout], "0");
}

TEST(PayoutStatisticsTest, ResultWithoutPaymentCountsOnlyWhenAskedTo) {
  FaucetItem base;
  base.Edit(fTotalPayout) = "4";
  base.Edit(fLastPayout) = "4";
  base.Edit(fPayoutsCount) = "1";
  base.Edit(fAveragePayout) = "4";
  base.Edit(fMovingAveragePayout) = "4";

  FaucetItem off = base;
  RecordPayoutResult(off, 0, 1, false);
  EXPECT_EQ(Of(off), (Stats{"4", "4", "", "", "4", "4", "1", "1"}));

  FaucetItem on = base;
  RecordPayoutResult(on, 0, 1, true);
  EXPECT_EQ(Of(on), (Stats{"4", "0", "4", "", "2", "2", "2", "1"}));

  FaucetItem nothing = base;
  RecordPayoutResult(nothing, 0, 0, true);
  EXPECT_EQ(Of(nothing), (Stats{"4", "0", "4", "", "2", "2", "2", ""}));
}

TEST(PayoutStatisticsTest, PaymentClearsNoPayAndNoPaymentKeepsIt) {
  FaucetItem item;
  item.Edit(fNoPay) = "3";
  RecordPayoutResult(item, 0, 0, true);
  EXPECT_EQ(item[fNoPay], "3");
  RecordPayoutResult(item, 0.5L, 0, false);
  EXPECT_EQ(item[fNoPay], "");
}

TEST(PayoutStatisticsTest, OddFieldTextsCountAsTheirNumbers) {
  FaucetItem item;
  item.Edit(fTotalPayout) = "junk";  // counts 0
  item.Edit(fLastPayout) = "abc";    // counts 0 but still counts in the number
  item.Edit(fLastPayout2) = "3";
  item.Edit(fPayoutsCount) = "12abc";  // leading number
  RecordPayoutResult(item, 3, 0, false);
  EXPECT_EQ(Of(item), (Stats{"3", "3", "abc", "3", "2", "0.23076923", "13", ""}));

  FaucetItem full;
  full.Edit(fPayoutsCount) = "2147483647";
  RecordPayoutResult(full, 1, 0, false);
  EXPECT_EQ(full[fPayoutsCount], "2147483647");

  FaucetItem negative;
  negative.Edit(fPayoutsCount) = "-5";
  negative.Edit(fAveragePayout) = "7";
  RecordPayoutResult(negative, 1, 0, false);
  EXPECT_EQ(negative[fPayoutsCount], "-4");
  EXPECT_EQ(negative[fAveragePayout], "7");  // no average of a count below 1
}

}  // namespace
}  // namespace trelio

#include "app/core/payout/PageTextResult.h"

#include <gtest/gtest.h>

#include <string>

namespace trelio {
namespace {

struct PageCase {
  std::u16string text;
  const char* coin;
  const char* total;  // "Total Payout" of a fresh item afterwards
  const char* noPay;
};

TEST(PageTextResultTest, CreditsWhatThePageSays) {
  const PageCase cases[] = {
      {u"Congratulations! 0.00001234 BTC was sent to your address.", "bitcoin", "0.00001234", ""},
      {u"You have claimed 150 satoshi", "bitcoin", "0.0000015", ""},
      {u"150.0 satoshi was sent", "bitcoin", "0.0000015", ""},
      {u"You claimed 5 DOGE", "dogecoin", "5", ""},
      {u"You claimed 150", "dogecoin", "0.0000015", ""},
      {u"You claimed 10", "dogecoin", "10", ""},
      {u"0.001 BTC (0.05 USD) was sent", "bitcoin", "0.001", ""},
      {u"10 satoshi (referral earnings) was sent to you. 500 satoshi was sent to your address",
       "bitcoin", "0.000005", ""},
      {u"12 satoshi HAS BEEN ADDED; 30 satoshi WAS SENT", "bitcoin", "0.0000003", ""},
      {u"You claimed 7 satoshi. 9 satoshi was added", "bitcoin", "0.00000009", ""},
      {u"Привет! 0.5 BTC was sent 🎉", "bitcoin", "0.5", ""},  // lacking characters become "?"
      {u"Error: INSUFFICIENT FUNDS", "bitcoin", "", "1"},
      {u"Too many requests, please try again later", "bitcoin", "", "4"},
      {u"was sent", "bitcoin", "", ""},
      {u"", "bitcoin", "", ""},
  };
  for (const PageCase& c : cases) {
    FaucetItem item;
    ApplyPageTextResult(item, c.text, 1252, {}, c.coin, false);
    EXPECT_EQ(item[fTotalPayout], c.total) << c.total;
    EXPECT_EQ(item[fNoPay], c.noPay) << c.total;
  }
}

TEST(PageTextResultTest, CyrillicPageAndTemplatesInCodePage1251) {
  // "отправлено" lower-cased in 1251, as the settings reader leaves it.
  const PayoutTemplates templates{"\xEE\xF2\xEF\xF0\xE0\xE2\xEB\xE5\xED\xEE", "", ""};
  FaucetItem item;
  ApplyPageTextResult(item, u"Успех: 250 сатоши ОТПРАВЛЕНО", 1251, templates, "bitcoin", false);
  EXPECT_EQ(item[fTotalPayout], "0.0000025");
  EXPECT_EQ(item[fLastPayout], "0.0000025");
  EXPECT_EQ(item[fPayoutsCount], "1");
}

TEST(PageTextResultTest, SearchTextIsLowerCasedInTheCodePage) {
  EXPECT_EQ(PayoutSearchText(u"Ё WAS SENT Ÿ", 1251), "\xB8 was sent ?");
  EXPECT_EQ(PayoutSearchText(u"Ё WAS SENT Ÿ", 1252), "? was sent \xFF");
}

TEST(PageTextResultTest, NoPayVisitCountsWhenResultsWithoutPaymentAreProcessed) {
  FaucetItem item;
  item.Edit(fTotalPayout) = "0.001";
  item.Edit(fLastPayout) = "0.001";
  item.Edit(fPayoutsCount) = "1";
  ApplyPageTextResult(item, u"Insufficient funds", 1252, {}, "bitcoin", true);
  EXPECT_EQ(item[fNoPay], "1");
  EXPECT_EQ(item[fLastPayout], "0");
  EXPECT_EQ(item[fLastPayout2], "0.001");
  EXPECT_EQ(item[fPayoutsCount], "2");
  EXPECT_EQ(item[fAveragePayout], "0.0005");
  ApplyPageTextResult(item, u"You claimed 100 satoshi", 1252, {}, "bitcoin", true);
  EXPECT_EQ(item[fNoPay], "");
  EXPECT_EQ(item[fTotalPayout], "0.001001");
}

TEST(PageTextResultTest, HugeAndBinaryPagesAreTakenWithoutHarm) {
  std::u16string binary;
  for (int i = 0; i < 70000; ++i) binary += char16_t(i * 7919);
  FaucetItem item;
  ApplyPageTextResult(item, binary, 1251, {}, "bitcoin", true);
  EXPECT_EQ(item[fPayoutsCount], "1");

  std::u16string digits(1 << 20, u'9');
  FaucetItem big;
  ApplyPageTextResult(big, digits + u" was sent", 1252, {}, "bitcoin", false);
  EXPECT_EQ(big[fTotalPayout], "");  // no number that size: counts 0
}

}  // namespace
}  // namespace trelio

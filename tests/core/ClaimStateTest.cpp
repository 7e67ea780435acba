#include "app/core/claim/ClaimState.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/core/text/Messages.h"
#include "app/platform/CodePage.h"

namespace trelio {
namespace {

struct Row {
  std::string completed{}, hidden{}, timestamp{}, interval{}, noPay{}, input{};
};

FaucetItem MakeItem(const Row& r) {
  FaucetItem item;
  item.Edit(fCurrency) = "bitcoin";
  item.Edit(fName) = "Moon";
  item.Edit(fUrl) = "http://moon.example/faucet?r={R}";
  item.Edit(fCompleted) = r.completed;
  item.Edit(fHidden) = r.hidden;
  item.Edit(fTimestamp) = r.timestamp;
  item.Edit(fInterval) = r.interval;
  item.Edit(fNoPay) = r.noPay;
  item.Edit(fInput) = r.input;
  return item;
}

TEST(ClaimStateComplete, DecidesCompletionAndPageTextRequest) {
  const std::string page = "https://moon.example/faucet?r=1abc";
  const std::string key = "moon.example/faucet";
  struct Case {
    const char* what;
    Row row;
    std::optional<std::string_view> frameUrl;
    std::string_view key;
    bool completed, request;
  } cases[] = {
      {"claimable, page shown", {}, page, key, true, true},
      {"hidden", {"", "1"}, page, key, false, false},
      {"removed", {"", "-"}, page, key, false, false},
      {"already completed", {"1", "", "500"}, page, key, false, false},
      {"completed any text", {"x", "", "500"}, page, key, false, false},
      {"opened externally", {"", "", "", "", "", "*"}, page, key, true, false},
      {"input other than *", {"", "", "", "", "", "**"}, page, key, true, true},
      {"no main frame", {}, std::nullopt, key, true, false},
      {"empty main-frame URL", {}, std::string_view(), key, true, false},
      {"empty key", {}, page, "", true, false},
      {"other page", {}, std::string_view("https://sun.example/"), key, true, false},
      {"key differs in case", {}, page, "Moon.example/faucet", true, false},
  };
  for (const Case& c : cases) {
    FaucetItem item = MakeItem(c.row);
    const FaucetItem before = item;
    const CompletionDecision d = CompleteItem(item, 1700000000, c.frameUrl, c.key);
    EXPECT_EQ(d.completed, c.completed) << c.what;
    EXPECT_EQ(d.requestPageText, c.request) << c.what;
    if (c.completed) {
      EXPECT_EQ(item[fTimestamp], "1700000000") << c.what;
      EXPECT_EQ(item[fCompleted], "1") << c.what;
      item.Edit(fTimestamp) = before[fTimestamp];
      item.Edit(fCompleted) = before[fCompleted];
    }
    EXPECT_EQ(item.Fields(), before.Fields()) << c.what;
  }
}

TEST(ClaimStateComplete, WritesTheTimeAsUnsignedDecimal) {
  FaucetItem item = MakeItem({});
  CompleteItem(item, UINT32_MAX, std::nullopt, "");
  EXPECT_EQ(item[fTimestamp], "4294967295");
}

TEST(ClaimStateComplete, MakeIncompletedClearsBothFields) {
  FaucetItem item = MakeItem({"1", "", "1700000000", "5"});
  MakeIncompleted(item);
  EXPECT_EQ(item[fCompleted], "");
  EXPECT_EQ(item[fTimestamp], "");
  EXPECT_EQ(ItemWaitText(item, 1700000001), u"Moon");
}

TEST(ClaimStateExpire, ExpiresOnceTheIntervalHasPassed) {
  const uint32_t t = 1700000000;
  struct Case {
    const char* what;
    Row row;
    std::string_view noPayIntervals;
    uint32_t now;
    bool expires;
  } cases[] = {
      {"5 min, at T+300", {"1", "", "1700000000", "5"}, "1440", t + 300, false},
      {"5 min, at T+301", {"1", "", "1700000000", "5"}, "1440", t + 301, true},
      {"no interval", {"1", "", "1700000000", ""}, "1440", t, false},
      {"no interval, a second later", {"1", "", "1700000000", ""}, "1440", t + 1, true},
      {"interval with text", {"1", "", "1700000000", "5x"}, "1440", t + 1, true},
      {"not completed", {"", "", "1700000000", "5"}, "1440", t + 9999, false},
      {"completed not exactly 1", {"1 ", "", "1700000000", "5"}, "1440", t + 9999, false},
      {"hidden", {"1", "1", "1700000000", "5"}, "1440", t + 9999, false},
      {"removed", {"1", "-", "1700000000", "5"}, "1440", t + 9999, false},
      {"empty timestamp", {"1", "", "", "5"}, "1440", 301, true},
      {"unreadable timestamp", {"1", "", "17e8", "5"}, "1440", 301, true},
      {"negative timestamp", {"1", "", "-5", "5"}, "1440", 301, true},
      {"largest timestamp", {"1", "", "4294967295", "0"}, "1440", UINT32_MAX, false},
      {"no pay 1 uses 1440", {"1", "", "1700000000", "5", "1"}, "1440", t + 86400, false},
      {"no pay 1 after 1440", {"1", "", "1700000000", "5", "1"}, "1440", t + 86401, true},
      {"no pay 2, second piece", {"1", "", "1700000000", "5", "2"}, "1440,60", t + 3600, false},
      {"no pay 2 after 60", {"1", "", "1700000000", "5", "2"}, "1440,60", t + 3601, true},
      {"no pay 2, one piece", {"1", "", "1700000000", "5", "2"}, "1440", t + 301, true},
      {"no pay 2, empty piece", {"1", "", "1700000000", "5", "2"}, "1440,,30", t + 301, true},
      {"no pay 3 of three", {"1", "", "1700000000", "5", "3"}, "1440,,30", t + 1800, false},
      {"no pay 2x", {"1", "", "1700000000", "5", "2x"}, "1440,60", t + 3600, false},
      {"no pay 0", {"1", "", "1700000000", "5", "0"}, "1440", t + 301, true},
      {"no pay -1", {"1", "", "1700000000", "5", "-1"}, "1440", t + 301, true},
      {"no pay text", {"1", "", "1700000000", "5", "x"}, "1440", t + 301, true},
      {"empty setting", {"1", "", "1700000000", "5", "1"}, "", t + 301, true},
      {"piece not a number", {"1", "", "1700000000", "5", "1"}, "1h", t + 1, true},
      // Far beyond the 32-bit range: still waiting, not wrapped round.
      {"huge interval", {"1", "", "1700000000", "99999999"}, "1440", t + 1000000, false},
      {"huge no-pay interval", {"1", "", "1700000000", "5", "1"}, "2000000000", t + 999, false},
  };
  for (const Case& c : cases) {
    FaucetIndex index;
    FaucetItem& row = index.Append();
    row = MakeItem(c.row);
    const FaucetItem before = row;
    ExpireCompletedItems(index, c.noPayIntervals, c.now);
    if (c.expires) {
      EXPECT_EQ(row[fCompleted], "") << c.what;
      EXPECT_EQ(row[fTimestamp], "") << c.what;
      row.Edit(fCompleted) = before[fCompleted];
      row.Edit(fTimestamp) = before[fTimestamp];
    }
    EXPECT_EQ(row.Fields(), before.Fields()) << c.what;
  }
}

TEST(ClaimStateExpire, PassesOverEveryRowOfEveryCoin) {
  FaucetIndex index;
  ExpireCompletedItems(index, "1440", UINT32_MAX);
  EXPECT_EQ(index.RowCount(), 1);
  EXPECT_EQ(index.Row(0)[fCompleted], "Completed");

  FaucetItem& a = index.Append();
  a = MakeItem({"1", "", "100", "1"});
  FaucetItem& b = index.Append();
  b = MakeItem({"1", "", "100", "100"});
  b.Edit(fCurrency) = "dogecoin";
  FaucetItem& c = index.Append();
  c = MakeItem({"1", "", "100", "1"});
  c.Edit(fCurrency) = "";
  ExpireCompletedItems(index, "1440", 1000);
  EXPECT_EQ(a[fCompleted], "");
  EXPECT_EQ(b[fCompleted], "1");
  EXPECT_EQ(c[fCompleted], "");
  EXPECT_EQ(index.Row(0)[fTimestamp], "Timestamp");
}

TEST(ClaimStateWait, ShowsTheStartedMinutesLeft) {
  const uint32_t end = 1700000300;  // Timestamp 1700000000, interval 5
  struct Case {
    Row row;
    uint32_t now;
    const char16_t* want;
  } cases[] = {
      {{"1", "", "1700000000", "5"}, end - 250, u"Moon (wait 5 min.)"},
      {{"1", "", "1700000000", "5"}, end - 300, u"Moon (wait 6 min.)"},
      {{"1", "", "1700000000", "5"}, end - 299, u"Moon (wait 5 min.)"},
      {{"1", "", "1700000000", "5"}, end - 60, u"Moon (wait 2 min.)"},
      {{"1", "", "1700000000", "5"}, end - 59, u"Moon (wait 1 min.)"},
      {{"1", "", "1700000000", "5"}, end, u"Moon (wait 1 min.)"},
      {{"1", "", "1700000000", "5"}, end + 1, u"Moon"},
      {{"1", "1", "1700000000", "5"}, end - 250, u"Moon"},
      {{"", "-", "1700000000", "5"}, end - 250, u"Moon"},
      // Only the Timestamp and own interval count: a new item waits too, and
      // a no-pay interval is not shown.
      {{"", "", "1700000000", "5"}, end - 250, u"Moon (wait 5 min.)"},
      {{"1", "", "1700000000", "5", "1"}, end + 1, u"Moon"},
      {{"", "", "", ""}, 1, u"Moon"},
      {{"", "", "", ""}, 0, u"Moon (wait 1 min.)"},
      {{"1", "", "1700000000", "x"}, 1700000000, u"Moon (wait 1 min.)"},
      {{"1", "", "4294967295", "60"}, UINT32_MAX, u"Moon (wait 61 min.)"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ItemWaitText(MakeItem(c.row), c.now), c.want) << c.row.timestamp << " " << c.now;
}

TEST(ClaimStateWait, TakesTheWordsOfTheActiveLanguage) {
  SetMessageLookup([](uint16_t id) -> EncodedText {
    if (id == msgWait) return {"\xE6\xE4\xE0\xF2\xFC", 1251};  // "ждать"
    if (id == msgMin) return {"\xEC\xE8\xED.", 1251};
    return {"?", 1251};
  });
  FaucetItem item = MakeItem({"1", "", "1000", "5"});
  // The name is index text in the system code page, the words are in the
  // language's: each is decoded with its own.
  item.Edit(fName) = std::string("\xE9t\xE9\0!", 5);
  const std::u16string text = ItemWaitText(item, 1000);
  SetMessageLookup({});
  EXPECT_EQ(text, AnsiToUtf16(item[fName], 0) +
                      u" (\u0436\u0434\u0430\u0442\u044C 6 \u043C\u0438\u043D.)");
}

}  // namespace
}  // namespace trelio

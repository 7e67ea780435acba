#include "app/core/list/FaucetList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/core/text/Messages.h"

namespace trelio {
namespace {

class FaucetListTest : public ::testing::Test {
 protected:
  FaucetItem& Add(std::string coin, std::string name, std::string position, std::string hidden = "",
                  std::string url = "") {
    FaucetItem& row = index_.Append();
    row.Edit(fCurrency) = std::move(coin);
    row.Edit(fName) = std::move(name);
    row.Edit(fPosition) = std::move(position);
    row.Edit(fHidden) = std::move(hidden);
    row.Edit(fUrl) =
        url.empty() ? "http://" + std::string(row[fName]) + ".example/" : std::move(url);
    return row;
  }

  FaucetList Build(std::string_view coin, bool showHidden = false, SortOptions sort = {0, 0, 1}) {
    FaucetListRequest request;
    request.coinKey = coin;
    request.activeTabCaption = "Dogecoin";
    request.currentReferral = "old-ref";
    request.coinReferral = [](std::string_view key) -> std::optional<std::string> {
      if (key == "bitcoin" || key == "dogecoin" || key == "bitcoin cash")
        return "ref-" + std::string(key);
      return std::nullopt;
    };
    request.lastItemUrls = &lastUrls_;
    request.showHidden = showHidden;
    request.sort = sort;
    return BuildFaucetList(index_, request, collator_);
  }

  static std::vector<std::string> Names(const FaucetList& list) {
    std::vector<std::string> names;
    for (const FaucetItem* row : list.items) names.emplace_back((*row)[fName]);
    return names;
  }

  FaucetIndex index_;
  LastItemUrls lastUrls_;
  NameCollator collator_{"en_US", 1252};
};

TEST_F(FaucetListTest, ListsTheShownRowsOfTheCoin) {
  Add("bitcoin", "b3", "3");
  Add("Bitcoin", "capital", "1");
  Add("dogecoin", "doge", "1");
  Add("bitcoin", "hidden", "2", "1");
  Add("bitcoin", "removed", "0", "-");
  Add("bitcoin", "b1", "1");
  Add("bitcoin ", "blank", "1");
  Add("bitcoin", "odd-hidden", "5", "2");
  EXPECT_EQ(Names(Build("bitcoin")), (std::vector<std::string>{"b1", "b3", "odd-hidden"}));
  EXPECT_EQ(Names(Build("bitcoin", true)),
            (std::vector<std::string>{"b1", "b3", "hidden", "odd-hidden"}));

  const FaucetList list = Build("bitcoin");
  EXPECT_EQ(list.items[0], &index_.Row(6));
  EXPECT_EQ(list.items[1], &index_.Row(1));
}

TEST_F(FaucetListTest, EmptyIndexGivesAnEmptyList) {
  const FaucetList list = Build("bitcoin", true, {4, 1, 1});
  EXPECT_TRUE(list.items.empty());
  EXPECT_EQ(list.countText, u"0 items");
  EXPECT_TRUE(list.reselect.empty());
}

TEST_F(FaucetListTest, CountTextEndsInTheSortText) {
  for (int i = 0; i < 12; ++i) Add("bitcoin", "f" + std::to_string(i), std::to_string(i));
  EXPECT_EQ(Build("bitcoin", false, {4, 1, 1}).countText,
            u"12 items sorted in descending order by last payout");
  const FaucetList byPosition = Build("bitcoin", false, {0, 1, 1});
  EXPECT_EQ(byPosition.countText, u"12 items ");
  EXPECT_EQ(byPosition.sortDescription, u"");
  EXPECT_EQ(Build("bitcoin", false, {2, 0, 1}).sortDescription,
            u"sorted in ascending alphabetical order");
}

TEST_F(FaucetListTest, CountWordFollowsTheCount) {
  struct Case {
    int count;
    const char16_t* want;
  } cases[] = {
      {0, u"0 #65082"},     {1, u"1 #65097"},     {2, u"2 #65083 S"},   {4, u"4 #65083 S"},
      {5, u"5 #65082 S"},   {11, u"11 #65082 S"}, {14, u"14 #65082 S"}, {21, u"21 #65097 S"},
      {22, u"22 #65083 S"}, {24, u"24 #65083 S"}, {25, u"25 #65082 S"}, {30, u"30 #65082 S"},
      {31, u"31 #65097 S"}, {-1, u"-1 #65082"},
  };
  SetMessageLookup([](uint16_t id) { return EncodedText{"#" + std::to_string(id), 0}; });
  std::vector<std::u16string> texts;
  for (const Case& c : cases) texts.push_back(ListCountText(c.count, u"S"));
  SetMessageLookup({});
  for (size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(texts[i], cases[i].want) << cases[i].count;
  EXPECT_EQ(ListCountText(21, u"sorted"), u"21 item sorted");
  EXPECT_EQ(ListCountText(1, u"sorted"), u"1 item");
}

TEST_F(FaucetListTest, TakesCoinAndReferralFromTheRequest) {
  Add("bitcoin cash", "bch", "1");
  Add("dogecoin", "doge", "1");
  Add("nocoin", "none", "1", "", "");
  index_.Row(3).Edit(fUrl) = "";
  FaucetList tab = Build("");
  EXPECT_EQ(tab.currentCoin, "dogecoin");
  EXPECT_EQ(tab.currentReferral, "ref-dogecoin");
  EXPECT_EQ(Names(tab), std::vector<std::string>{"doge"});

  const FaucetList cash = Build("bitcoin cash");
  EXPECT_EQ(cash.currentCoin, "bitcoin cash");
  EXPECT_EQ(cash.currentReferral, "ref-bitcoin cash");

  // Not a coin key: the referral stays, and nothing is remembered, so a row
  // with an empty "Url" is selected again.
  const FaucetList other = Build("nocoin");
  EXPECT_EQ(other.currentReferral, "old-ref");
  EXPECT_EQ(other.reselect, std::vector<int>{0});
}

TEST_F(FaucetListTest, SelectsTheRememberedRowsAgain) {
  Add("bitcoin", "a", "1", "", "http://a.example/?r=");
  Add("bitcoin", "b", "2", "", "http://b.example/");
  Add("bitcoin", "c", "3", "", "http://a.example/?r=");
  Add("bitcoin", "d", "4", "", "");
  Add("dogecoin", "e", "1", "", "http://b.example/");
  EXPECT_TRUE(Build("bitcoin").reselect.empty());

  lastUrls_["bitcoin"] = "http://a.example/?r=";
  EXPECT_EQ(Build("bitcoin").reselect, (std::vector<int>{0, 2}));
  EXPECT_EQ(Build("bitcoin", false, {0, 1, 1}).reselect, (std::vector<int>{1, 3}));
  lastUrls_["bitcoin"] = "http://A.example/?r=";
  EXPECT_TRUE(Build("bitcoin").reselect.empty());
  lastUrls_["bitcoin"] = "http://b.example/";
  EXPECT_EQ(Build("bitcoin").reselect, std::vector<int>{1});
  EXPECT_TRUE(Build("dogecoin").reselect.empty());
}

TEST_F(FaucetListTest, WorksWithoutOptionalInputs) {
  Add("", "blank coin", "1");
  FaucetListRequest request;
  const FaucetList list = BuildFaucetList(index_, request, collator_);
  EXPECT_EQ(list.currentCoin, "");
  EXPECT_EQ(Names(list), std::vector<std::string>{"blank coin"});
  EXPECT_EQ(list.countText, u"1 item");
}

}  // namespace
}  // namespace trelio

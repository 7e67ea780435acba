#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/core/index/FaucetItem.h"

namespace trelio {
namespace {

// The rows of a coin as a look at every row finds them.
std::vector<int> ScannedRowsOf(const FaucetIndex& index, const std::string& coin) {
  std::vector<int> rows;
  for (int r = 1; r < index.RowCount(); ++r)
    if (index.Row(r)[fCurrency] == coin) rows.push_back(r);
  return rows;
}

TEST(FaucetIndexTest, RowsStayInPlaceAcrossManyAppends) {
  FaucetIndex index;
  std::vector<const FaucetItem*> seen{&index.Row(0)};
  for (int r = 1; r <= 2000; ++r) {
    FaucetItem& row = index.Append();
    row.Edit(fName) = std::to_string(r);
    seen.push_back(&row);
  }
  for (int r = 0; r <= 2000; ++r) ASSERT_EQ(&index.Row(r), seen[size_t(r)]) << r;
  EXPECT_EQ(index.Row(2000)[fName], "2000");
  EXPECT_THROW(index.Row(2001), std::out_of_range);
  EXPECT_THROW(index.Row(-1), std::out_of_range);
  // A moved index keeps its rows where they were; the old one is empty.
  FaucetIndex moved = std::move(index);
  EXPECT_EQ(&moved.Row(1500), seen[1500]);
  EXPECT_EQ(index.RowCount(), 1);
  EXPECT_EQ(index.Row(0)[fCurrency], "Currency");
}

// The list finds a coin's rows in a table of its own; every way the coin of a
// row can change must reach it, and so must every edit the change count.
TEST(FaucetIndexTest, TheRowsOfEachCoinAndTheChangeCountFollowEveryChange) {
  FaucetIndex index;
  const auto add = [&](const std::string& coin) { index.Append().Edit(fCurrency) = coin; };
  for (int r = 0; r < 600; ++r) add(r % 3 ? "bitcoin" : "dash");
  const struct {
    const char* what;
    std::function<void()> change;
  } changes[] = {
      {"a coin edited", [&] { index.Row(5).Edit(fCurrency) = "dash"; }},
      {"another field edited", [&] { index.Row(7).Edit(fName) = "dash"; }},
      {"appended", [&] { add("dash"); }},
      {"appended empty", [&] { index.Append(); }},
      {"all fields", [&] { index.Row(8).EditFields()[fCurrency] = "tron"; }},
      {"a row assigned", [&] { index.Row(9) = index.Row(3); }},
      {"a row moved in",
       [&] {
         FaucetItem row;
         row.Edit(fCurrency) = "tron";
         index.Row(10) = std::move(row);
       }},
      {"another index moved in",
       [&] {
         FaucetIndex other;
         for (int r = 0; r < 300; ++r) other.Append().Edit(fCurrency) = r % 2 ? "tron" : "dash";
         index = std::move(other);
       }},
      {"cleared", [&] { index.Clear(); }},
      {"filled again", [&] { add("bitcoin"); }},
  };
  for (const auto& c : changes) {
    // Asked before the change, so a stale table would show.
    for (const char* coin : {"bitcoin", "dash", "tron", ""}) index.RowsOfCoin(coin);
    const uint64_t before = index.ChangeCount();
    c.change();
    EXPECT_NE(index.ChangeCount(), before) << c.what;
    for (const char* coin : {"bitcoin", "dash", "tron", "", "Bitcoin"})
      EXPECT_EQ(index.RowsOfCoin(coin), ScannedRowsOf(index, coin)) << c.what << " " << coin;
  }
  // Reading, through any row, is no change.
  const uint64_t count = index.ChangeCount();
  FaucetItem& row = index.Row(1);
  EXPECT_EQ(row[fCurrency], "bitcoin");
  EXPECT_EQ(row.Fields()[fCurrency], "bitcoin");
  EXPECT_EQ(index.ChangeCount(), count);
}

}  // namespace
}  // namespace trelio

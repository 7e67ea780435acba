#include <gtest/gtest.h>

#include <array>
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
      {"all fields", [&] { FaucetItem::FieldFiller(index.Row(8)).Append("tron"); }},
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

// A row's fields, each a text of its own length, so that a shift shows.
std::array<std::string, kFaucetFieldCount> DistinctFields() {
  std::array<std::string, kFaucetFieldCount> fields;
  for (int f = 0; f < kFaucetFieldCount; ++f)
    fields[size_t(f)] = std::string(size_t(f % 5), 'a' + char(f)) + std::to_string(f);
  return fields;
}

void Fill(FaucetItem& row, const std::array<std::string, kFaucetFieldCount>& fields) {
  FaucetItem::FieldFiller filler(row);
  for (const std::string& text : fields) filler.Append(text);
}

std::array<std::string, kFaucetFieldCount> TextsOf(const FaucetItem& row) {
  std::array<std::string, kFaucetFieldCount> texts;
  for (int f = 0; f < kFaucetFieldCount; ++f) texts[size_t(f)] = std::string(row[FaucetField(f)]);
  return texts;
}

// A field lies among the others in one text: writing it must move the bytes
// after it and leave every other field as it was, at the ends of the text as
// in its middle, and tell the index once.
TEST(FaucetIndexTest, WritingAFieldChangesThatFieldAloneAndTellsTheIndexOnce) {
  const std::string longText(300, 'x');
  const struct {
    const char* what;
    FaucetField field;
    std::function<void(FaucetItem&)> write;
    std::string expected;
  } cases[] = {
      {"first grows", fCurrency, [&](FaucetItem& r) { r.Edit(fCurrency) = longText; }, longText},
      {"first emptied", fCurrency, [](FaucetItem& r) { r.Edit(fCurrency).clear(); }, ""},
      {"middle grows", fLock, [](FaucetItem& r) { r.Edit(fLock) = "http://a.example/?r=1"; },
       "http://a.example/?r=1"},
      {"middle shrinks", fUrl, [](FaucetItem& r) { r.Edit(fUrl).assign(1, '1'); }, "1"},
      {"middle from a string", fName, [](FaucetItem& r) { r.Edit(fName) = std::string("named"); },
       "named"},
      {"middle emptied", fTimestamp, [](FaucetItem& r) { r.Edit(fTimestamp) = ""; }, ""},
      {"last grows", fFavorite, [&](FaucetItem& r) { r.Edit(fFavorite) = longText; }, longText},
      {"last emptied", fFavorite, [](FaucetItem& r) { r.Edit(fFavorite).clear(); }, ""},
      {"from a later field of the row", fInterval,
       [](FaucetItem& r) { r.Edit(fInterval) = r[fNoPay]; }, DistinctFields()[fNoPay]},
      {"from an earlier field of the row", fPayoutsCount,
       [](FaucetItem& r) { r.Edit(fPayoutsCount) = r[fName]; }, DistinctFields()[fName]},
      {"from a part of itself", fLastPayout3,
       [](FaucetItem& r) { r.Edit(fLastPayout3) = r[fLastPayout3].substr(1); },
       DistinctFields()[fLastPayout3].substr(1)},
  };
  for (const auto& c : cases) {
    FaucetIndex index;
    FaucetItem& row = index.Append();
    Fill(row, DistinctFields());
    index.RowsOfCoin("");
    const uint64_t before = index.ChangeCount();
    c.write(row);
    std::array<std::string, kFaucetFieldCount> expected = DistinctFields();
    expected[size_t(c.field)] = c.expected;
    EXPECT_EQ(TextsOf(row), expected) << c.what;
    EXPECT_EQ(index.ChangeCount(), before + 1) << c.what;
    const std::vector<int> coinRows = index.RowsOfCoin(row[fCurrency]);
    EXPECT_EQ(coinRows, std::vector<int>{1}) << c.what;
    // Written again, back to where it was: nothing left over of the first.
    row.Edit(c.field) = DistinctFields()[size_t(c.field)];
    EXPECT_EQ(TextsOf(row), DistinctFields()) << c.what;
  }
}

// A copy holds the same fields in no index; assigned back, the row is an
// edit of its index, and a row filled by halves has its other fields empty.
TEST(FaucetIndexTest, ARowCopiedOutOfItsIndexAndBackKeepsItsFields) {
  FaucetIndex index;
  for (int r = 0; r < 3; ++r) Fill(index.Append(), DistinctFields());
  FaucetItem copy = index.Row(2);
  const uint64_t before = index.ChangeCount();
  copy.Edit(fName) = "renamed";
  copy.Edit(fCurrency) = "tron";
  EXPECT_EQ(index.ChangeCount(), before);
  EXPECT_EQ(TextsOf(index.Row(2)), DistinctFields());

  index.Row(3) = copy;
  EXPECT_GT(index.ChangeCount(), before);
  EXPECT_EQ(index.RowsOfCoin("tron"), std::vector<int>{3});
  std::array<std::string, kFaucetFieldCount> expected = DistinctFields();
  expected[fName] = "renamed";
  expected[fCurrency] = "tron";
  EXPECT_EQ(TextsOf(index.Row(3)), expected);

  FaucetItem moved = std::move(copy);
  EXPECT_EQ(TextsOf(moved), expected);
  index.Row(1) = std::move(moved);
  EXPECT_EQ(TextsOf(index.Row(1)), expected);
  EXPECT_EQ(index.RowsOfCoin("tron"), (std::vector<int>{1, 3}));

  {
    FaucetItem::FieldFiller filler(index.Row(1));
    filler.Append("dash");
    filler.Append("half");
  }
  std::array<std::string, kFaucetFieldCount> half{};
  half[fCurrency] = "dash";
  half[fName] = "half";
  EXPECT_EQ(TextsOf(index.Row(1)), half);
  EXPECT_EQ(index.RowsOfCoin("dash"), std::vector<int>{1});
}

}  // namespace
}  // namespace trelio

#include "app/core/list/ListOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "app/core/text/Numbers.h"

namespace trelio {
namespace {

struct SortRow {
  std::string name{};
  bool favourite = false;
  std::string noPay{}, hidden{};
  std::string position{}, interval{}, payout{};
};

FaucetItem MakeRow(const SortRow& s) {
  FaucetItem row;
  row.Edit(fCurrency) = "bitcoin";
  row.Edit(fName) = s.name;
  row.Edit(fFavorite) = s.favourite ? "1" : "";
  row.Edit(fNoPay) = s.noPay;
  row.Edit(fHidden) = s.hidden;
  row.Edit(fPosition) = s.position;
  row.Edit(fInterval) = s.interval;
  for (FaucetField f : {fTotalPayout, fLastPayout, fMovingAveragePayout, fAveragePayout})
    row.Edit(f) = s.payout;
  return row;
}

// The names of the rows in the order the list sorts them.
std::vector<std::string> SortedNames(const std::vector<SortRow>& sortRows,
                                     const SortOptions& options, const NameCollator& collator) {
  std::vector<FaucetItem> rows;
  for (const SortRow& s : sortRows) rows.push_back(MakeRow(s));
  std::vector<ListSortKey> keys;
  for (FaucetItem& r : rows) keys.push_back(MakeListSortKey(r, options, collator));
  std::sort(keys.begin(), keys.end(), [&](const ListSortKey& a, const ListSortKey& b) {
    return CompareListItems(a, b, options) < 0;
  });
  std::vector<std::string> names;
  for (const ListSortKey& k : keys) names.emplace_back((*k.row)[fName]);
  return names;
}

int Compare(const SortRow& a, const SortRow& b, const SortOptions& options) {
  FaucetItem ra = MakeRow(a), rb = MakeRow(b);
  const NameCollator collator("en_US", 1252);
  return CompareListItems(MakeListSortKey(ra, options, collator),
                          MakeListSortKey(rb, options, collator), options);
}

TEST(ListOrderTest, ReadsIntegerFieldsByTheirLeadingDigits) {
  struct Case {
    const char* text;
    int32_t want;
  } cases[] = {
      {"30", 30},
      {"30x", 30},
      {"-30x", 30},
      {"-30", -30},
      {"+7", 7},
      {" 7", 7},
      {"7 ", 7},
      {"", 0},
      {"k30", 0},
      {"-", 0},
      {"$1F", 31},
      {"0x10", 16},
      {"$G", 0},
      {"1.5", 1},
      {"2147483647", INT32_MAX},
      {"-2147483648", INT32_MIN},
      {"99999999999", 999999999},
  };
  for (const Case& c : cases) EXPECT_EQ(ListIntegerField(c.text), c.want) << c.text;
}

// The group order of every sort kind, both directions, with and without hidden
// rows kept below: groups top to bottom, and inside a group the sorted value
// in the list's direction.
TEST(ListOrderTest, KeepsTheGroupOrderOfEveryKind) {
  struct Flags {
    bool favourite, noPay, hidden;
  };
  std::vector<Flags> combos;
  for (int c = 0; c < 8; ++c) combos.push_back({(c & 1) != 0, (c & 2) != 0, (c & 4) != 0});
  const NameCollator en("en_US", 1251), ru("ru_RU", 1251);
  for (const NameCollator* collator : {&en, &ru})
    for (int kind : {0, 1, 2, 3, 4, 5, 6, 9})
      for (int descending : {0, 1})
        for (int below : {0, 1}) {
          const SortOptions options{kind, descending, below};
          std::vector<SortRow> sortRows;
          // (group, value, name) of each row; values are distinct.
          std::vector<std::tuple<int, int, std::string>> expected;
          for (int k = 0; k < 24; ++k) {
            const Flags& f = combos[k / 3];
            const int v = (5 * k) % 24;
            SortRow s;
            s.name = std::string(1, char((v % 2 ? 'A' : 'a') + v)) + "faucet";
            s.favourite = f.favourite;
            s.noPay = std::string(f.noPay ? "1" : "");
            s.hidden = std::string(f.hidden ? "1" : "");
            s.position = std::to_string(kind == 0 || kind == 9 ? v : (7 * k) % 24);
            s.interval = std::to_string(v);
            s.payout = FormatAmount(v / 1000.0L);
            sortRows.push_back(s);
            int group;
            if (kind == 2)
              group = (below && (f.hidden || f.noPay) ? 2 : 0) + (f.favourite ? 0 : 1);
            else
              group = (below && f.hidden ? 4 : 0) + (f.noPay ? 2 : 0) + (f.favourite ? 0 : 1);
            expected.emplace_back(group, descending ? -v : v, s.name);
          }
          std::sort(expected.begin(), expected.end());
          std::vector<std::string> want;
          for (const auto& e : expected) want.push_back(std::get<2>(e));
          EXPECT_EQ(SortedNames(sortRows, options, *collator), want)
              << "kind " << kind << " descending " << descending << " below " << below;
        }
}

TEST(ListOrderTest, SortsByLastPayoutWithFavouritesAndPenalties) {
  const std::vector<SortRow> sortRows = {
      {"Fav0", true, "", "", "1", "", "0"},      {"Plain001", false, "", "", "2", "", "0.001"},
      {"NoPayFav", true, "1", "", "3", "", "5"}, {"HiddenFav", true, "", "1", "4", "", "9"},
      {"Big", false, "", "", "5", "", "2"},      {"Fav1", true, "", "", "6", "", " 1e0 "},
      {"Odd", false, "", "", "7", "", "abc"},    {"Minus", false, "", "", "8", "", "-0.5"},
      {"Zero", false, "", "", "9", "", ""},
  };
  const NameCollator collator("en_US", 1252);
  EXPECT_EQ(SortedNames(sortRows, {4, 1, 1}, collator),
            (std::vector<std::string>{"Fav1", "Fav0", "Big", "Plain001", "Zero", "Odd", "Minus",
                                      "NoPayFav", "HiddenFav"}));
  EXPECT_EQ(SortedNames(sortRows, {4, 0, 1}, collator),
            (std::vector<std::string>{"Fav0", "Fav1", "Minus", "Odd", "Zero", "Plain001", "Big",
                                      "NoPayFav", "HiddenFav"}));
  EXPECT_EQ(SortedNames(sortRows, {4, 1, 0}, collator),
            (std::vector<std::string>{"HiddenFav", "Fav1", "Fav0", "Big", "Plain001", "Zero", "Odd",
                                      "Minus", "NoPayFav"}));
}

TEST(ListOrderTest, SortsAlphabeticallyInGroups) {
  const std::vector<SortRow> sortRows = {
      {"beta", true},
      {"Alpha", true},
      {"gamma"},
      {"Delta"},
      {"10 coins"},
      {"Aardvark", true, "2"},
      {"Omega", false, "", "1"},
      {"zulu", true, "", "1"},
  };
  const NameCollator collator("en_US", 1252);
  EXPECT_EQ(SortedNames(sortRows, {2, 0, 1}, collator),
            (std::vector<std::string>{"Alpha", "beta", "10 coins", "Delta", "gamma", "Aardvark",
                                      "zulu", "Omega"}));
  EXPECT_EQ(SortedNames(sortRows, {2, 1, 1}, collator),
            (std::vector<std::string>{"beta", "Alpha", "gamma", "Delta", "10 coins", "zulu",
                                      "Aardvark", "Omega"}));
  EXPECT_EQ(SortedNames(sortRows, {2, 0, 0}, collator),
            (std::vector<std::string>{"Aardvark", "Alpha", "beta", "zulu", "10 coins", "Delta",
                                      "gamma", "Omega"}));
}

// Names that begin with Cyrillic letters, blanks or punctuation stay in their
// group, and in a Russian locale Cyrillic names sort before Latin ones.
TEST(ListOrderTest, KeepsGroupsApartWhateverTheNameBeginsWith) {
  // cp1251: "\xDF\xED\xE4\xE5\xEA\xF1" = "Яндекс", "\xFE\xEB\xE0" = "юла".
  const std::vector<SortRow> sortRows = {
      {"\xDF\xED\xE4\xE5\xEA\xF1", true},
      {"!Bang", true},
      {" Blank", true},
      {"Moon", true},
      {"\xFE\xEB\xE0"},
      {"Apple"},
      {"-dash"},
  };
  const NameCollator ru("ru_RU", 1251);
  EXPECT_EQ(SortedNames(sortRows, {2, 0, 1}, ru),
            (std::vector<std::string>{" Blank", "!Bang", "\xDF\xED\xE4\xE5\xEA\xF1", "Moon",
                                      "-dash", "\xFE\xEB\xE0", "Apple"}));
  EXPECT_EQ(SortedNames(sortRows, {2, 1, 1}, ru),
            (std::vector<std::string>{"Moon", "\xDF\xED\xE4\xE5\xEA\xF1", "!Bang", " Blank",
                                      "Apple", "\xFE\xEB\xE0", "-dash"}));
}

TEST(ListOrderTest, ComparesPairsWithTieBreaks) {
  struct Case {
    const char* what;
    SortRow a, b;
    SortOptions options;
    int want;
  } cases[] = {
      {"equal interval, position ascending",
       {"A", false, "", "", "1", "10"},
       {"B", false, "", "", "2", "10x"},
       {1, 0, 1},
       -1},
      {"equal interval, position descending",
       {"A", false, "", "", "1", "10"},
       {"B", false, "", "", "2", "10x"},
       {1, 1, 1},
       1},
      {"equal interval and position",
       {"A", false, "", "", "3", "10"},
       {"B", false, "", "", "3", "10"},
       {1, 1, 1},
       0},
      {"-30x as 30",
       {"A", false, "", "", "", "-30x"},
       {"B", false, "", "", "", "29"},
       {1, 0, 1},
       1},
      {"-30 below 0", {"A", false, "", "", "", "-30"}, {"B", false, "", "", "", ""}, {1, 0, 1}, -1},
      {"no leading digits as 0",
       {"A", false, "", "", "", "abc"},
       {"B", false, "", "", "", "0"},
       {1, 0, 1},
       0},
      {"equal payout, position descending",
       {"A", false, "", "", "1", "", "0.1"},
       {"B", false, "", "", "2", "", ".1"},
       {3, 1, 1},
       1},
      {"equal position, default sorting",
       {"A", false, "", "", "4"},
       {"B", false, "", "", "4"},
       {0, 0, 1},
       0},
      {"kind 9 by position",
       {"A", false, "", "", "5", "1"},
       {"B", false, "", "", "4", "9"},
       {9, 0, 1},
       1},
      {"names differing in case", {"moon", false}, {"MOON", false}, {2, 0, 1}, 0},
      {"names differing in case, descending", {"moon", false}, {"MOON", false}, {2, 1, 1}, 0},
      {"beyond ten steps the key decides",
       {"Fav", true, "", "", "700000"},
       {"Other", false, "", "", "0"},
       {0, 0, 1},
       1},
      {"hidden not below numerically",
       {"H", false, "", "1", "1"},
       {"V", false, "", "", "2"},
       {0, 0, 0},
       -1},
      {"no pay below even without hidden below",
       {"N", false, "1", "", "1"},
       {"V", false, "", "", "2"},
       {0, 0, 0},
       1},
      {"any no-pay text counts",
       {"N", true, "x", "", "1"},
       {"V", false, "", "", "2"},
       {1, 1, 1},
       1},
      {"removed counts as hidden",
       {"R", true, "", "-", "1"},
       {"V", false, "", "", "2"},
       {0, 0, 1},
       1},
  };
  for (const Case& c : cases) EXPECT_EQ(Compare(c.a, c.b, c.options), c.want) << c.what;
}

TEST(ListOrderTest, TakesAnyFieldText) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += char(b);
  const SortRow odd{all, false, all, all, all, all, all};
  const SortRow big{"x", true, "", "", "2147483647", "2147483647", "1e4000"};
  const SortRow low{"y", false, "1", "1", "-2147483648", "-2147483648", "-1e308"};
  for (int kind = -1; kind <= 7; ++kind)
    for (int descending : {0, 1}) {
      const SortOptions options{kind, descending, 1};
      EXPECT_EQ(Compare(odd, odd, options), 0) << kind;
      const int a = Compare(big, low, options), b = Compare(low, big, options);
      EXPECT_EQ(a, -b) << kind;
    }
}

// The sort compares numbers first and the keys only where they are equal, so
// the numbers must never contradict the comparison of the keys.
TEST(ListOrderTest, SortPrefixesNeverContradictTheComparison) {
  const NameCollator collator("en_US", 1252);
  std::mt19937 random(7);
  const char* const names[] = {"",          "a",        "A", "ab",  "abc",  "abcdefgh",
                               "abcdefgi",  "Abcdefgh", "b", "z 1", "z 10", "z 2",
                               "\xE9t\xE9", "etc",      "0", " x",  "!x",   "aaaaaaaaaa"};
  const char* const positions[] = {"", "0", "1", "2", "-5", "65536", "x", "2147483647"};
  std::vector<SortRow> sortRows;
  for (const char* name : names)
    for (int v = 0; v < 4; ++v)
      sortRows.push_back({name, v % 2 == 1, v == 2 ? "1" : "", v == 3 ? "1" : "",
                          positions[random() % std::size(positions)], "", ""});
  for (const int kind : {0, 1, 2, 4})
    for (const int descending : {0, 1})
      for (const int below : {0, 1}) {
        const SortOptions options{kind, descending, below};
        std::vector<FaucetItem> rows;
        for (const SortRow& s : sortRows) rows.push_back(MakeRow(s));
        std::vector<ListSortKey> keys;
        for (FaucetItem& r : rows) keys.push_back(MakeListSortKey(r, options, collator));
        for (const ListSortKey& a : keys)
          for (const ListSortKey& b : keys) {
            const uint64_t pa = ListSortPrefix(a, options), pb = ListSortPrefix(b, options);
            if (pa == pb) continue;
            EXPECT_EQ(CompareListItems(a, b, options), pa < pb ? -1 : 1)
                << kind << descending << below << " " << (*a.row)[fName] << " | "
                << (*b.row)[fName];
          }
      }
}

}  // namespace
}  // namespace trelio

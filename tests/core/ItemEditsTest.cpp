#include "app/core/items/ItemEdits.h"

#include <gtest/gtest.h>

#include <set>

#include "app/core/text/Messages.h"

namespace trelio {
namespace {

const std::u16string kUrlMissing = MessageText(msgUrlNotEntered) + u".";
const std::u16string kUrlKnown = MessageText(msgUrlAlreadyExists) + u".";
const std::u16string kNameMissing = MessageText(msgNameNotEntered) + u".";
const std::u16string kIntervalMissing = MessageText(msgIntervalNotEntered) + u".";

TEST(ItemEditsTest, SavedNamesLoseEverySemicolon) {
  FaucetItem current;
  current.Edit(fUrl) = "http://a.example/";
  const struct {
    std::string name, saved;
  } cases[] = {
      {"a;b;;c;", "abc"}, {";;;", ""}, {std::string("\0;\xff", 3), std::string("\0\xff", 2)}};
  for (const auto& c : cases)
    EXPECT_EQ(CheckSavedItem(current, {"", c.name, "5", ""}).edits.name, c.saved) << c.name;
}

TEST(ItemEditsTest, NewItemChecksJoinTheirMessagesByLfCr) {
  const std::set<std::string> known = {"http://known.io/"};
  const auto inIndex = [&](const std::string& key) { return known.count(key) > 0; };
  const struct {
    ItemEdits edits;
    std::u16string errors;
    std::string interval;  // as the edit shows it afterwards
  } cases[] = {
      {{"", "", "", ""}, kUrlMissing + u"\n\r" + kNameMissing + u"\n\r" + kIntervalMissing, ""},
      {{"?r=1", "n", "5", ""}, kUrlMissing, "5"},
      {{"http://known.io/?r=me", "", "", ""}, kUrlKnown, ""},
      {{"http://known.io/", "n", "x", ""}, kUrlKnown, "x"},
      {{"http://new.io/", "", "5", ""}, kNameMissing, "5"},
      {{"http://new.io/", ";;", "5", ""}, kNameMissing, "5"},
      {{"http://new.io/", "n", "", ""}, kIntervalMissing, ""},
      {{"http://new.io/", "n", "0", ""}, kIntervalMissing, "0"},
      {{"http://new.io/", "n", "5 min", ""}, kIntervalMissing, ""},
      {{"http://new.io/", "", "abc", ""}, kNameMissing + u"\n\r" + kIntervalMissing, ""},
      {{"http://new.io/", "n", "-5", ""}, u"", "-5"},
      {{"http://new.io/", "n", "60", ""}, u"", "60"},
  };
  for (const auto& c : cases) {
    const CheckedItem checked = CheckNewItem(c.edits, inIndex);
    EXPECT_EQ(checked.errors, c.errors) << c.edits.url << "|" << c.edits.interval;
    EXPECT_EQ(checked.edits.interval, c.interval) << c.edits.url << "|" << c.edits.interval;
  }
}

TEST(ItemEditsTest, NewItemKeepsItsQueryOnlyWithTheReferralPlaceholder) {
  const struct {
    const char* typed;
    const char* url;
    const char* key;
  } cases[] = {
      {"http://a.io/?r=abc", "http://a.io/", "http://a.io/"},
      {"http://a.io/?r={R}", "http://a.io/?r={R}", "http://a.io/"},
      {"http://a.io/ref/abc", "http://a.io", "http://a.io"},
      {"http://a.io/{R}", "http://a.io/{R}", "http://a.io/"},
      {"http://a.io/x", "http://a.io/x", "http://a.io/x"},
      // A ";" of a URL goes in percent-encoded, never as a field separator.
      {"http://a.io/x;y?r={R};", "http://a.io/x%3By?r={R}%3B", "http://a.io/x%3By"},
      {"http://a.io/\r\nx\x1a", "http://a.io/x", "http://a.io/x"},
  };
  for (const auto& c : cases) {
    const CheckedItem checked = CheckNewItem({c.typed, "n", "5", ""}, nullptr);
    EXPECT_EQ(checked.errors, u"") << c.typed;
    EXPECT_EQ(checked.url, c.url) << c.typed;
    EXPECT_EQ(checked.key, c.key) << c.typed;
    EXPECT_EQ(checked.edits.url, c.key) << c.typed;
  }
}

TEST(ItemEditsTest, StoredTextsCannotBreakAnIndexLine) {
  const ItemEdits edits{"http://a.io/", "a;b\r\nc\x1a", "5", "in;put\n"};
  const CheckedItem added = CheckNewItem(edits, nullptr);
  EXPECT_EQ(added.edits.name, "abc");
  EXPECT_EQ(added.edits.input, "input");
  FaucetItem row;
  row.Edit(fUrl) = "http://a.io/?r={R}";
  const CheckedItem saved = CheckSavedItem(row, edits);
  EXPECT_EQ(saved.edits.name, "abc");
  EXPECT_EQ(saved.edits.input, "input");

  std::string every;
  for (int b = 0; b < 256; ++b) every += char(b);
  const CheckedItem binary = CheckNewItem({"h" + every, every, every, every}, nullptr);
  for (const std::string& text : {binary.url, binary.key, binary.edits.name, binary.edits.input})
    EXPECT_EQ(text.find_first_of(std::string(";\r\n\x1a")), std::string::npos) << text;
  EXPECT_EQ(binary.edits.name.size(), 256u - 4);
}

TEST(ItemEditsTest, NewRowTakesTheCheckedEdits) {
  FaucetIndex index;
  index.Append();
  const CheckedItem checked =
      CheckNewItem({"http://a.io/?r={R}", "My;faucet", "60", "addr"}, nullptr);
  ASSERT_EQ(checked.errors, u"");
  const int r = AppendNewItem(index, "bitcoin", checked, true, 1700000000);
  ASSERT_EQ(r, 2);
  FaucetItem expected;
  expected.Edit(fCurrency) = "bitcoin";
  expected.Edit(fName) = "Myfaucet";
  expected.Edit(fUrl) = "http://a.io/?r={R}";
  expected.Edit(fInterval) = "60";
  expected.Edit(fInput) = "addr";
  expected.Edit(fTimestamp) = "1700000000";
  expected.Edit(fPosition) = "2";
  expected.Edit(fLock) = "1";
  EXPECT_EQ(index.Row(r).Fields(), expected.Fields());
  AppendNewItem(index, "dash", checked, false, 0);
  EXPECT_EQ(index.Row(3)[fLock], "");
  EXPECT_EQ(index.Row(3)[fPosition], "3");
}

TEST(ItemEditsTest, SavingKeepsTheRowsUrlAndChecksNameAndInterval) {
  FaucetItem row;
  row.Edit(fUrl) = "http://a.io/?r={R}";
  row.Edit(fName) = "old";
  row.Edit(fInput) = "old";
  CheckedItem checked = CheckSavedItem(row, {"http://typed.io/", "", "0", ""});
  EXPECT_EQ(checked.errors, kNameMissing + u"\n\r" + kIntervalMissing);
  EXPECT_EQ(checked.edits.url, "http://a.io/");
  checked = CheckSavedItem(row, {"http://typed.io/", "New;name", "-5", ""});
  ASSERT_EQ(checked.errors, u"");
  StoreSavedItem(row, checked);
  EXPECT_EQ(row[fName], "Newname");
  EXPECT_EQ(row[fInterval], "-5");
  EXPECT_EQ(row[fInput], "");
  EXPECT_EQ(row[fUrl], "http://a.io/?r={R}");
}

}  // namespace
}  // namespace trelio

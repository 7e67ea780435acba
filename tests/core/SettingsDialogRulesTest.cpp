#include "app/core/settings/SettingsDialogRules.h"

#include <gtest/gtest.h>

namespace trelio {
namespace {

TEST(SettingsDialogRulesTest, BoxesShowWhatIsInForceAndWriteOneOrZero) {
  AppSettings s;
  s.blockPopups = 2;  // blocks, as any value above 0
  s.alwaysOnTop = 2;  // not topmost, as any value but 1
  s.updatingWithShowingHiddenItems = 1;
  s.processResultsWithoutPayment = 1;
  const DialogOptions shown = DialogOptionsOf(s);
  EXPECT_TRUE(shown.blockPopups);
  EXPECT_FALSE(shown.alwaysOnTop);
  EXPECT_EQ(shown.updating, (UpdatingChecks{true, false, false}));
  EXPECT_TRUE(shown.processResultsWithoutPayment);

  ApplyDialogOptions(s, shown);
  EXPECT_EQ(s.blockPopups, 1);
  EXPECT_EQ(s.alwaysOnTop, 0);
  EXPECT_EQ(s.updatingWithShowingHiddenItems, 1);
  EXPECT_EQ(s.hidingBeforeUpdating, 0);
  EXPECT_EQ(s.clearingBeforeUpdating, 0);
  EXPECT_EQ(s.processResultsWithoutPayment, 1);
}

TEST(SettingsDialogRulesTest, GridHasOneRowPerMessage) {
  using Rows = std::vector<NoPayRow>;
  struct Case {
    const char* messages;
    const char* intervals;
    Rows rows;
  } const cases[] = {
      {"insufficient funds|daily limit|try later",
       "1440",
       {{"insufficient funds", "1440"}, {"daily limit", ""}, {"try later", ""}}},
      {"a|b", "10,20,30,40", {{"a", "10"}, {"b", "20"}}},
      {"a||c", ",5,", {{"a", ""}, {"", "5"}, {"c", ""}}},
      {"", "7", {{"", "7"}}},
      {"", "", {{"", ""}}},
  };
  for (const Case& c : cases) EXPECT_EQ(NoPayRows(c.messages, c.intervals), c.rows) << c.messages;
}

TEST(SettingsDialogRulesTest, IntervalsKeepWholeNumbersAboveZeroOnePositionPerRow) {
  using Cells = std::vector<std::string>;
  struct Case {
    Cells cells;
    const char* result;  // with the previous list "99"
  } const cases[] = {
      {{"1440", "", ""}, "1440,,"},
      {{"abc", "0", "-5", "  7"}, ",,,  7"},
      {{"7 ", "7x", "+8", "$10"}, ",,+8,$10"},
      {{"60", "30"}, "60,30"},
      {{""}, "99"},     // a single message whose cell was emptied
      {{"0"}, "99"},    // or not kept
      {{}, "99"},       // no rows at all
      {{"", ""}, ","},  // two empty positions are a list of their own
      {{"5"}, "5"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NoPayIntervalsFromCells(c.cells, "99"), c.result) << int(&c - cases);
  }
}

}  // namespace
}  // namespace trelio

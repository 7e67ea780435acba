#include "app/core/list/ListSortOptions.h"

#include <gtest/gtest.h>

#include "app/core/text/Messages.h"

namespace trelio {
namespace {

TEST(ListSortOptionsTest, DescribesEachKindAndOrder) {
  struct Case {
    int32_t kind, descending;
    const char16_t* want;
  } cases[] = {
      {0, 1, u""},
      {0, 0, u""},
      {1, 1, u"sorted in descending order by interval"},
      {1, 0, u"sorted in ascending order by interval"},
      {2, 1, u"sorted in descending alphabetical order"},
      {2, 0, u"sorted in ascending alphabetical order"},
      {3, 1, u"sorted in descending order by total payout"},
      {3, 0, u"sorted in ascending order by total payout"},
      {4, 1, u"sorted in descending order by last payout"},
      {4, 0, u"sorted in ascending order by last payout"},
      {5, 1, u"sorted in descending order by moving average payout"},
      {5, 0, u"sorted in ascending order by moving average payout"},
      {6, 1, u"sorted in descending order by average payout"},
      {6, 0, u"sorted in ascending order by average payout"},
      {4, 2, u"sorted in ascending order by last payout"},
      {4, -1, u"sorted in ascending order by last payout"},
      {7, 1, u""},
      {9, 0, u""},
      {-1, 1, u""},
      {INT32_MIN, 1, u""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SortDescription({c.kind, c.descending, 1}), c.want) << c.kind << "/" << c.descending;
}

TEST(ListSortOptionsTest, TakesTheTextOfTheActiveLanguage) {
  SetMessageLookup([](uint16_t id) { return EncodedText{"#" + std::to_string(id), 0}; });
  const std::u16string desc = SortDescription({6, 1, 0});
  const std::u16string asc = SortDescription({1, 0, 0});
  SetMessageLookup({});
  EXPECT_EQ(desc, u"#65115");
  EXPECT_EQ(asc, u"#65106");
}

TEST(ListSortOptionsTest, ReadsKindAndFlagsLeniently) {
  const SortOptions defaults;
  EXPECT_EQ(defaults.Kind(), 4);
  EXPECT_TRUE(defaults.Descending());
  EXPECT_TRUE(defaults.HiddenBelow());
  const SortOptions odd{9, 2, -1};
  EXPECT_EQ(odd.Kind(), 0);
  EXPECT_FALSE(odd.Descending());
  EXPECT_FALSE(odd.HiddenBelow());

  EXPECT_EQ(SortKindFromChecked({}), 0);
  EXPECT_EQ(SortKindFromChecked({false, false, false, false, false, true}), 6);
  EXPECT_EQ(SortKindFromChecked({false, true, false, true, false, false}), 2);
  EXPECT_EQ(SortKindFromChecked({true, true, true, true, true, true}), 1);
}

}  // namespace
}  // namespace trelio

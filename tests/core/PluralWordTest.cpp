#include "app/core/list/PluralWord.h"

#include <gtest/gtest.h>

namespace trelio {
namespace {

TEST(PluralWordTest, FollowsTheRussianRule) {
  struct Case {
    int64_t count;
    const char16_t* want;
  } cases[] = {
      {0, u"many"},         {1, u"one"},   {2, u"few"},    {4, u"few"},    {5, u"many"},
      {10, u"many"},        {11, u"many"}, {12, u"many"},  {14, u"many"},  {20, u"many"},
      {21, u"one"},         {22, u"few"},  {24, u"few"},   {25, u"many"},  {30, u"many"},
      {31, u"one"},         {101, u"one"}, {111, u"many"}, {112, u"many"}, {1002, u"few"},
      {1000001, u"one"},    {-1, u"many"}, {-2, u"many"},  {-21, u"many"}, {INT64_MIN, u"many"},
      {INT64_MAX, u"many"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PluralWord(c.count, u"one", u"many", u"few"), c.want) << c.count;
}

}  // namespace
}  // namespace trelio

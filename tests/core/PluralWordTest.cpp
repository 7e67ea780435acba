#include "app/core/list/PluralWord.h"

#include <gtest/gtest.h>

namespace trelio {
namespace {

TEST(PluralWordTest, FollowsTheRussianRule) {
  struct Case {
    int64_t count;
    const char* want;
  } cases[] = {
      {0, "many"},         {1, "one"},   {2, "few"},    {4, "few"},    {5, "many"},
      {10, "many"},        {11, "many"}, {12, "many"},  {14, "many"},  {20, "many"},
      {21, "one"},         {22, "few"},  {24, "few"},   {25, "many"},  {30, "many"},
      {31, "one"},         {101, "one"}, {111, "many"}, {112, "many"}, {1002, "few"},
      {1000001, "one"},    {-1, "many"}, {-2, "many"},  {-21, "many"}, {INT64_MIN, "many"},
      {INT64_MAX, "many"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PluralWord(c.count, "one", "many", "few"), c.want) << c.count;
}

}  // namespace
}  // namespace trelio

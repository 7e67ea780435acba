#include "app/core/text/TextSplit.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace trelio {
namespace {

TEST(TextSplitTest, SplitTextKeepsEveryPiece) {
  const struct {
    const char* delimiter;
    const char* text;
    std::vector<std::string> pieces;
  } cases[] = {
      {"|", "", {""}},
      {"|", "a||b", {"a", "", "b"}},
      {"|", "a|b|", {"a", "b", ""}},
      {"|", "|", {"", ""}},
      {"|", "abc", {"abc"}},
      {"", "a|b", {"a|b"}},
      {", ", "1, 2,3", {"1", "2,3"}},
      {",", "1440,,60", {"1440", "", "60"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SplitText(c.delimiter, c.text), c.pieces) << c.delimiter << " " << c.text;
}

TEST(TextSplitTest, PosFromIsOneBasedAndZeroOutsideTheText) {
  const struct {
    const char* text;
    const char* sub;
    int64_t offset;
    int64_t pos;
  } cases[] = {
      {"abcabc", "bc", 3, 5}, {"abcabc", "bc", 1, 2},     {"abcabc", "bc", 2, 2},
      {"abcabc", "bc", 6, 0}, {"abc", "c", 3, 3},         {"abc", "bc", 3, 0},
      {"abc", "abcd", 1, 0},  {"abc", "a", 0, 0},         {"abc", "a", -5, 0},
      {"abc", "a", 4, 0},     {"abc", "", 1, 0},          {"", "a", 1, 0},
      {"", "", 1, 0},         {"abc", "a", INT64_MAX, 0}, {"aBc", "b", 1, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PosFrom(c.text, c.sub, c.offset), c.pos) << c.text << " " << c.sub << " " << c.offset;
}

TEST(TextSplitTest, PosFromComparesBytesIncludingNul) {
  const std::string text("a\0b\xff", 4);
  EXPECT_EQ(PosFrom(text, std::string("\0b", 2), 1), 2);
  EXPECT_EQ(PosFrom(text, "\xff", 1), 4);
}

}  // namespace
}  // namespace trelio

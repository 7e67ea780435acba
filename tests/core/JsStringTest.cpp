#include "app/core/page/JsString.h"

#include <gtest/gtest.h>

namespace trelio {
namespace {

TEST(JsStringTest, EscapesEverythingThatCouldEndTheLiteralOrTheLine) {
  const struct {
    std::u16string text;
    const char* expected;
  } cases[] = {
      {u"", ""},
      {u"1BvBMSEYstWetqTFn5Au4m4GFg7xJaNVN2", "1BvBMSEYstWetqTFn5Au4m4GFg7xJaNVN2"},
      {u"a b-c_d.e:f/g?h=i&j%k;l", "a b-c_d.e:f/g?h=i&j%k;l"},
      {u"\"'\\", "\\\"\\'\\\\"},
      {u"\r\n\t", "\\u000D\\u000A\\u0009"},
      {u"\u2028\u2029", "\\u2028\\u2029"},
      {u"</script>", "\\u003C/script\\u003E"},
      {u"`${x}`", "\\u0060${x}\\u0060"},
      {std::u16string(u"\0\x7f", 2), "\\u0000\\u007F"},
      {u"\u00e9\u0436\uFFFD", "\\u00E9\\u0436\\uFFFD"},
      {u"\U0001F600", "\\uD83D\\uDE00"},
  };
  for (const auto& c : cases) EXPECT_EQ(JsStringContent(c.text), c.expected) << c.expected;
}

TEST(JsStringTest, GivesPlainAsciiForEveryCodeUnit) {
  std::u16string all;
  for (char32_t c = 0; c <= 0xFFFF; ++c) all += char16_t(c);
  for (char c : JsStringContent(all)) ASSERT_TRUE(c >= 0x20 && c < 0x7F) << int(c);
}

}  // namespace
}  // namespace trelio

#include "app/core/text/Numbers.h"

#include <gtest/gtest.h>

namespace trelio {
namespace {

struct WholeCase {
  const char* text;
  bool ok;
  int64_t value;
};

TEST(NumbersTest, ReadsWholeNumbersAndKeepsDigitsBeforeABadCharacter) {
  const WholeCase cases[] = {
      {"42", true, 42},
      {"  -17", true, -17},
      {"+5", true, 5},
      {"$1F", true, 31},
      {"x10", true, 16},
      {"0x10", true, 16},
      {"0XfF", true, 255},
      {"$FFFFFFFF", true, -1},
      {"2147483647", true, 2147483647},
      {"-2147483648", true, -2147483648LL},
      {"2147483648", false, 214748364},
      {"12abc", false, 12},
      {"12 ", false, 12},
      {"", false, 0},
      {"-", false, 0},
      {"abc", false, 0},
      {"1.5", false, 1},
      {"0x", false, 0},
  };
  for (const WholeCase& c : cases) {
    const WholeNumber n = ReadWholeNumber(c.text);
    EXPECT_EQ(n.ok, c.ok) << c.text;
    EXPECT_EQ(n.value, c.value) << c.text;
  }
  EXPECT_EQ(IntOrZero("12abc"), 0);
  EXPECT_EQ(IntOrLeadingDigits("12abc"), 12);
}

TEST(NumbersTest, ReadsDecimalsWithPointOnly) {
  const struct {
    const char* text;
    bool ok;
    long double value;
  } cases[] = {
      {"0.5", true, 0.5L},      {" 1.25 ", true, 1.25L}, {"-2", true, -2},  {"1e3", true, 1000},
      {"1.5E-2", true, 0.015L}, {".5", true, 0.5L},      {"5.", true, 5},   {"1,5", false, 0},
      {"", false, 0},           {"0x10", false, 0},      {"inf", false, 0}, {"nan", false, 0},
      {"1e", false, 0},
  };
  for (const auto& c : cases) {
    long double v = 0;
    EXPECT_EQ(ReadDecimal(c.text, v), c.ok) << c.text;
    if (c.ok) {
      EXPECT_NEAR(double(v), double(c.value), 1e-12) << c.text;
    }
  }
  EXPECT_EQ(DecimalOrZero("junk"), 0);
}

TEST(NumbersTest, FormatsAmountsAndVersions) {
  const struct {
    long double value;
    const char* text;
  } amounts[] = {
      {0, "0"},
      {0.5L, "0.5"},
      {1234, "1234"},
      {0.00001234L, "0.00001234"},
      {0.123456789L, "0.12345679"},
      {-0.000000001L, "0"},
      {1.0L / 3, "0.33333333"},
      {150e-8L, "0.0000015"},
  };
  for (const auto& a : amounts) EXPECT_EQ(FormatAmount(a.value), a.text);
  EXPECT_EQ(FormatVersion(101), "1.01");
  EXPECT_EQ(FormatVersion(110), "1.10");
  EXPECT_EQ(FormatVersion(5), "0.05");
}

}  // namespace
}  // namespace trelio

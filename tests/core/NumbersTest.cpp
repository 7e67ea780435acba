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

// Every reading that succeeds lies inside the asked range, and the sign of a
// number at the limits never overflows.
TEST(NumbersTest, WholeNumbersAtTheLimitsOfTheirRange) {
  const struct {
    const char* text;
    int64_t min, max;
    bool ok;
    int64_t value;
  } cases[] = {
      // The signed 32 bits the callers use by default; hexadecimal is the bit
      // pattern, and its sign is that of a 32-bit number.
      {"-2147483648", INT32_MIN, INT32_MAX, true, INT32_MIN},
      {"-2147483649", INT32_MIN, INT32_MAX, false, -214748364},
      {"2147483647", INT32_MIN, INT32_MAX, true, INT32_MAX},
      {"$7FFFFFFF", INT32_MIN, INT32_MAX, true, INT32_MAX},
      {"$80000000", INT32_MIN, INT32_MAX, true, INT32_MIN},
      {"-$80000000", INT32_MIN, INT32_MAX, true, INT32_MIN},
      {"-$7FFFFFFF", INT32_MIN, INT32_MAX, true, -INT32_MAX},
      {"-$FFFFFFFF", INT32_MIN, INT32_MAX, true, 1},
      {"0xFFFFFFFF", INT32_MIN, INT32_MAX, true, -1},
      {"$100000000", INT32_MIN, INT32_MAX, false, 0x10000000},
      {"$FFFFFFFF0", INT32_MIN, INT32_MAX, false, -1},
      // Unsigned 32 bits (claim times): no bit pattern, no negative numbers.
      {"4294967295", 0, UINT32_MAX, true, UINT32_MAX},
      {"$FFFFFFFF", 0, UINT32_MAX, true, UINT32_MAX},
      {"4294967296", 0, UINT32_MAX, false, 429496729},
      {"-1", 0, UINT32_MAX, false, 0},
      {"-0", 0, UINT32_MAX, true, 0},
      // Other ranges are checked at both ends.
      {"1", 1, 10, true, 1},
      {"0", 1, 10, false, 0},
      {"10", 1, 10, true, 10},
      {"11", 1, 10, false, 1},
      {"-5", 1, 10, false, 0},
      {"x0B", 1, 10, false, 0},
      {"-$B", -10, 10, false, 0},
      {"$A", -10, 10, true, 10},
      {"$15", -10, 10, false, 1},
      {"-10", -10, 10, true, -10},
      // The whole 64 bits.
      {"9223372036854775807", INT64_MIN, INT64_MAX, true, INT64_MAX},
      {"-9223372036854775808", INT64_MIN, INT64_MAX, true, INT64_MIN},
      {"9223372036854775808", INT64_MIN, INT64_MAX, false, 922337203685477580},
      {"$FFFFFFFFFFFFFFFF", INT64_MIN, INT64_MAX, true, -1},
      {"-$8000000000000000", INT64_MIN, INT64_MAX, true, INT64_MIN},
  };
  for (const auto& c : cases) {
    const WholeNumber n = ReadWholeNumber(c.text, c.min, c.max);
    EXPECT_EQ(n.ok, c.ok) << c.text << " in [" << c.min << ", " << c.max << "]";
    EXPECT_EQ(n.value, c.value) << c.text << " in [" << c.min << ", " << c.max << "]";
  }
  EXPECT_EQ(IntOrZero("-$80000000"), INT32_MIN);
  EXPECT_EQ(IntOrLeadingDigits("$FFFFFFFF0"), -1);
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

#include "app/core/text/Numbers.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace trelio {
namespace {

int DigitValue(char c, int base) {
  int d = -1;
  if (c >= '0' && c <= '9')
    d = c - '0';
  else if (c >= 'a' && c <= 'f')
    d = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    d = c - 'A' + 10;
  return d < base ? d : -1;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

WholeNumber ReadWholeNumber(std::string_view text, int64_t min, int64_t max) {
  WholeNumber result;
  if (min > max) return result;
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  // In a two's complement range (min = -max - 1, the signed 32 bits of the
  // callers) hexadecimal fills the whole unsigned range as the bit pattern of
  // a number, and its sign is taken as in that width: -$80000000 stays the
  // lowest number. Everywhere else digits are the magnitude and the range is
  // checked as it stands. All arithmetic is unsigned, so nothing overflows.
  const uint64_t umax = max < 0 ? 0 : uint64_t(max);
  const uint64_t uminMagnitude = min < 0 ? uint64_t(0) - uint64_t(min) : 0;
  const bool bitPattern = base == 16 && min < 0 && max >= 0 && uminMagnitude == umax + 1;
  const uint64_t limit = bitPattern ? umax * 2 + 1 : (negative ? uminMagnitude : umax);
  const auto valueOf = [&](uint64_t magnitude) -> int64_t {
    if (bitPattern) {
      const int64_t v = magnitude > umax ? -int64_t(limit - magnitude) - 1 : int64_t(magnitude);
      return negative ? (v == min ? min : -v) : v;
    }
    // C++20 converts to signed modulo 2^64: 2^63 negated is INT64_MIN.
    return negative ? int64_t(uint64_t(0) - magnitude) : int64_t(magnitude);
  };

  uint64_t magnitude = 0;
  size_t digits = 0;
  for (; i < text.size(); ++i, ++digits) {
    const int d = DigitValue(text[i], base);
    if (d < 0) break;
    if (uint64_t(d) > limit || magnitude > (limit - uint64_t(d)) / uint64_t(base)) {
      result.value = valueOf(magnitude);
      return result;
    }
    magnitude = magnitude * base + d;
  }
  result.value = valueOf(magnitude);
  result.ok = digits > 0 && i == text.size() && result.value >= min && result.value <= max;
  return result;
}

int32_t IntOrZero(std::string_view text) {
  const WholeNumber n = ReadWholeNumber(text);
  return n.ok ? int32_t(n.value) : 0;
}

int32_t IntOrLeadingDigits(std::string_view text) { return int32_t(ReadWholeNumber(text).value); }

bool ReadDecimal(std::string_view text, long double& value) {
  size_t b = 0, e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  const std::string s(text.substr(b, e - b));
  // Only sign, digits, one ".", and an exponent: strtold alone would also take
  // hexadecimal, "inf" and "nan".
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t mantissa = 0;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++mantissa;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++mantissa;
  }
  if (mantissa == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t exponent = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++exponent;
    if (exponent == 0) return false;
  }
  if (i != s.size()) return false;
  // The process runs in the C locale, so strtold reads ".".
  const long double v = std::strtold(s.c_str(), nullptr);
  if (!std::isfinite(v)) return false;
  value = v;
  return true;
}

long double DecimalOrZero(std::string_view text) {
  long double v = 0;
  return ReadDecimal(text, v) ? v : 0;
}

std::string FormatAmount(long double value) {
  if (!std::isfinite(value)) return "0";
  // Sized to the value: a fixed buffer would cut large amounts short.
  const int n = std::snprintf(nullptr, 0, "%.8Lf", value);
  std::string s(size_t(n > 0 ? n : 0) + 1, '\0');
  std::snprintf(s.data(), s.size(), "%.8Lf", value);
  s.resize(s.size() - 1);
  while (!s.empty() && s.back() == '0') s.pop_back();
  if (!s.empty() && s.back() == '.') s.pop_back();
  if (s == "-0") s = "0";
  return s;
}

std::string FormatVersion(int n) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", double(n) / 100.0);
  return buf;
}

}  // namespace trelio

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
  // Hexadecimal may fill the whole unsigned range of the target, as the
  // bit pattern of a negative number.
  const uint64_t limit = base == 16 && min < 0
                             ? uint64_t(max) * 2 + 1
                             : (negative ? uint64_t(-(min + 1)) + 1 : uint64_t(max));
  uint64_t magnitude = 0;
  size_t digits = 0;
  for (; i < text.size(); ++i, ++digits) {
    const int d = DigitValue(text[i], base);
    if (d < 0) break;
    const uint64_t next = magnitude * base + d;
    if (next > limit) {
      result.value = negative ? -int64_t(magnitude) : int64_t(magnitude);
      return result;
    }
    magnitude = next;
  }
  int64_t value;
  if (base == 16 && magnitude > uint64_t(max)) {
    value = int64_t(magnitude) - int64_t(uint64_t(max) * 2 + 2);
  } else {
    value = int64_t(magnitude);
  }
  if (negative) value = -value;
  result.value = value;
  result.ok = digits > 0 && i == text.size();
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

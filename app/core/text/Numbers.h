// How the program reads and writes numbers held as text: whole numbers,
// decimal numbers with "." and amounts with up to eight decimals.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace trelio {

struct WholeNumber {
  bool ok = false;
  // On failure: the value of the digits read before the bad character.
  int64_t value = 0;
};

// Leading blanks, an optional sign, then decimal digits, or hexadecimal digits
// after "$", "x", "X", "0x" or "0X". Anything after the digits, no digits at
// all or a value outside [min, max] fails; a value that succeeds always lies
// in [min, max]. For the signed 32 bits (and any range min = -max - 1)
// hexadecimal is the bit pattern: "$FFFFFFFF" is -1, "-$80000000" the lowest.
WholeNumber ReadWholeNumber(std::string_view text, int64_t min = INT32_MIN,
                            int64_t max = INT32_MAX);

// The two outcomes the callers need of a failed reading.
int32_t IntOrZero(std::string_view text);
int32_t IntOrLeadingDigits(std::string_view text);

// "." separator, blanks around and an exponent allowed; false when it does not
// read (hexadecimal, "inf" and "nan" do not).
bool ReadDecimal(std::string_view text, long double& value);
long double DecimalOrZero(std::string_view text);

// "0.########": rounded to 8 decimals, no trailing zeros, no trailing ".".
std::string FormatAmount(long double value);

// "0.00" of n / 100: 101 -> "1.01".
std::string FormatVersion(int n);

}  // namespace trelio

// Percent-encoding of the values of a query.
#pragma once

#include <string>
#include <string_view>

namespace trelio {

// Byte by byte, with no conversion of the code page: "-", ".", "/", digits,
// ":", letters "A" to "Z" and "a" to "z", "_" and "~" stay; every other byte
// becomes "%" and two upper-case hexadecimal digits.
std::string UrlEncode(std::string_view text);

}  // namespace trelio

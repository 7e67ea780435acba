// The two text helpers of the phrase lists: splitting at a delimiter and
// searching from a position.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace trelio {

// The pieces between the occurrences of the delimiter, in order; always at
// least one (an empty text gives one empty piece). An empty delimiter never
// splits.
std::vector<std::string> SplitText(std::string_view delimiter, std::string_view text);

// 1-based position of the first occurrence of sub at or after the 1-based
// offset, exact bytes; 0 when the text or sub is empty, the offset is below 1
// or beyond the text, or sub does not occur there.
int64_t PosFrom(std::string_view text, std::string_view sub, int64_t offset);

}  // namespace trelio

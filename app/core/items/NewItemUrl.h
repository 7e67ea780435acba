// The URL a user types for a new item.
#pragma once

#include <string>
#include <string_view>

namespace trelio {

// The typed text with "http://" put in front, unless "http://" or "https://"
// already stands anywhere in it (exact case).
std::u16string NewItemUrl(std::u16string_view typed);

}  // namespace trelio

#include "app/core/items/NewItemUrl.h"

namespace trelio {

std::u16string NewItemUrl(std::u16string_view typed) {
  constexpr std::u16string_view http = u"http://";
  if (typed.find(http) != typed.npos || typed.find(u"https://") != typed.npos)
    return std::u16string(typed);
  return std::u16string(http) + std::u16string(typed);
}

}  // namespace trelio

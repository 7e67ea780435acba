#include "app/core/index/UrlKey.h"

namespace trelio {

std::string StripReferral(std::string_view url) {
  for (const std::string_view mark : {"?", "/ref/", "{R}"}) {
    const size_t at = url.find(mark);
    if (at != std::string_view::npos) return std::string(url.substr(0, at));
  }
  return std::string(url);
}

}  // namespace trelio

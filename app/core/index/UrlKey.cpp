#include "app/core/index/UrlKey.h"

namespace trelio {

std::string_view StripReferralView(std::string_view url) {
  for (const std::string_view mark : {"?", "/ref/", "{R}"}) {
    const size_t at = url.find(mark);
    if (at != std::string_view::npos) return url.substr(0, at);
  }
  return url;
}

std::string StripReferral(std::string_view url) { return std::string(StripReferralView(url)); }

}  // namespace trelio

#include "app/core/page/ReferralUrl.h"

#include "app/platform/AsciiCase.h"

#include "app/core/index/UrlKey.h"

namespace trelio {
namespace {

bool MatchesAt(std::string_view text, size_t at, std::string_view what, bool ignoreCase) {
  if (text.size() - at < what.size()) return false;
  for (size_t i = 0; i < what.size(); ++i) {
    const char a = text[at + i], b = what[i];
    if (ignoreCase ? AsciiLower(a) != AsciiLower(b) : a != b) return false;
  }
  return true;
}

// Every occurrence, left to right; an inserted text is not searched again.
std::string ReplaceAll(std::string_view text, std::string_view what, std::string_view with,
                       bool ignoreCase) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    if (MatchesAt(text, i, what, ignoreCase)) {
      out += with;
      i += what.size();
    } else {
      out += text[i++];
    }
  }
  return out;
}

bool Contains(std::string_view text, std::string_view what) {
  return text.find(what) != std::string_view::npos;
}

}  // namespace

std::string AddReferral(std::string_view url, std::string_view ref) {
  if (Contains(url, "{R}")) return ReplaceAll(url, "{R}", ref, false);
  if (!Contains(url, "?")) return std::string(url) + "?r=" + std::string(ref);
  for (std::string_view param : {"?r=", "&r=", "?ref=", "&ref="}) {
    if (Contains(url, param)) {
      const std::string with = std::string(param) + std::string(ref) + "&";
      return ReplaceAll(url, param, with, true);
    }
  }
  return std::string(url);
}

std::string StripReferralAndScheme(std::string_view url) {
  std::string key = StripReferral(url);
  if (Contains(key, "http://"))
    key.erase(0, 7);
  else if (Contains(key, "https://"))
    key.erase(0, 8);
  return key;
}

}  // namespace trelio

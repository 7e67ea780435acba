#include "app/platform/LocaleEnvironment.h"

#include <cstdlib>

namespace trelio {
namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::string Letters(const std::string& s, size_t from, bool upper) {
  std::string out;
  for (size_t i = from; i < s.size() && IsLetter(s[i]); ++i) {
    const char c = s[i];
    out += upper ? char(c & ~0x20) : char(c | 0x20);
  }
  return out;
}

}  // namespace

LocaleName ParseLocaleName(const std::string& name) {
  LocaleName result;
  result.language = Letters(name, 0, false);
  const size_t end = result.language.size();
  // A language must be followed by the end or a separator: "C.UTF-8" has no language.
  if (end == 0 || result.language == "c" || result.language == "posix" ||
      (end < name.size() && name[end] != '_' && name[end] != '.' && name[end] != '@')) {
    result.language.clear();
    return result;
  }
  if (end < name.size() && name[end] == '_') result.country = Letters(name, end + 1, true);
  return result;
}

LocaleName UserLocaleName() {
  for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(var);
    if (value && *value) return ParseLocaleName(value);
  }
  return {};
}

}  // namespace trelio

// Case-insensitive, locale-aware order of faucet names (8-bit ANSI text).
#pragma once

#include <string>
#include <string_view>

struct UCollator;

namespace trelio {

class NameCollator {
 public:
  // locale: an ICU locale id such as "ru_RU"; empty or unknown gives the root
  // order. codePage: the code page of the names' bytes.
  NameCollator(const std::string& locale, int codePage);
  ~NameCollator();
  NameCollator(const NameCollator&) = delete;
  NameCollator& operator=(const NameCollator&) = delete;

  // Keys compare byte by byte (std::string's order) as the names collate;
  // names equal but for letter case give equal keys.
  std::string SortKey(std::string_view name) const;

  // The user's collation locale and the system ANSI code page; made once.
  static const NameCollator& ForUser();

 private:
  UCollator* collator_ = nullptr;
  int codePage_;
};

// The ICU locale id of a POSIX locale name: "ru_RU.UTF-8" -> "ru_RU",
// "C" and "POSIX" -> "".
std::string CollationLocaleId(std::string_view posixLocale);

// The collation locale of the environment (LC_ALL, else LC_COLLATE, else LANG).
std::string UserCollationLocale();

}  // namespace trelio

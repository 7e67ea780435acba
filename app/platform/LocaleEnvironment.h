// The user's locale as the environment names it (language[_COUNTRY][.codeset][@modifier]).
#pragma once

#include <string>

namespace trelio {

struct LocaleName {
  std::string language;  // lower case, "" when not available
  std::string country;   // upper case, may be empty
};

// Parses one locale name; "C", "POSIX" and "" give an empty language.
LocaleName ParseLocaleName(const std::string& name);

// The first non-empty of LC_ALL, LC_MESSAGES and LANG, parsed.
LocaleName UserLocaleName();

}  // namespace trelio

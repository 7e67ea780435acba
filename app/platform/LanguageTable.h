// What the program knows of a locale language: its abbreviated name in the
// Windows style (language letters + country letter) and its script.
#pragma once

#include <string>

#include "app/platform/LocaleEnvironment.h"

namespace trelio {

// "ENU", "ENG", "RUS", "DEU", ...; empty for a language not in the table.
std::string AbbreviatedLanguageName(const LocaleName& locale);

// Languages written in Cyrillic on Windows, whose ANSI code page is 1251
// (Russian, Ukrainian, Belarusian, Bulgarian, Kazakh, Kyrgyz, ...).
bool IsRussianFamily(const LocaleName& locale);

}  // namespace trelio

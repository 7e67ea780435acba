// Locale information in the manner of GetLocaleInfo, from the user's locale
// environment and a small table.
#pragma once

#include <string>

namespace trelio {

constexpr int kLocaleSAbbrevLangName = 0x0003;
constexpr int kLocaleIDefaultAnsiCodePage = 0x1004;

// Longest answer, its terminating NUL included; a longer one is not available.
constexpr int kLocaleInfoBufferChars = 19;

// Information of the given type for the user's default locale; empty when the
// type is not known or the locale does not say (no locale, "C", "POSIX").
// Types: kLocaleSAbbrevLangName.
std::string GetLocaleInformation(int type);

// The default ANSI code page of a Windows locale identifier: 1049 -> 1251,
// 1033 -> 1252, 1041 -> 932; 0 for an identifier that names no locale and for
// a locale written only in Unicode (1081 Hindi).
int LocaleDefaultAnsiCodePage(int lcid);

}  // namespace trelio

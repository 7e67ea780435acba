// 8-bit text in Windows code pages (1251, 1252, ...) and its conversions.
#pragma once

#include <string>
#include <string_view>

namespace trelio {

// (to be completed by the platform layer)
// Bytes of the code page to UTF-16; bytes the code page does not define map
// to U+FFFD.
std::u16string AnsiToUtf16(std::string_view bytes, int codePage);
// UTF-16 to the code page; characters it lacks become "?".
std::string Utf16ToAnsi(std::u16string_view text, int codePage);
// Lower-case by the rules of the code page (Latin and Cyrillic letters alike).
std::string AnsiLowerCase(std::string_view bytes, int codePage);
std::string AnsiUpperCase(std::string_view bytes, int codePage);
// The system ANSI code page: from the user's locale language, Russian-family
// languages 1251, all others 1252.
int SystemAnsiCodePage();

}  // namespace trelio

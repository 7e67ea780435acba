// 8-bit text in Windows code pages (1251, 1252, ...) and its conversions.
#pragma once

#include <string>
#include <string_view>

namespace trelio {

// The single-byte code pages that iconv has are known by their Windows number
// (866, 1250 to 1258, 20866, 28591, ...; the list is in CodePageTables.cpp).
// Code page 0, and any other (multi-byte ones among them), stands for
// SystemAnsiCodePage().

// Bytes of the code page to UTF-16. A byte from 0x80 to 0x9F that the code
// page does not define maps to the C1 control character of its value (and
// back); other undefined bytes (none in 1251 and 1252) map to U+FFFD.
std::u16string AnsiToUtf16(std::string_view bytes, int codePage);
// The same written to `out`, one unit per byte (bytes.size() units).
void AnsiToUtf16(std::string_view bytes, int codePage, char16_t* out);
// UTF-16 to the code page, one byte per character; characters it lacks
// (a surrogate pair counts as one character, a lone surrogate too) become "?".
std::string Utf16ToAnsi(std::u16string_view text, int codePage);
// Lower-case by the rules of the code page (Latin and Cyrillic letters alike).
std::string AnsiLowerCase(std::string_view bytes, int codePage);
// The system ANSI code page: from the user's locale language, Russian-family
// languages 1251, all others 1252.
int SystemAnsiCodePage();

}  // namespace trelio

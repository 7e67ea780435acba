// Index and settings text is 8-bit in the system ANSI code page; widgets and
// the browser take QString. Every crossing goes through here. Message texts
// and the texts composed from them reach the widgets as UTF-16, so a
// language's text reads right whatever the system code page.
#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

namespace trelio {

QString AnsiToQString(std::string_view bytes);
// The same in a code page found beforehand (SystemAnsiCodePage() for a
// whole list at once, instead of once per text).
QString AnsiToQString(std::string_view bytes, int codePage);
std::string QStringToAnsi(const QString& text);

QString Utf16ToQString(std::u16string_view text);
std::u16string QStringToUtf16(const QString& text);
// A message text in the current language.
QString MessageQString(uint16_t id);

// File names as the operating system takes them.
std::string PathBytes(const QString& path);
// Texts of the operating system and the HTTP library (paths, error reasons),
// in the locale's encoding.
QString SystemText(const std::string& text);

}  // namespace trelio

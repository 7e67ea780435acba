// Index and settings text is 8-bit in the system ANSI code page; widgets and
// the browser take QString. Every crossing goes through here.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace trelio {

QString AnsiToQString(std::string_view bytes);
std::string QStringToAnsi(const QString& text);

}  // namespace trelio

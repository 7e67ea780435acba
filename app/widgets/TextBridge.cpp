#include "app/widgets/TextBridge.h"

#include "app/platform/CodePage.h"

namespace trelio {

QString AnsiToQString(std::string_view bytes) {
  const std::u16string text = AnsiToUtf16(bytes, 0);
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

std::string QStringToAnsi(const QString& text) {
  return Utf16ToAnsi(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                         static_cast<size_t>(text.size())),
                     0);
}

}  // namespace trelio

#include "app/widgets/TextBridge.h"

#include <QFile>

#include "app/core/text/Messages.h"
#include "app/platform/CodePage.h"

namespace trelio {

QString AnsiToQString(std::string_view bytes) { return AnsiToQString(bytes, 0); }

QString AnsiToQString(std::string_view bytes, int codePage) {
  // Converted in place: no text in between.
  QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  AnsiToUtf16(bytes, codePage, reinterpret_cast<char16_t*>(text.data()));
  return text;
}

QString Utf16ToQString(std::u16string_view text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

std::u16string QStringToUtf16(const QString& text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                        static_cast<size_t>(text.size()));
}

QString MessageQString(uint16_t id) { return Utf16ToQString(MessageText(id)); }

std::string QStringToAnsi(const QString& text) {
  return Utf16ToAnsi(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                         static_cast<size_t>(text.size())),
                     0);
}

std::string PathBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString SystemText(const std::string& text) { return QString::fromLocal8Bit(text); }

}  // namespace trelio

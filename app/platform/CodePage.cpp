#include "app/platform/CodePage.h"

#include "app/platform/CodePageTables.h"

namespace trelio {
namespace {

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

std::string MapBytes(std::string_view bytes, const std::array<uint8_t, 256>& map) {
  std::string out(bytes.size(), '\0');
  for (size_t i = 0; i < bytes.size(); ++i) out[i] = char(map[uint8_t(bytes[i])]);
  return out;
}

}  // namespace

std::u16string AnsiToUtf16(std::string_view bytes, int codePage) {
  std::u16string out(bytes.size(), u'\0');
  AnsiToUtf16(bytes, codePage, out.data());
  return out;
}

void AnsiToUtf16(std::string_view bytes, int codePage, char16_t* out) {
  const CodePageTables& t = TablesOf(codePage);
  for (size_t i = 0; i < bytes.size(); ++i) out[i] = t.toUtf16[uint8_t(bytes[i])];
}

std::string Utf16ToAnsi(std::u16string_view text, int codePage) {
  const CodePageTables& t = TablesOf(codePage);
  // A byte per unit at most, written in place: no growth check per byte.
  std::string out(text.size(), '\0');
  size_t n = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      out[n++] = '?';
      ++i;
    } else {
      out[n++] = t.Encodes(c) ? char(t.toAnsi[c]) : '?';
    }
  }
  out.resize(n);
  return out;
}

std::string AnsiLowerCase(std::string_view bytes, int codePage) {
  return MapBytes(bytes, TablesOf(codePage).lower);
}

}  // namespace trelio

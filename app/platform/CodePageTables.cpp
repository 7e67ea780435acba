#include "app/platform/CodePageTables.h"

#include <iconv.h>

#include <memory>
#include <mutex>
#include <string>

#include "app/platform/CodePage.h"
#include "app/platform/UnicodeCase.h"

namespace trelio {
namespace {

constexpr int kKnown[] = {874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258};
constexpr int kKnownCount = sizeof kKnown / sizeof kKnown[0];

int KnownSlot(int codePage) {
  for (int i = 0; i < kKnownCount; ++i)
    if (kKnown[i] == codePage) return i;
  return -1;
}

// iconv decodes one byte at a time; converters that hold a character back to
// combine it with the next (1255, 1258) give it up on the flush.
void ReadDecodeTable(int codePage, std::array<char16_t, 256>& table) {
  for (int b = 0; b < 256; ++b) table[b] = b < 128 ? char16_t(b) : char16_t(0xFFFD);
  const std::string name = "WINDOWS-" + std::to_string(codePage);
  iconv_t cd = iconv_open("UTF-16LE", name.c_str());
  if (cd == iconv_t(-1)) return;  // ASCII only, rather than nothing
  for (int b = 0; b < 256; ++b) {
    char in = char(b);
    unsigned char out[16];
    char* ip = &in;
    char* op = reinterpret_cast<char*>(out);
    size_t il = 1, ol = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    const size_t r = iconv(cd, &ip, &il, &op, &ol);
    if (r != size_t(-1)) iconv(cd, nullptr, nullptr, &op, &ol);
    const size_t produced = sizeof out - ol;
    table[b] = r != size_t(-1) && il == 0 && produced == 2 ? char16_t(out[0] | out[1] << 8)
                                                           : char16_t(0xFFFD);
  }
  iconv_close(cd);
}

std::unique_ptr<CodePageTables> Build(int codePage) {
  auto t = std::make_unique<CodePageTables>();
  ReadDecodeTable(codePage, t->toUtf16);
  // A byte the code page leaves undefined stands for the C1 control character
  // of the same value, as on Windows, so that text nobody edited crosses to
  // the widgets and back unchanged. No code page defines a byte as one.
  for (int b = 0x80; b < 0xA0; ++b)
    if (t->toUtf16[b] == 0xFFFD) t->toUtf16[b] = char16_t(b);
  // Downwards, so that a character two bytes share maps to the lower byte.
  for (int b = 255; b >= 0; --b) t->toAnsi[t->toUtf16[b]] = uint8_t(b);
  for (int b = 0; b < 256; ++b) {
    const char16_t c = t->toUtf16[b];
    const char16_t lo = UnicodeLower(c);
    t->lower[b] = t->Encodes(lo) ? t->toAnsi[lo] : uint8_t(b);
  }
  return t;
}

}  // namespace

const CodePageTables& TablesOf(int codePage) {
  static std::once_flag once[kKnownCount];
  static std::unique_ptr<CodePageTables> tables[kKnownCount];
  int slot = KnownSlot(codePage);
  if (slot < 0) slot = KnownSlot(SystemAnsiCodePage());
  if (slot < 0) slot = KnownSlot(1252);
  std::call_once(once[slot], [slot] { tables[slot] = Build(kKnown[slot]); });
  return *tables[slot];
}

}  // namespace trelio

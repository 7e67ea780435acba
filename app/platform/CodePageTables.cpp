#include "app/platform/CodePageTables.h"

#include <iconv.h>

#include <memory>
#include <mutex>
#include <string>

#include "app/platform/CodePage.h"
#include "app/platform/UnicodeCase.h"

namespace trelio {
namespace {

// The single-byte code pages by their Windows number, with iconv's name.
struct SingleByte {
  int codePage;
  const char* iconvName;
};

constexpr SingleByte kSingleByte[] = {
    {37, "IBM037"},          {437, "CP437"},          {500, "IBM500"},
    {737, "CP737"},          {775, "CP775"},          {850, "CP850"},
    {852, "CP852"},          {855, "CP855"},          {857, "CP857"},
    {858, "CP858"},          {860, "CP860"},          {861, "CP861"},
    {862, "CP862"},          {863, "CP863"},          {864, "CP864"},
    {865, "CP865"},          {866, "CP866"},          {869, "CP869"},
    {874, "WINDOWS-874"},    {875, "IBM875"},         {1026, "IBM1026"},
    {1047, "IBM1047"},       {1140, "IBM1140"},       {1141, "IBM1141"},
    {1142, "IBM1142"},       {1143, "IBM1143"},       {1144, "IBM1144"},
    {1145, "IBM1145"},       {1146, "IBM1146"},       {1147, "IBM1147"},
    {1148, "IBM1148"},       {1149, "IBM1149"},       {1250, "WINDOWS-1250"},
    {1251, "WINDOWS-1251"},  {1252, "WINDOWS-1252"},  {1253, "WINDOWS-1253"},
    {1254, "WINDOWS-1254"},  {1255, "WINDOWS-1255"},  {1256, "WINDOWS-1256"},
    {1257, "WINDOWS-1257"},  {1258, "WINDOWS-1258"},  {10000, "MACINTOSH"},
    {10007, "MAC-CYRILLIC"}, {10017, "MACUKRAINIAN"}, {10029, "MAC-CENTRALEUROPE"},
    {10079, "MAC-IS"},       {20127, "ASCII"},        {20866, "KOI8-R"},
    {20880, "IBM880"},       {21866, "KOI8-U"},       {28591, "ISO-8859-1"},
    {28592, "ISO-8859-2"},   {28593, "ISO-8859-3"},   {28594, "ISO-8859-4"},
    {28595, "ISO-8859-5"},   {28596, "ISO-8859-6"},   {28597, "ISO-8859-7"},
    {28598, "ISO-8859-8"},   {28599, "ISO-8859-9"},   {28603, "ISO-8859-13"},
    {28605, "ISO-8859-15"},
};

constexpr size_t kSingleByteCount = sizeof kSingleByte / sizeof kSingleByte[0];

// The position of a code page in kSingleByte, or -1.
int Slot(int codePage) {
  for (size_t i = 0; i < kSingleByteCount; ++i)
    if (kSingleByte[i].codePage == codePage) return int(i);
  return -1;
}

// iconv decodes one byte at a time; converters that hold a character back to
// combine it with the next (1255, 1258) give it up on the flush.
void ReadDecodeTable(const char* iconvName, std::array<char16_t, 256>& table) {
  for (int b = 0; b < 256; ++b) table[b] = b < 128 ? char16_t(b) : char16_t(0xFFFD);
  iconv_t cd = iconv_open("UTF-16LE", iconvName);
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

std::unique_ptr<CodePageTables> Build(const SingleByte& codePage) {
  auto t = std::make_unique<CodePageTables>();
  ReadDecodeTable(codePage.iconvName, t->toUtf16);
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
  // Each table is built on first use: one is 66 KB and most runs need two.
  static std::once_flag once[kSingleByteCount];
  static std::unique_ptr<CodePageTables> tables[kSingleByteCount];
  // Texts come one after another in the same code page. Only a known code
  // page is remembered: the fallbacks follow the system's, which can change.
  thread_local int lastCodePage = -1;
  thread_local const CodePageTables* last = nullptr;
  if (last && codePage == lastCodePage) return *last;
  int slot = Slot(codePage);
  if (slot >= 0) {
    std::call_once(once[slot], [slot] { tables[slot] = Build(kSingleByte[slot]); });
    lastCodePage = codePage;
    last = tables[slot].get();
    return *last;
  }
  if (slot < 0) slot = Slot(SystemAnsiCodePage());
  if (slot < 0) slot = Slot(1252);
  std::call_once(once[slot], [slot] { tables[slot] = Build(kSingleByte[slot]); });
  return *tables[slot];
}

}  // namespace trelio

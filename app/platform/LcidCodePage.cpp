#include "app/platform/LocaleInfo.h"

namespace trelio {
namespace {

// By primary language (the low ten bits of the identifier).
struct PrimaryCodePage {
  int primary;
  int codePage;
};

constexpr PrimaryCodePage kPrimary[] = {
    {0x01, 1256}, {0x02, 1251}, {0x03, 1252}, {0x05, 1250}, {0x06, 1252}, {0x07, 1252},
    {0x08, 1253}, {0x09, 1252}, {0x0A, 1252}, {0x0B, 1252}, {0x0C, 1252}, {0x0D, 1255},
    {0x0E, 1250}, {0x0F, 1252}, {0x10, 1252}, {0x13, 1252}, {0x14, 1252}, {0x15, 1250},
    {0x16, 1252}, {0x18, 1250}, {0x19, 1251}, {0x1A, 1250}, {0x1B, 1250}, {0x1C, 1250},
    {0x1D, 1252}, {0x1E, 874},  {0x1F, 1254}, {0x20, 1256}, {0x21, 1252}, {0x22, 1251},
    {0x23, 1251}, {0x24, 1250}, {0x25, 1257}, {0x26, 1257}, {0x27, 1257}, {0x28, 1251},
    {0x29, 1256}, {0x2A, 1258}, {0x2C, 1254}, {0x2D, 1252}, {0x2F, 1251}, {0x36, 1252},
    {0x38, 1252}, {0x3E, 1252}, {0x3F, 1251}, {0x40, 1251}, {0x41, 1252}, {0x43, 1254},
    {0x44, 1251}, {0x50, 1251}, {0x56, 1252}, {0x6D, 1251}, {0x85, 1251},
};

// Cyrillic variants of languages that are otherwise written in Latin letters.
constexpr PrimaryCodePage kExact[] = {
    {0x082C, 1251},  // Azerbaijani, Cyrillic
    {0x0843, 1251},  // Uzbek, Cyrillic
    {0x0C1A, 1251},  // Serbian, Cyrillic
    {0x201A, 1251},  // Bosnian, Cyrillic
    {0x1C1A, 1251},  // Serbian, Cyrillic (Bosnia and Herzegovina)
};

}  // namespace

int LocaleDefaultAnsiCodePage(int lcid) {
  // The sort identifier (bits 16 to 19) does not change the code page.
  const int language = lcid & 0xFFFF;
  for (const PrimaryCodePage& e : kExact)
    if (e.primary == language) return e.codePage;
  for (const PrimaryCodePage& p : kPrimary)
    if (p.primary == (language & 0x3FF)) return p.codePage;
  return 1252;
}

}  // namespace trelio

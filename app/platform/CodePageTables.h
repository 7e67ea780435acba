// The per-code-page tables behind the conversions, built once on first use.
#pragma once

#include <array>
#include <cstdint>

namespace trelio {

struct CodePageTables {
  std::array<char16_t, 256> toUtf16{};
  // toAnsi[c] is the byte for c only when toUtf16 of that byte is c again.
  std::array<uint8_t, 65536> toAnsi{};
  std::array<uint8_t, 256> lower{};

  bool Encodes(char16_t c) const { return c != 0xFFFD && toUtf16[toAnsi[c]] == c; }
};

// Thread-safe; code pages not known (CodePage.h) and 0 give the tables of
// SystemAnsiCodePage().
const CodePageTables& TablesOf(int codePage);

}  // namespace trelio

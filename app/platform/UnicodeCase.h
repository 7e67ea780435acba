// Simple one-to-one case mapping of the letters found in the Windows
// single-byte code pages: Latin-1, Latin Extended-A, Greek, Cyrillic.
#pragma once

namespace trelio {

char16_t UnicodeLower(char16_t c);

}  // namespace trelio

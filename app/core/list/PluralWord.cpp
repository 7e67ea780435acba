#include "app/core/list/PluralWord.h"

namespace trelio {

std::u16string PluralWord(int64_t count, std::u16string_view singular, std::u16string_view plural,
                          std::u16string_view paucal) {
  // Remainders keep the sign of count, so negative counts fall through.
  const int64_t units = count % 10;
  const int64_t tens = (count / 10) % 10;
  if (units == 1 && tens != 1) return std::u16string(singular);
  if (units >= 2 && units <= 4 && tens != 1) return std::u16string(paucal);
  return std::u16string(plural);
}

}  // namespace trelio

#include "app/platform/DecimalSeparator.h"

#include <langinfo.h>
#include <locale.h>

namespace trelio {

char TakeUserDecimalSeparator() {
  char separator = '.';
  // A locale object of its own, so the process locale is not switched to the
  // user's one even for a moment.
  if (locale_t user = newlocale(LC_NUMERIC_MASK, "", locale_t(0))) {
    const char* radix = nl_langinfo_l(RADIXCHAR, user);
    if (radix && radix[0] > ' ' && radix[0] < 0x7F && radix[1] == '\0') separator = radix[0];
    freelocale(user);
  }
  setlocale(LC_NUMERIC, "C");
  return separator;
}

}  // namespace trelio

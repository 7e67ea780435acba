#include "app/platform/UnicodeCase.h"

namespace trelio {
namespace {

bool In(char16_t c, char16_t first, char16_t last) { return c >= first && c <= last; }
bool Even(char16_t c) { return c % 2 == 0; }

}  // namespace

char16_t UnicodeLower(char16_t c) {
  if (In(c, u'A', u'Z')) return c + 32;
  if (In(c, 0x00C0, 0x00DE) && c != 0x00D7) return c + 32;
  // Latin Extended-A: pairs of upper (first) and lower (second).
  if (In(c, 0x0100, 0x012F) && Even(c)) return c + 1;
  if (c == 0x0130) return u'i';
  if (In(c, 0x0132, 0x0137) && Even(c)) return c + 1;
  if (In(c, 0x0139, 0x0148) && !Even(c)) return c + 1;
  if (In(c, 0x014A, 0x0177) && Even(c)) return c + 1;
  if (c == 0x0178) return 0x00FF;
  if (In(c, 0x0179, 0x017E) && !Even(c)) return c + 1;
  if (c == 0x01A0 || c == 0x01AF) return c + 1;
  // Greek.
  if (c == 0x0386) return 0x03AC;
  if (In(c, 0x0388, 0x038A)) return c + 37;
  if (c == 0x038C) return 0x03CC;
  if (In(c, 0x038E, 0x038F)) return c + 63;
  if (In(c, 0x0391, 0x03AB) && c != 0x03A2) return c + 32;
  // Cyrillic.
  if (In(c, 0x0400, 0x040F)) return c + 80;
  if (In(c, 0x0410, 0x042F)) return c + 32;
  if ((In(c, 0x0460, 0x0481) || In(c, 0x048A, 0x04BF) || In(c, 0x04D0, 0x052F)) && Even(c))
    return c + 1;
  if (c == 0x04C0) return 0x04CF;
  if (In(c, 0x04C1, 0x04CE) && !Even(c)) return c + 1;
  return c;
}

}  // namespace trelio

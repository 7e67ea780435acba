#include "app/core/page/JsString.h"

namespace trelio {
namespace {

bool KeptAsIs(char16_t c) {
  if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')) return true;
  return std::u16string_view(u" !#$%&()*+,-./:;=?@[]^_{|}~").find(c) != std::u16string_view::npos;
}

}  // namespace

std::string JsStringContent(std::u16string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (char16_t c : text) {
    if (KeptAsIs(c)) {
      out += char(c);
    } else if (c == u'"' || c == u'\'' || c == u'\\') {
      out += '\\';
      out += char(c);
    } else {
      out += "\\u";
      for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(c >> shift) & 0xF];
    }
  }
  return out;
}

}  // namespace trelio

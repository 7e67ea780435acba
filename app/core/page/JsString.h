// Text placed inside a JavaScript string literal.
#pragma once

#include <string>
#include <string_view>

namespace trelio {

// The content of a double- or single-quoted JavaScript string literal that
// stands for exactly this text. The result is plain ASCII: quotes and
// backslash get a backslash before them; "<", ">", "`", control characters,
// line and paragraph separators and every non-ASCII code unit are written as
// \uXXXX, so no text can end the literal,
// split the line or close an enclosing <script> element, and the literal
// means the same whichever 8-bit code page the script passes through.
std::string JsStringContent(std::u16string_view text);

}  // namespace trelio

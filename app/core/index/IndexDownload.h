// What the index download holds a body to before it stores it, and how its
// failures reach the status bar.
#pragma once

#include <string_view>

namespace trelio {

// Goes between a download's error text and the status text it is put in
// front of.
inline constexpr std::string_view kDownloadErrorSeparator = " | ";

// The failure text for a body that CanBeIndexFile refuses.
inline constexpr std::string_view kNotAnIndexFileMessage = "Received a web page, not an index";

// False for a body that is plainly a web page rather than an index file: its
// first byte after blanks and line ends (and a UTF-8 byte-order mark) is "<".
// A network's sign-in page or a proxy's error page sent with status 200 would
// otherwise be merged, and every line of it holding a ";" would become a row.
// An index file's first line is its header, which never starts so; an empty
// body is an empty index.
bool CanBeIndexFile(std::string_view body);

}  // namespace trelio

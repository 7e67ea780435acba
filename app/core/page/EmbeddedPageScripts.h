// The page-script templates of app/ui/*.js, compiled into the program at
// build time so that running a script never depends on a file being present.
#pragma once

#include <string_view>

namespace trelio {

// The text of the file of that name ("insert-address.js"), or empty when the
// build held no such file.
std::string_view EmbeddedPageScript(std::string_view fileName);

}  // namespace trelio

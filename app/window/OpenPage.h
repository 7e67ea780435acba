// Pages opened in the user's default web browser from the windows, at once on
// the window thread; what the desktop makes of them is not looked at.
#pragma once

#include <string_view>

namespace trelio {

void OpenPage(std::string_view url);

// "http://" + the maker's server + path.
void OpenMakerPage(std::string_view path);

}  // namespace trelio

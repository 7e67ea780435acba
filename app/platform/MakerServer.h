// Addresses on the maker's server. Its host is ours; the environment variable
// KORVANE_TRELIO_SERVER (host[:port]) points the program at another one, for
// example the demo server on 127.0.0.1.
#pragma once

#include <string>
#include <string_view>

namespace trelio {

inline constexpr const char* kMakerServerHost = "www.korvane.net";
inline constexpr const char* kMakerServerVariable = "KORVANE_TRELIO_SERVER";

// The host, with its port when one is given; read anew at every call.
std::string MakerServerHost();

// "http://" + host + path; path starts with "/".
std::string MakerServerUrl(std::string_view path);

std::string ServerIndexUrl();    // "/trelio/index.csv"
std::string ServerVersionUrl();  // "/trelio/version.txt"
// The item actions' "/trelio/a.php?..." URLs are built by core's
// ItemActionUrl from MakerServerHost().

}  // namespace trelio

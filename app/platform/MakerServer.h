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
std::string HttpUrl(std::string_view host, std::string_view path);
// HttpUrl of the maker's server.
std::string MakerServerUrl(std::string_view path);

// The maker's pages that the about box and the main menu open in the web
// browser.
inline constexpr const char* kSiteRootPage = "/";
inline constexpr const char* kHomePagePath = "/trelio.php";
inline constexpr const char* kFeedbackPagePath = "/mail.php";
inline constexpr const char* kBitcoinPagePath = "/btc.php";
inline constexpr const char* kBitcoinRatePagePath = "/btc_rate.php";
inline constexpr const char* kBitcoinTradePagePath = "/trade.php";
inline constexpr const char* kBitcoinNewsPagePath = "/news.php";

std::string ServerIndexUrl();    // "/trelio/index.csv"
std::string ServerVersionUrl();  // "/trelio/version.txt"
// The item actions' "/trelio/a.php?..." URLs are built by core's
// ItemActionUrl from MakerServerHost().

}  // namespace trelio

// The reports of index edits to the maker's server.
#pragma once

#include <string>
#include <string_view>

#include "app/core/index/FaucetItem.h"

namespace trelio {

enum class ItemAction { Add, Remove, Hide, Show, FavoriteAdd, FavoriteDelete };

// The URL of the GET that reports the action on the row to the server
// (host[:port]). Add sends the row's coin, name, URL key, interval and input
// field; the others the URL key alone. Every value is percent-encoded.
std::string ItemActionUrl(std::string_view server, ItemAction action, const FaucetItem& row);

}  // namespace trelio

// Showing and hiding coin tabs from the coin tab menu.
#pragma once

#include <array>

#include "app/core/coins/CoinTable.h"

namespace trelio {

// shown[i]: the tab of coin i (tab order) is shown. The last shown tab stays.
bool MayToggleCoinTab(const std::array<bool, kCoinCount>& shown, int coin);

}  // namespace trelio

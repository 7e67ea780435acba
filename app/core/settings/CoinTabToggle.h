// Showing and hiding coin tabs from the coin tab menu.
#pragma once

#include <array>

#include "app/core/coins/CoinTable.h"

namespace trelio {

// shown[i]: tab i (the coins' tab order) is shown. The last shown tab stays.
bool MayToggleCoinTab(const std::array<bool, kCoinCount>& shown, int tab);

}  // namespace trelio

#include "app/core/settings/CoinTabToggle.h"

#include <algorithm>

namespace trelio {

bool MayToggleCoinTab(const std::array<bool, kCoinCount>& shown, int tab) {
  if (!shown[static_cast<size_t>(tab)]) return true;
  return std::count(shown.begin(), shown.end(), true) > 1;
}

}  // namespace trelio

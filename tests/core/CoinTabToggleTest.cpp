#include "app/core/settings/CoinTabToggle.h"

#include <gtest/gtest.h>

namespace trelio {
namespace {

std::array<bool, kCoinCount> Shown(std::initializer_list<int> coins) {
  std::array<bool, kCoinCount> shown{};
  for (int c : coins) shown[static_cast<size_t>(c)] = true;
  return shown;
}

TEST(CoinTabToggleTest, TheLastShownTabStays) {
  EXPECT_FALSE(MayToggleCoinTab(Shown({3}), 3));
  EXPECT_TRUE(MayToggleCoinTab(Shown({3}), 4));  // showing another is fine
  EXPECT_TRUE(MayToggleCoinTab(Shown({3, 20}), 3));
  EXPECT_TRUE(MayToggleCoinTab(Shown({3, 20}), 20));
  EXPECT_TRUE(MayToggleCoinTab(Shown({}), 0));
}

}  // namespace
}  // namespace trelio

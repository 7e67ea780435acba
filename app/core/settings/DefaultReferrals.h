// The built-in referral address of each coin, used where the settings give none.
#pragma once

#include <string_view>

namespace trelio {

// The built-in referral of kCoins[coin]; empty for an index out of range.
std::string_view DefaultReferral(int coin);

// The referral put into faucet URLs: the user's own "Ref" value when it is not
// empty, else the coin's built-in one.
std::string_view EffectiveReferral(int coin, std::string_view ownReferral);

}  // namespace trelio

// Pages opened from the coin panels: each coin project's home page, and the
// faucet micropayment service of the banners with the maker's referral id.
#pragma once

#include <array>
#include <string_view>

#include "app/core/settings/CoinTable.h"

namespace trelio {

// In the order of kCoins.
inline constexpr std::array<std::string_view, kCoinCount> kCoinHomePages = {{
    "https://bitcoin.org/",          // Bitcoin
    "https://litecoin.org/",         // Litecoin
    "https://www.dash.org/",         // Dash
    "https://dogecoin.com/",         // Dogecoin
    "https://ethereum.org/",         // Ethereum
    "https://ethereumclassic.org/",  // Ethereum Classic
    "https://z.cash/",               // Zcash
    "https://zclassic.org/",         // Zclassic
    "https://www.horizen.io/",       // ZenCash, now Horizen
    "https://sibcoin.org/",          // Sibcoin
    "https://bitcoincash.org/",      // Bitcoin Cash
    "https://bitcoingold.org/",      // Bitcoin Gold
    "https://bitcore.cc/",           // Bitcore
    "https://blackcoin.org/",        // Blackcoin
    "https://www.peercoin.net/",     // Peercoin
    "https://primecoin.io/",         // Primecoin
    "https://www.getmonero.org/",    // Monero
    "https://karbo.io/",             // Karbowanec, now Karbo
    "https://potcoin.com/",          // Potcoin
    "https://digibyte.org/",         // DigiByte
    "https://tron.network/",         // Tron
}};

// The banners' service; "r" carries the maker's referral id.
inline constexpr std::string_view kMicropaymentServiceUrl =
    "https://micropayments.example/?r=korvane-trelio";

}  // namespace trelio

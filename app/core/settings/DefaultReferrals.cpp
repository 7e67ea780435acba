#include "app/core/settings/DefaultReferrals.h"

#include <array>

#include "app/core/settings/CoinTable.h"

namespace trelio {
namespace {

// Placeholders of our own: plainly not wallet addresses of any coin (hyphens and
// lower-case words), and safe to put into a URL unencoded.
constexpr std::array<std::string_view, kCoinCount> kDefaultReferrals = {
    "korvane-trelio-ref-bitcoin",      "korvane-trelio-ref-litecoin",
    "korvane-trelio-ref-dash",         "korvane-trelio-ref-dogecoin",
    "korvane-trelio-ref-ethereum",     "korvane-trelio-ref-ethereum-classic",
    "korvane-trelio-ref-zcash",        "korvane-trelio-ref-zclassic",
    "korvane-trelio-ref-zencash",      "korvane-trelio-ref-sibcoin",
    "korvane-trelio-ref-bitcoin-cash", "korvane-trelio-ref-bitcoin-gold",
    "korvane-trelio-ref-bitcore",      "korvane-trelio-ref-blackcoin",
    "korvane-trelio-ref-peercoin",     "korvane-trelio-ref-primecoin",
    "korvane-trelio-ref-monero",       "korvane-trelio-ref-karbowanec",
    "korvane-trelio-ref-potcoin",      "korvane-trelio-ref-digibyte",
    "korvane-trelio-ref-tron",
};

}  // namespace

std::string_view DefaultReferral(int coin) {
  return coin >= 0 && coin < kCoinCount ? kDefaultReferrals[coin] : std::string_view();
}

std::string_view EffectiveReferral(int coin, std::string_view ownReferral) {
  return ownReferral.empty() ? DefaultReferral(coin) : ownReferral;
}

}  // namespace trelio

// The 21 coins, in the order of their settings keys.
#pragma once

#include <array>
#include <string_view>

namespace trelio {

inline constexpr int kCoinCount = 21;

struct Coin {
  std::string_view name;  // the tab caption and the settings key ("Bitcoin Cash")
  std::string_view key;   // the name lower-cased, the index's "Currency" ("bitcoin cash")
  bool tabByDefault;      // shown on a first start: the default "1" of its " Tab" key
};

inline constexpr std::array<Coin, kCoinCount> kCoins = {{
    {"Bitcoin", "bitcoin", true},
    {"Litecoin", "litecoin", true},
    {"Dash", "dash", true},
    {"Dogecoin", "dogecoin", true},
    {"Ethereum", "ethereum", true},
    {"Ethereum Classic", "ethereum classic", false},
    {"Zcash", "zcash", true},
    {"Zclassic", "zclassic", false},
    {"ZenCash", "zencash", false},
    {"Sibcoin", "sibcoin", false},
    {"Bitcoin Cash", "bitcoin cash", true},
    {"Bitcoin Gold", "bitcoin gold", false},
    {"Bitcore", "bitcore", false},
    {"Blackcoin", "blackcoin", false},
    {"Peercoin", "peercoin", false},
    {"Primecoin", "primecoin", false},
    {"Monero", "monero", false},
    {"Karbowanec", "karbowanec", false},
    {"Potcoin", "potcoin", false},
    {"DigiByte", "digibyte", true},
    {"Tron", "tron", true},
}};

// The coins in the order of the tab row, as indexes into kCoins; the settings
// key "Page" counts in this order.
inline constexpr std::array<int, kCoinCount> kCoinTabOrder = {
    0, 1, 3, 2, 9, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 18, 19, 16, 17, 20};

// The index into kCoins of a coin key (exact bytes), or -1.
constexpr int CoinOfKey(std::string_view key) {
  for (int i = 0; i < kCoinCount; ++i)
    if (kCoins[i].key == key) return i;
  return -1;
}

}  // namespace trelio

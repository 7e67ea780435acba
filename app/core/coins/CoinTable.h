// The 21 coins, one row each: every fact about a coin that the settings, the
// list, the payout rules and the window use. Rows are in the order of the
// coins' settings keys; the tab row has an order of its own.
#pragma once

#include <array>
#include <string_view>

#include "app/platform/AsciiCase.h"

namespace trelio {

inline constexpr int kCoinCount = 21;

// How a payout amount read from a page turns into whole coins (AmountInCoins).
enum class AmountRule {
  // An amount without a point, or above 1 with one, is in hundred-millionths.
  kPointOrUpToOne,
  // Any amount above 10 is in hundred-millionths, with a point or without.
  kUpToTen,
};

// The names of the window's controls of a coin, as the window and the
// language files know them.
struct CoinComponents {
  std::string_view tabSheet;
  std::string_view panel;
  std::string_view nameLabel;
  std::string_view lockButton;
  std::string_view addressEdit;
  std::string_view banner;
  std::string_view menuItem;  // its item in the coin tab menu
  bool lockButtonHint;        // the lock button has a hint of its own
};

struct Coin {
  std::string_view name;      // the tab caption and the settings key ("Bitcoin Cash")
  std::string_view key;       // the name lower-cased, the index's "Currency" ("bitcoin cash")
  int tab;                    // place in the tab row and the coin tab menu; "Page" counts these
  int icon;                   // index in the coin image list
  bool tabByDefault;          // shown on a first start: the default "1" of its " Tab" key
  std::string_view homePage;  // opened by a click on the coin's name
  // The built-in referral: a placeholder of our own, plainly no wallet
  // address, safe to put into a URL unencoded.
  std::string_view referral;
  AmountRule amountRule;
  CoinComponents components;
};

// clang-format off
inline constexpr std::array<Coin, kCoinCount> kCoins = {{
    {"Bitcoin", "bitcoin", 0, 0, true, "https://bitcoin.org/", "korvane-trelio-ref-bitcoin",
     AmountRule::kPointOrUpToOne,
     {"TabSheet2", "Panel4", "Label5", "SpeedButton2", "Edit1", "Image1", "est1", true}},
    {"Litecoin", "litecoin", 1, 1, true, "https://litecoin.org/", "korvane-trelio-ref-litecoin",
     AmountRule::kPointOrUpToOne,
     {"TabSheet3", "Panel5", "Label10", "SpeedButton3", "Edit2", "Image2", "Litecoin1", true}},
    {"Dash", "dash", 3, 2, true, "https://www.dash.org/", "korvane-trelio-ref-dash",
     AmountRule::kPointOrUpToOne,
     {"TabSheet4", "Panel6", "Label3", "SpeedButton1", "Edit3", "Image4", "Dash1", true}},
    {"Dogecoin", "dogecoin", 2, 3, true, "https://dogecoin.com/", "korvane-trelio-ref-dogecoin",
     AmountRule::kUpToTen,
     {"TabSheet5", "Panel7", "Label8", "SpeedButton4", "Edit4", "Image3", "Dogecoin1", false}},
    {"Ethereum", "ethereum", 5, 4, true, "https://ethereum.org/", "korvane-trelio-ref-ethereum",
     AmountRule::kPointOrUpToOne,
     {"TabSheet1", "Panel10", "Label14", "SpeedButton6", "Edit9", "Image6", "Ethereum1", true}},
    {"Ethereum Classic", "ethereum classic", 6, 5, false, "https://ethereumclassic.org/",
     "korvane-trelio-ref-ethereum-classic", AmountRule::kPointOrUpToOne,
     {"TabSheet6", "Panel8", "Label17", "SpeedButton7", "Edit10", "Image7", "EthereumClassic1", true}},
    {"Zcash", "zcash", 7, 6, true, "https://z.cash/", "korvane-trelio-ref-zcash",
     AmountRule::kPointOrUpToOne,
     {"TabSheet7", "Panel9", "Label20", "SpeedButton8", "Edit11", "Image8", "Zcash1", true}},
    {"Zclassic", "zclassic", 8, 7, false, "https://zclassic.org/", "korvane-trelio-ref-zclassic",
     AmountRule::kPointOrUpToOne,
     {"TabSheet8", "Panel11", "Label23", "SpeedButton9", "Edit12", "Image9", "Zclassic1", true}},
    // Now called Horizen.
    {"ZenCash", "zencash", 9, 9, false, "https://www.horizen.io/", "korvane-trelio-ref-zencash",
     AmountRule::kPointOrUpToOne,
     {"TabSheet10", "Panel13", "Label29", "SpeedButton11", "Edit14", "Image10", "ZenCach1", true}},
    {"Sibcoin", "sibcoin", 4, 8, false, "https://sibcoin.org/", "korvane-trelio-ref-sibcoin",
     AmountRule::kPointOrUpToOne,
     {"TabSheet9", "Panel12", "Label26", "SpeedButton10", "Edit13", "Image5", "Sibcoin1", true}},
    {"Bitcoin Cash", "bitcoin cash", 10, 10, true, "https://bitcoincash.org/",
     "korvane-trelio-ref-bitcoin-cash", AmountRule::kPointOrUpToOne,
     {"TabSheet11", "Panel14", "Label32", "SpeedButton12", "Edit15", "Image11", "BitcoinCash1", true}},
    {"Bitcoin Gold", "bitcoin gold", 11, 16, false, "https://bitcoingold.org/",
     "korvane-trelio-ref-bitcoin-gold", AmountRule::kPointOrUpToOne,
     {"TabSheet17", "Panel20", "Label50", "SpeedButton18", "Edit21", "Image12", "BitcoinGold1", true}},
    {"Bitcore", "bitcore", 12, 17, false, "https://bitcore.cc/", "korvane-trelio-ref-bitcore",
     AmountRule::kPointOrUpToOne,
     {"TabSheet18", "Panel22", "Label53", "SpeedButton19", "Edit22", "Image13", "Bitcore1", true}},
    {"Blackcoin", "blackcoin", 13, 11, false, "https://blackcoin.org/", "korvane-trelio-ref-blackcoin",
     AmountRule::kPointOrUpToOne,
     {"TabSheet12", "Panel15", "Label35", "SpeedButton13", "Edit16", "Image14", "Blackcoin1", true}},
    {"Peercoin", "peercoin", 14, 12, false, "https://www.peercoin.net/", "korvane-trelio-ref-peercoin",
     AmountRule::kPointOrUpToOne,
     {"TabSheet13", "Panel16", "Label38", "SpeedButton14", "Edit17", "Image15", "Peercoin1", true}},
    {"Primecoin", "primecoin", 15, 13, false, "https://primecoin.io/", "korvane-trelio-ref-primecoin",
     AmountRule::kPointOrUpToOne,
     {"TabSheet14", "Panel17", "Label41", "SpeedButton15", "Edit18", "Image16", "Primecoin1", true}},
    {"Monero", "monero", 18, 14, false, "https://www.getmonero.org/", "korvane-trelio-ref-monero",
     AmountRule::kPointOrUpToOne,
     {"TabSheet15", "Panel18", "Label44", "SpeedButton16", "Edit19", "Image17", "Monero1", true}},
    // Now called Karbo.
    {"Karbowanec", "karbowanec", 19, 15, false, "https://karbo.io/", "korvane-trelio-ref-karbowanec",
     AmountRule::kPointOrUpToOne,
     {"TabSheet16", "Panel19", "Label47", "SpeedButton17", "Edit20", "Image18", "Karbowanec1", true}},
    {"Potcoin", "potcoin", 16, 18, false, "https://potcoin.com/", "korvane-trelio-ref-potcoin",
     AmountRule::kPointOrUpToOne,
     {"TabSheet19", "Panel23", "Label56", "SpeedButton20", "Edit23", "Image19", "Potcoin1", true}},
    {"DigiByte", "digibyte", 17, 19, true, "https://digibyte.org/", "korvane-trelio-ref-digibyte",
     AmountRule::kPointOrUpToOne,
     {"TabSheet20", "Panel24", "Label59", "SpeedButton21", "Edit24", "Image20", "DigiByte1", true}},
    {"Tron", "tron", 20, 20, true, "https://tron.network/", "korvane-trelio-ref-tron",
     AmountRule::kPointOrUpToOne,
     {"TabSheet21", "Panel25", "Label62", "SpeedButton22", "Edit25", "Image21", "ron1", true}},
}};
// clang-format on

// The banners' micropayment service; "r" carries the maker's referral id.
inline constexpr std::string_view kMicropaymentServiceUrl =
    "https://micropayments.example/?r=korvane-trelio";

// The index into kCoins of a coin key (exact bytes), or -1.
constexpr int CoinOfKey(std::string_view key) {
  for (int i = 0; i < kCoinCount; ++i)
    if (kCoins[i].key == key) return i;
  return -1;
}

namespace coin_table_detail {
// place -> index into kCoins, from the rows' own places. Two rows claiming one
// place, or a place out of range, stop the build here.
template <int Coin::*place>
constexpr std::array<int, kCoinCount> ByPlace() {
  std::array<int, kCoinCount> order{};
  for (int& o : order) o = -1;
  for (int i = 0; i < kCoinCount; ++i) {
    const int p = kCoins[i].*place;
    if (p < 0 || p >= kCoinCount || order[p] != -1) throw "two coins in one place";
    order[p] = i;
  }
  return order;
}
}  // namespace coin_table_detail

// The coins in the order of the tab row, as indexes into kCoins.
inline constexpr std::array<int, kCoinCount> kCoinTabOrder =
    coin_table_detail::ByPlace<&Coin::tab>();
// The coins in the order of the coin image list, as indexes into kCoins.
inline constexpr std::array<int, kCoinCount> kCoinIconOrder =
    coin_table_detail::ByPlace<&Coin::icon>();

// The key is the name in lower case: the tab caption lower-cased finds the coin.
constexpr bool KeysAreLowerCaseNames() {
  for (const Coin& coin : kCoins) {
    if (coin.key.size() != coin.name.size()) return false;
    for (size_t i = 0; i < coin.name.size(); ++i)
      if (coin.key[i] != AsciiLower(coin.name[i])) return false;
  }
  return true;
}
static_assert(KeysAreLowerCaseNames());

// The coin on a tab of the tab row.
constexpr const Coin& CoinAtTab(int tab) { return kCoins[kCoinTabOrder[tab]]; }

// The built-in referral of kCoins[coin]; empty for an index out of range.
constexpr std::string_view DefaultReferral(int coin) {
  return coin >= 0 && coin < kCoinCount ? kCoins[coin].referral : std::string_view();
}

// The referral put into faucet URLs: the user's own "Ref" value when it is not
// empty, else the coin's built-in one.
constexpr std::string_view EffectiveReferral(int coin, std::string_view ownReferral) {
  return ownReferral.empty() ? DefaultReferral(coin) : ownReferral;
}

}  // namespace trelio

// The coin tabs in tab order, with the component names of each coin's tab
// sheet, panel and controls.
#pragma once

#include <array>
#include <string_view>

#include "app/core/settings/CoinTable.h"

namespace trelio {

struct CoinComponents {
  const char* caption;  // tab caption and coin name; the coin key is its lower case
  const char* tabSheet;
  int icon;  // index in the coin image list
  const char* panel;
  const char* nameLabel;
  const char* lockButton;
  const char* addressEdit;
  const char* banner;
  const char* menuItem;
};

// clang-format off
inline constexpr std::array<CoinComponents, kCoinCount> kCoinTabs = {{
    {"Bitcoin", "TabSheet2", 0, "Panel4", "Label5", "SpeedButton2", "Edit1", "Image1", "est1"},
    {"Litecoin", "TabSheet3", 1, "Panel5", "Label10", "SpeedButton3", "Edit2", "Image2", "Litecoin1"},
    {"Dogecoin", "TabSheet5", 3, "Panel7", "Label8", "SpeedButton4", "Edit4", "Image3", "Dogecoin1"},
    {"Dash", "TabSheet4", 2, "Panel6", "Label3", "SpeedButton1", "Edit3", "Image4", "Dash1"},
    {"Sibcoin", "TabSheet9", 8, "Panel12", "Label26", "SpeedButton10", "Edit13", "Image5", "Sibcoin1"},
    {"Ethereum", "TabSheet1", 4, "Panel10", "Label14", "SpeedButton6", "Edit9", "Image6", "Ethereum1"},
    {"Ethereum Classic", "TabSheet6", 5, "Panel8", "Label17", "SpeedButton7", "Edit10", "Image7", "EthereumClassic1"},
    {"Zcash", "TabSheet7", 6, "Panel9", "Label20", "SpeedButton8", "Edit11", "Image8", "Zcash1"},
    {"Zclassic", "TabSheet8", 7, "Panel11", "Label23", "SpeedButton9", "Edit12", "Image9", "Zclassic1"},
    {"ZenCash", "TabSheet10", 9, "Panel13", "Label29", "SpeedButton11", "Edit14", "Image10", "ZenCach1"},
    {"Bitcoin Cash", "TabSheet11", 10, "Panel14", "Label32", "SpeedButton12", "Edit15", "Image11", "BitcoinCash1"},
    {"Bitcoin Gold", "TabSheet17", 16, "Panel20", "Label50", "SpeedButton18", "Edit21", "Image12", "BitcoinGold1"},
    {"Bitcore", "TabSheet18", 17, "Panel22", "Label53", "SpeedButton19", "Edit22", "Image13", "Bitcore1"},
    {"Blackcoin", "TabSheet12", 11, "Panel15", "Label35", "SpeedButton13", "Edit16", "Image14", "Blackcoin1"},
    {"Peercoin", "TabSheet13", 12, "Panel16", "Label38", "SpeedButton14", "Edit17", "Image15", "Peercoin1"},
    {"Primecoin", "TabSheet14", 13, "Panel17", "Label41", "SpeedButton15", "Edit18", "Image16", "Primecoin1"},
    {"Potcoin", "TabSheet19", 18, "Panel23", "Label56", "SpeedButton20", "Edit23", "Image19", "Potcoin1"},
    {"DigiByte", "TabSheet20", 19, "Panel24", "Label59", "SpeedButton21", "Edit24", "Image20", "DigiByte1"},
    {"Monero", "TabSheet15", 14, "Panel18", "Label44", "SpeedButton16", "Edit19", "Image17", "Monero1"},
    {"Karbowanec", "TabSheet16", 15, "Panel19", "Label47", "SpeedButton17", "Edit20", "Image18", "Karbowanec1"},
    {"Tron", "TabSheet21", 20, "Panel25", "Label62", "SpeedButton22", "Edit25", "Image21", "ron1"},
}};
// clang-format on

// The tab row shows the coins of the settings in their tab order.
constexpr bool TabsFollowTheCoinTable() {
  for (int i = 0; i < kCoinCount; ++i)
    if (std::string_view(kCoinTabs[i].caption) != kCoins[kCoinTabOrder[i]].name) return false;
  return true;
}
static_assert(TabsFollowTheCoinTable());

}  // namespace trelio

// What a row of the faucet list looks like in each state: colours, font
// style, the favourite mark and the extra text by sort kind. No drawing here.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "app/core/index/FaucetItem.h"

namespace trelio {

// Colours are 0xRRGGBB.
struct RowStyle {
  uint32_t background = 0;
  uint32_t textColor = 0;
  // Second line, and the whole text of a hidden row.
  uint32_t secondColor = 0;
  bool bold = false;
  bool strikeOut = false;
  bool underline = false;
  bool favorite = false;
  // Added to the text's left edge for the favourite mark.
  int textOffset = 0;
};

struct RowState {
  bool selected = false;
  bool browsed = false;    // the row is BrowsedItem
  bool preloaded = false;  // the row is PreloadedItem
  bool singleLine = false;
  int index = 0;  // item index in the list, from 0
};

RowStyle ChooseRowStyle(const FaucetItem& row, const RowState& state);

// The text beside the name (single-line view) or under it (two-line view).
struct RowExtraText {
  std::string nameSuffix;     // appended to the name
  std::u16string secondLine;  // drawn only when hasSecondLine
  bool hasSecondLine = false;
};

// minutesWord(n): the word for n minutes in the current language.
using MinutesWord = std::function<std::u16string(int n)>;
RowExtraText ComposeRowExtraText(const FaucetItem& row, int sortKind, bool singleLine,
                                 const MinutesWord& minutesWord);

// Pixel geometry of a row at 96 dpi.
constexpr int kSingleLineItemHeight = 20;
constexpr int kTwoLineItemHeight = 34;
constexpr int kFavoriteMarkSize = 15;
constexpr int kFavoriteTextOffset = 17;
constexpr int kSecondLineTop = 20;
constexpr int kLoneNameTop = 6;

}  // namespace trelio

// The captions of the item commands: "New Item" for the active coin tab and
// the item menu for the row it opens on.
#pragma once

#include <string>
#include <string_view>

#include "app/core/index/FaucetItem.h"

namespace trelio {

// "New <tab caption> item" in the current language.
std::u16string NewItemCaption(std::u16string_view tabCaption);

// Texts for the screen: message texts with the faucet name as characters.
struct ItemMenuCaptions {
  std::u16string complete;    // "Complete" or, for a completed row, "Make incompleted"
  std::u16string favorite;    // "Add to favorites" or "Delete from favorites"
  std::u16string hide;        // "Hide" or, for a hidden row, "Show"
  std::u16string browse;      // Browse "<name>"
  bool completeShown = true;  // a hidden row cannot be completed
};

ItemMenuCaptions ChooseItemMenuCaptions(const FaucetItem& row);

}  // namespace trelio

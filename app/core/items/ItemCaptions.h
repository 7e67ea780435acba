// The captions of the item commands: "New Item" for the active coin tab and
// the item menu for the row it opens on.
#pragma once

#include <string>
#include <string_view>

#include "app/core/index/FaucetItem.h"

namespace trelio {

// "New <tab caption> item" in the current language.
std::string NewItemCaption(std::string_view tabCaption);

struct ItemMenuCaptions {
  std::string complete;       // "Complete" or, for a completed row, "Make incompleted"
  std::string favorite;       // "Add to favorites" or "Delete from favorites"
  std::string hide;           // "Hide" or, for a hidden row, "Show"
  std::string browse;         // Browse "<name>"
  bool completeShown = true;  // a hidden row cannot be completed
};

ItemMenuCaptions ChooseItemMenuCaptions(const FaucetItem& row);

}  // namespace trelio

#include "app/core/items/ItemCaptions.h"

#include "app/core/text/Messages.h"

namespace trelio {

std::string NewItemCaption(std::string_view tabCaption) {
  std::string caption = LoadResString(msgNew);
  caption += ' ';
  caption += tabCaption;
  caption += ' ';
  caption += LoadResString(msgItem);
  return caption;
}

ItemMenuCaptions ChooseItemMenuCaptions(const FaucetItem& row) {
  ItemMenuCaptions c;
  c.complete = LoadResString(row[fCompleted] == "1" ? msgMakeIncompleted : msgComplete);
  c.favorite = LoadResString(row[fFavorite].empty() ? msgAddToFavorites : msgDeleteFromFavorites);
  c.browse = LoadResString(msgBrowse) + " \"" + row[fName] + '"';
  const bool hidden = row[fHidden] == "1";
  c.hide = LoadResString(hidden ? msgShow : msgHide);
  c.completeShown = !hidden;
  return c;
}

}  // namespace trelio

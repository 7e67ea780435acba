#include "app/core/items/ItemCaptions.h"

#include "app/core/text/Messages.h"
#include "app/platform/CodePage.h"

namespace trelio {

std::u16string NewItemCaption(std::u16string_view tabCaption) {
  std::u16string caption = MessageText(msgNew);
  caption += u' ';
  caption += tabCaption;
  caption += u' ';
  caption += MessageText(msgItem);
  return caption;
}

ItemMenuCaptions ChooseItemMenuCaptions(const FaucetItem& row) {
  ItemMenuCaptions c;
  c.complete = MessageText(row[fCompleted] == "1" ? msgMakeIncompleted : msgComplete);
  c.favorite = MessageText(row[fFavorite].empty() ? msgAddToFavorites : msgDeleteFromFavorites);
  // The name is index text in the system code page.
  c.browse = MessageText(msgBrowse) + u" \"" + AnsiToUtf16(row[fName], 0) + u'"';
  const bool hidden = row[fHidden] == "1";
  c.hide = MessageText(hidden ? msgShow : msgHide);
  c.completeShown = !hidden;
  return c;
}

}  // namespace trelio

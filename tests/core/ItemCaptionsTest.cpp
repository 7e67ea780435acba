#include "app/core/items/ItemCaptions.h"

#include <gtest/gtest.h>

#include "app/core/text/Messages.h"

namespace trelio {
namespace {

TEST(ItemCaptionsTest, NewItemNamesTheTab) {
  EXPECT_EQ(NewItemCaption(u"Bitcoin Cash"),
            MessageText(msgNew) + u" Bitcoin Cash " + MessageText(msgItem));
}

TEST(ItemCaptionsTest, ItemMenuFollowsTheRowsFlags) {
  FaucetItem row;
  row.Edit(fName) = "Free & \"easy\"";
  ItemMenuCaptions c = ChooseItemMenuCaptions(row);
  EXPECT_EQ(c.complete, MessageText(msgComplete));
  EXPECT_EQ(c.favorite, MessageText(msgAddToFavorites));
  EXPECT_EQ(c.hide, MessageText(msgHide));
  EXPECT_EQ(c.browse, MessageText(msgBrowse) + u" \"Free & \"easy\"\"");
  EXPECT_TRUE(c.completeShown);

  row.Edit(fCompleted) = "1";
  row.Edit(fFavorite) = "1";
  row.Edit(fHidden) = "1";
  c = ChooseItemMenuCaptions(row);
  EXPECT_EQ(c.complete, MessageText(msgMakeIncompleted));
  EXPECT_EQ(c.favorite, MessageText(msgDeleteFromFavorites));
  EXPECT_EQ(c.hide, MessageText(msgShow));
  EXPECT_FALSE(c.completeShown);

  // Only "1" counts as completed or hidden; any favourite text counts.
  row.Edit(fCompleted) = "2";
  row.Edit(fHidden) = "x";
  row.Edit(fFavorite) = "0";
  c = ChooseItemMenuCaptions(row);
  EXPECT_EQ(c.complete, MessageText(msgComplete));
  EXPECT_EQ(c.hide, MessageText(msgHide));
  EXPECT_TRUE(c.completeShown);
  EXPECT_EQ(c.favorite, MessageText(msgDeleteFromFavorites));
}

}  // namespace
}  // namespace trelio

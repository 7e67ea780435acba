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
  row[fName] = "Free & \"easy\"";
  ItemMenuCaptions c = ChooseItemMenuCaptions(row);
  EXPECT_EQ(c.complete, MessageText(msgComplete));
  EXPECT_EQ(c.favorite, MessageText(msgAddToFavorites));
  EXPECT_EQ(c.hide, MessageText(msgHide));
  EXPECT_EQ(c.browse, MessageText(msgBrowse) + u" \"Free & \"easy\"\"");
  EXPECT_TRUE(c.completeShown);

  row[fCompleted] = "1";
  row[fFavorite] = "1";
  row[fHidden] = "1";
  c = ChooseItemMenuCaptions(row);
  EXPECT_EQ(c.complete, MessageText(msgMakeIncompleted));
  EXPECT_EQ(c.favorite, MessageText(msgDeleteFromFavorites));
  EXPECT_EQ(c.hide, MessageText(msgShow));
  EXPECT_FALSE(c.completeShown);

  // Only "1" counts as completed or hidden; any favourite text counts.
  row[fCompleted] = "2";
  row[fHidden] = "x";
  row[fFavorite] = "0";
  c = ChooseItemMenuCaptions(row);
  EXPECT_EQ(c.complete, MessageText(msgComplete));
  EXPECT_EQ(c.hide, MessageText(msgHide));
  EXPECT_TRUE(c.completeShown);
  EXPECT_EQ(c.favorite, MessageText(msgDeleteFromFavorites));
}

}  // namespace
}  // namespace trelio

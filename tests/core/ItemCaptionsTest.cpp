#include "app/core/items/ItemCaptions.h"

#include <gtest/gtest.h>

#include "app/core/text/Messages.h"

namespace trelio {
namespace {

TEST(ItemCaptionsTest, NewItemNamesTheTab) {
  EXPECT_EQ(NewItemCaption("Bitcoin Cash"),
            LoadResString(msgNew) + " Bitcoin Cash " + LoadResString(msgItem));
}

TEST(ItemCaptionsTest, ItemMenuFollowsTheRowsFlags) {
  FaucetItem row;
  row[fName] = "Free & \"easy\"";
  ItemMenuCaptions c = ChooseItemMenuCaptions(row);
  EXPECT_EQ(c.complete, LoadResString(msgComplete));
  EXPECT_EQ(c.favorite, LoadResString(msgAddToFavorites));
  EXPECT_EQ(c.hide, LoadResString(msgHide));
  EXPECT_EQ(c.browse, LoadResString(msgBrowse) + " \"Free & \"easy\"\"");
  EXPECT_TRUE(c.completeShown);

  row[fCompleted] = "1";
  row[fFavorite] = "1";
  row[fHidden] = "1";
  c = ChooseItemMenuCaptions(row);
  EXPECT_EQ(c.complete, LoadResString(msgMakeIncompleted));
  EXPECT_EQ(c.favorite, LoadResString(msgDeleteFromFavorites));
  EXPECT_EQ(c.hide, LoadResString(msgShow));
  EXPECT_FALSE(c.completeShown);

  // Only "1" counts as completed or hidden; any favourite text counts.
  row[fCompleted] = "2";
  row[fHidden] = "x";
  row[fFavorite] = "0";
  c = ChooseItemMenuCaptions(row);
  EXPECT_EQ(c.complete, LoadResString(msgComplete));
  EXPECT_EQ(c.hide, LoadResString(msgHide));
  EXPECT_TRUE(c.completeShown);
  EXPECT_EQ(c.favorite, LoadResString(msgDeleteFromFavorites));
}

}  // namespace
}  // namespace trelio

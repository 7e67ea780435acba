// Making a row current, the detail edits it fills, and the browse commands'
// edge cases.
#include <gtest/gtest.h>

#include "tests/support/BrowsingFixture.h"

namespace trelio {
namespace {

using test::BrowsingFixture;

using BrowsingSelectionTest = BrowsingFixture;

TEST_F(BrowsingSelectionTest, FieldLoadingFillsDetailsAndRemembersTheRow) {
  AddRows({{"a"}, {"b", "K"}});
  FaucetItem& b = *Row("b");
  b.Edit(fUrl) = "http://b.example/claim?r=old";
  b.Edit(fInput) = "wallet";
  b.Edit(fTimestamp) = std::to_string(kNow - 10);
  Rebuild();

  Click(1);
  EXPECT_EQ(browsing.CurrentItem(), &b);
  EXPECT_EQ(view.EditText(DetailEdit::Url), "http://b.example/claim");
  EXPECT_EQ(view.EditText(DetailEdit::Name), "b");
  EXPECT_EQ(view.EditText(DetailEdit::Interval), "5");
  EXPECT_EQ(view.EditText(DetailEdit::Input), "wallet");
  EXPECT_EQ(view.addSaveMode, AddSaveMode::Save);
  EXPECT_TRUE(view.locked);
  EXPECT_EQ(view.waitText, u"b (wait 5 min.)");
  EXPECT_EQ(browsing.LastItemUrl().at("bitcoin"), "http://b.example/claim?r=old");

  // The rebuild selects the remembered row again.
  Rebuild();
  EXPECT_EQ(view.selected, 1);
  EXPECT_EQ(browsing.CurrentItem(), &b);

  Click(0);
  EXPECT_FALSE(view.locked);
  EXPECT_EQ(view.waitText, u"a");
}

TEST_F(BrowsingSelectionTest, WithoutFieldLoadingTheEditsStay) {
  AddRows({{"a"}, {"b"}});
  Rebuild();
  view.SelectPosition(1);
  browsing.SelectCurrentItem(false);
  EXPECT_EQ(NameOf(browsing.CurrentItem()), "b");
  EXPECT_TRUE(view.editChanges.empty());
  EXPECT_EQ(view.addSaveModeChanges, 0);
  EXPECT_TRUE(browsing.LastItemUrl().empty());
}

TEST_F(BrowsingSelectionTest, NoSelectedRowDoesNothing) {
  AddRows({{"a"}});
  Rebuild();
  view.entries.push_back(nullptr);  // an entry without a row
  for (const int position : {-1, 1}) {
    view.SelectPosition(position);
    browsing.SelectCurrentItem(true);
    browsing.BrowseSelectedRow();
    browsing.BrowseSelectedRowOnEnter('\r');
    EXPECT_EQ(browsing.CurrentItem(), nullptr);
    EXPECT_EQ(browsing.BrowsedItem(), nullptr);
  }
  EXPECT_TRUE(view.browsers[0].loads.empty());
  EXPECT_TRUE(view.externalOpens.empty());
}

TEST_F(BrowsingSelectionTest, EnterInTheListBrowsesOtherKeysDoNot) {
  AddRows({{"a"}});
  Rebuild();
  Click(0);
  browsing.BrowseSelectedRowOnEnter('x');
  EXPECT_TRUE(view.browsers[0].loads.empty());
  browsing.BrowseSelectedRowOnEnter('\r');
  EXPECT_EQ(view.browsers[0].loads, std::vector<std::string>{Browsed("a")});
  EXPECT_TRUE(view.navEnabled[NavButton::Refresh]);
}

TEST_F(BrowsingSelectionTest, StarTypedIntoTheInputEditOpensExternally) {
  AddRows({{"a"}, {"b"}});
  Rebuild();
  browsing.BrowseNextIncomplete();  // a browsed, b preloaded
  Click(1);
  view.SetEditText(DetailEdit::Input, "*");
  browsing.BrowseSelectedRow();
  ASSERT_EQ(view.externalOpens.size(), 1u);
  EXPECT_EQ(view.externalOpens[0].first, Browsed("b"));
  EXPECT_EQ(view.externalOpens[0].second, ExternalOpen::OnWorker);
  EXPECT_EQ(NameOf(browsing.BrowsedItem()), "b");
  EXPECT_EQ(browsing.PreloadedItem(), nullptr);
}

TEST_F(BrowsingSelectionTest, BrowseSelectedDropsUnsavedEdits) {
  AddRows({{"a"}});
  Rebuild();
  Click(0);
  view.SetEditText(DetailEdit::Name, "typed");
  view.SetEditText(DetailEdit::Input, "*");
  browsing.BrowseSelectedItem();
  EXPECT_EQ(view.EditText(DetailEdit::Name), "a");
  EXPECT_EQ(view.EditText(DetailEdit::Input), "");
  EXPECT_TRUE(view.externalOpens.empty());
  EXPECT_EQ(view.browsers[0].loads, std::vector<std::string>{Browsed("a")});
}

TEST_F(BrowsingSelectionTest, ForgettingAllItemsDropsReferencesAndHidesWindows) {
  AddRows({{"a"}, {"b"}});
  Rebuild();
  browsing.BrowseNextIncomplete();
  ASSERT_EQ(Shown(), "1");
  browsing.ForgetAllItems();
  EXPECT_EQ(browsing.CurrentItem(), nullptr);
  EXPECT_EQ(browsing.BrowsedItem(), nullptr);
  EXPECT_EQ(browsing.PreloadedItem(), nullptr);
  EXPECT_EQ(Shown(), "");
  // The next browse starts afresh, and leaving nothing completes nothing.
  index.Clear();
  Rebuild();
  browsing.BrowseNextIncomplete();
  EXPECT_EQ(browsing.CurrentItem(), nullptr);
}

// Swapping in the preload shows a page that has loaded; the next preload
// starts once the swap is on screen, or first thing in the next command.
TEST_F(BrowsingSelectionTest, TheNextPreloadWaitsUntilTheSwapIsOnScreen) {
  AddRows({{"a"}, {"b"}, {"c"}, {"d"}, {"e"}});
  Rebuild();
  view.holdUntilOnScreen = true;
  const auto loads = [&](int window) { return view.browsers[window].loads; };
  using Loads = std::vector<std::string>;

  browsing.BrowseNextIncomplete();  // a loads afresh, b with it: nothing to wait for
  EXPECT_EQ(loads(0), Loads{Browsed("a")});
  EXPECT_EQ(loads(1), Loads{Browsed("b")});
  EXPECT_TRUE(view.onScreen.empty());

  browsing.BrowseNextIncomplete();  // b swapped in
  EXPECT_EQ(NameOf(browsing.BrowsedItem()), "b");
  EXPECT_EQ(NameOf(browsing.PreloadedItem()), "c");
  EXPECT_EQ(Shown(), "2");
  EXPECT_EQ(loads(0), Loads{Browsed("a")});
  view.RunOnScreen();
  EXPECT_EQ(loads(0), (Loads{Browsed("a"), Browsed("c")}));

  // Before the swap to c is on screen: the next command starts d's preload
  // first, so the swap to d shows d's page.
  browsing.BrowseNextIncomplete();
  EXPECT_EQ(loads(1), Loads{Browsed("b")});
  browsing.BrowseNextIncomplete();
  EXPECT_EQ(loads(1), (Loads{Browsed("b"), Browsed("d")}));
  EXPECT_EQ(NameOf(browsing.BrowsedItem()), "d");
  EXPECT_EQ(Shown(), "2");
  view.RunOnScreen();  // the stale call starts nothing more
  EXPECT_EQ(loads(0), (Loads{Browsed("a"), Browsed("c"), Browsed("e")}));

  // Rows that go take their held-back preload with them.
  browsing.BrowseNextIncomplete();  // e swapped in; the only one left, it preloads again
  ASSERT_EQ(NameOf(browsing.PreloadedItem()), "e");
  const Loads before = loads(1);
  browsing.ForgetAllItems();
  view.RunOnScreen();
  EXPECT_EQ(loads(1), before);
}

// The list draws the browsed and the preloaded row in their own colours and
// a completed one in its own: a swap redraws the rows it changed, and the
// whole list when one of them is not where the command went.
TEST_F(BrowsingSelectionTest, ASwapRedrawsTheRowsItChanged) {
  AddRows({{"a"}, {"b"}, {"c"}, {"d"}, {"e"}});
  Rebuild();
  browsing.BrowseNextIncomplete();  // a browsed, b preloaded

  const int repaints = view.repaints;
  browsing.BrowseNextIncomplete();  // b swapped in, a completed, c preloaded
  ASSERT_EQ(NameOf(browsing.BrowsedItem()), "b");
  EXPECT_EQ(view.repaints, repaints);
  ASSERT_FALSE(view.repaintedEntries.empty());
  EXPECT_EQ(view.repaintedEntries.back(), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(Completed(), "a");

  // Nothing left to browse: the preloaded c loses its colour, away from the
  // rows the command went through.
  for (const char* name : {"c", "d", "e"}) Row(name)->Edit(fCompleted) = "1";
  const std::size_t entryRepaints = view.repaintedEntries.size();
  browsing.BrowseNextIncomplete();
  EXPECT_EQ(browsing.PreloadedItem(), nullptr);
  EXPECT_EQ(view.repaints, repaints + 1);
  EXPECT_EQ(view.repaintedEntries.size(), entryRepaints);
}

}  // namespace
}  // namespace trelio

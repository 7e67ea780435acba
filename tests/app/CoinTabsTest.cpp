#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabWidget>

#include "app/widgets/FaucetListBox.h"
#include "app/widgets/PanelStatusBar.h"
#include "tests/support/window/StartedWindow.h"

namespace trelio {
namespace {

using test::StartedWindowTest;

using CoinTabsTest = StartedWindowTest;

TEST_F(CoinTabsTest, HidingTheActiveTabActivatesItsNeighbourWithoutATabChange) {
  TForm1& f = Start();  // first start: the tabs shown by default
  struct Case {
    int active, next;
  };
  const Case cases[] = {
      {2, 3},    // Dogecoin -> Dash, its right neighbour
      {20, 17},  // Tron, the rightmost -> DigiByte
  };
  for (const Case& c : cases) {
    f.PageControl1->setCurrentIndex(c.active);  // as the user would
    const QString caption = f.NewItem1->text();
    f.Edit5->setText("kept");
    f.Coins[c.active].MenuItem->trigger();
    EXPECT_FALSE(f.PageControl1->isTabVisible(c.active));
    EXPECT_EQ(f.PageControl1->currentIndex(), c.next) << c.active;
    // Not a tab change: the detail area and the caption stay.
    EXPECT_EQ(f.NewItem1->text(), caption);
    EXPECT_EQ(f.Edit5->text(), "kept");
  }
  f.Coins[2].MenuItem->trigger();
  EXPECT_TRUE(f.PageControl1->isTabVisible(2));
  EXPECT_EQ(f.PageControl1->currentIndex(), 17);
}

TEST_F(CoinTabsTest, TabChangeForgetsTheCurrentItem) {
  TForm1& f = Start();
  FaucetItem& row = f.StringGrid1.Append();
  row[fName] = "Moon";
  f.ListBox1->AddItem("Moon", &row);
  {
    const QSignalBlocker quiet(f.ListBox1);
    f.ListBox1->SetItemIndex(f.ListBox1->count() - 1);
  }
  f.Browsing->SelectCurrentItem(false);
  f.StatusBar1->SetPanelText(0, "Moon");
  ASSERT_EQ(f.Browsing->CurrentItem(), &row);
  f.PageControl1->setCurrentIndex(1);
  EXPECT_EQ(f.Browsing->CurrentItem(), nullptr);
  EXPECT_TRUE(f.StatusBar1->PanelText(0).isEmpty());
  EXPECT_EQ(f.NewItem1->text(), "New Litecoin item");
}

}  // namespace
}  // namespace trelio

#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

#include "app/widgets/CoinPanel.h"
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

// Each coin's lock button, menu item and address edit act on that coin alone.
TEST_F(CoinTabsTest, EachCoinsControlsActOnThatCoin) {
  std::string tabs;
  for (const Coin& coin : kCoins) tabs += std::string(coin.name) + " Tab=1\r\n";
  Write(Data("settings.ini"), "[Interface]\r\n" + tabs);
  TForm1& f = Start();
  const auto lockedTabs = [&] {
    std::vector<int> locked;
    for (int tab = 0; tab < kCoinCount; ++tab)
      if (f.Coins[tab].Panel->AddressEdit->isReadOnly()) locked.push_back(tab);
    return locked;
  };
  const auto hiddenTabs = [&] {
    std::vector<int> hidden;
    for (int tab = 0; tab < kCoinCount; ++tab)
      if (!f.PageControl1->isTabVisible(tab)) hidden.push_back(tab);
    return hidden;
  };
  for (int tab = 0; tab < kCoinCount; ++tab) {
    const CoinWidgets& w = f.Coins[tab];
    EXPECT_EQ(kCoins[w.coin].tab, tab);
    EXPECT_EQ(w.Panel->AddressEdit->objectName().toStdString(),
              kCoins[w.coin].components.addressEdit);

    w.Panel->LockButton->click();
    EXPECT_EQ(lockedTabs(), std::vector<int>{tab});
    // A release over the locked edit selects its text, ready to be copied.
    w.Panel->AddressEdit->setText("address");
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(3, 3),
                        w.Panel->AddressEdit->mapToGlobal(QPointF(3, 3)), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.Panel->AddressEdit, &release);
    EXPECT_EQ(w.Panel->AddressEdit->selectedText(), "address") << tab;
    w.Panel->LockButton->click();
    EXPECT_TRUE(lockedTabs().empty());

    w.MenuItem->trigger();
    EXPECT_EQ(hiddenTabs(), std::vector<int>{tab});
    w.MenuItem->trigger();
    EXPECT_TRUE(hiddenTabs().empty());
  }
}

}  // namespace
}  // namespace trelio

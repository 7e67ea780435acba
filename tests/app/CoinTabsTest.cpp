#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <functional>

#include "app/widgets/CoinPanel.h"
#include "app/widgets/FaucetListBox.h"
#include "app/widgets/PanelStatusBar.h"
#include "tests/support/window/MouseRelease.h"
#include "tests/support/window/StartedWindow.h"
#include "tests/support/window/Widget.h"

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
    test::Widget<QTabWidget>(f, "PageControl1")->setCurrentIndex(c.active);  // as the user would
    const QString caption = test::Widget<QAction>(f, "NewItem1")->text();
    test::Widget<QLineEdit>(f, "Edit5")->setText("kept");
    test::CoinMenuItemAt(f, c.active)->trigger();
    EXPECT_FALSE(test::Widget<QTabWidget>(f, "PageControl1")->isTabVisible(c.active));
    EXPECT_EQ(test::Widget<QTabWidget>(f, "PageControl1")->currentIndex(), c.next) << c.active;
    // Not a tab change: the detail area and the caption stay.
    EXPECT_EQ(test::Widget<QAction>(f, "NewItem1")->text(), caption);
    EXPECT_EQ(test::Widget<QLineEdit>(f, "Edit5")->text(), "kept");
  }
  test::CoinMenuItemAt(f, 2)->trigger();
  EXPECT_TRUE(test::Widget<QTabWidget>(f, "PageControl1")->isTabVisible(2));
  EXPECT_EQ(test::Widget<QTabWidget>(f, "PageControl1")->currentIndex(), 17);
}

TEST_F(CoinTabsTest, TabChangeForgetsTheCurrentItem) {
  TForm1& f = Start();
  FaucetItem& row = f.Rows().Append();
  row.Edit(fName) = "Moon";
  test::Widget<FaucetListBox>(f, "ListBox1")->AddItem("Moon", &row);
  {
    const QSignalBlocker quiet(test::Widget<FaucetListBox>(f, "ListBox1"));
    test::Widget<FaucetListBox>(f, "ListBox1")
        ->SetItemIndex(test::Widget<FaucetListBox>(f, "ListBox1")->count() - 1);
  }
  f.BrowsingControl().SelectCurrentItem(false);
  test::Widget<PanelStatusBar>(f, "StatusBar1")->SetPanelText(0, "Moon");
  ASSERT_EQ(f.BrowsingControl().CurrentItem(), &row);
  test::Widget<QTabWidget>(f, "PageControl1")->setCurrentIndex(1);
  EXPECT_EQ(f.BrowsingControl().CurrentItem(), nullptr);
  EXPECT_TRUE(test::Widget<PanelStatusBar>(f, "StatusBar1")->PanelText(0).isEmpty());
  EXPECT_EQ(test::Widget<QAction>(f, "NewItem1")->text(), "New Litecoin item");
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
      if (test::AddressEditAt(f, tab)->isReadOnly()) locked.push_back(tab);
    return locked;
  };
  const auto hiddenTabs = [&] {
    std::vector<int> hidden;
    for (int tab = 0; tab < kCoinCount; ++tab)
      if (!test::Widget<QTabWidget>(f, "PageControl1")->isTabVisible(tab)) hidden.push_back(tab);
    return hidden;
  };
  for (int tab = 0; tab < kCoinCount; ++tab) {
    // The controls on the tab are those of the coin the tab row puts there.
    QLineEdit* edit = test::AddressEditAt(f, tab);
    EXPECT_EQ(edit->parentWidget(), test::CoinPanelAt(f, tab));
    EXPECT_EQ(test::CoinPanelAt(f, tab)->parentWidget(),
              test::Widget<QTabWidget>(f, "PageControl1")->widget(tab));

    test::LockButtonAt(f, tab)->click();
    EXPECT_EQ(lockedTabs(), std::vector<int>{tab});
    // A release over the locked edit selects its text, ready to be copied.
    edit->setText("address");
    test::Release(edit);
    EXPECT_EQ(edit->selectedText(), "address") << tab;
    test::LockButtonAt(f, tab)->click();
    EXPECT_TRUE(lockedTabs().empty());

    test::CoinMenuItemAt(f, tab)->trigger();
    EXPECT_EQ(hiddenTabs(), std::vector<int>{tab});
    test::CoinMenuItemAt(f, tab)->trigger();
    EXPECT_TRUE(hiddenTabs().empty());
  }
}

// The tab row's own keys and wheel, and the tab widget's Ctrl+Tab, pass over
// hidden coins: a hidden coin made current would show its page and draw its
// tab, which has no place in the row, over the row's top-left corner.
TEST_F(CoinTabsTest, KeysAndWheelMoveOnlyBetweenShownTabs) {
  TForm1& f = Start();  // first start: Bitcoin Gold, Bitcore and others hidden
  QTabBar* bar = test::Widget<QTabWidget>(f, "PageControl1")->tabBar();
  const auto key = [](QWidget* to, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    return [=] { QTest::keyClick(to, k, m); };
  };
  const auto wheel = [bar](int delta) {
    return [=] {
      const QPointF at(bar->tabRect(bar->currentIndex()).center());
      QWheelEvent event(at, bar->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
      QCoreApplication::sendEvent(bar, &event);
    };
  };
  // Above the tabs lies their margin: the row's top lines are one colour.
  const auto plainTopLines = [bar] {
    const QImage lines = bar->grab(QRect(0, 0, 120, 2)).toImage();
    for (int y = 0; y < lines.height(); ++y)
      for (int x = 0; x < lines.width(); ++x)
        if (lines.pixel(x, y) != lines.pixel(0, 0)) return false;
    return true;
  };
  QWidget* edit = test::AddressEditAt(f, 10);
  const struct {
    const char* what;
    int from;
    std::function<void()> act;
    int to;
  } cases[] = {
      {"Ctrl+Tab", 10,
       key(test::Widget<QTabWidget>(f, "PageControl1"), Qt::Key_Tab, Qt::ControlModifier), 17},
      {"Ctrl+Tab in the address", 10, key(edit, Qt::Key_Tab, Qt::ControlModifier), 17},
      {"Ctrl+Tab from the last", 20,
       key(test::Widget<QTabWidget>(f, "PageControl1"), Qt::Key_Tab, Qt::ControlModifier), 0},
      {"Ctrl+Shift+Tab", 17,
       key(test::Widget<QTabWidget>(f, "PageControl1"), Qt::Key_Backtab,
           Qt::ControlModifier | Qt::ShiftModifier),
       10},
      {"Right", 10, key(bar, Qt::Key_Right), 17},
      {"Left", 17, key(bar, Qt::Key_Left), 10},
      {"wheel down", 3, wheel(-120), 5},
      {"wheel up", 5, wheel(120), 3},
  };
  for (const auto& c : cases) {
    test::Widget<QTabWidget>(f, "PageControl1")->setCurrentIndex(c.from);
    c.act();
    EXPECT_EQ(test::Widget<QTabWidget>(f, "PageControl1")->currentIndex(), c.to) << c.what;
    EXPECT_TRUE(test::Widget<QTabWidget>(f, "PageControl1")
                    ->isTabVisible(test::Widget<QTabWidget>(f, "PageControl1")->currentIndex()))
        << c.what;
    EXPECT_TRUE(plainTopLines()) << c.what;
  }
}

}  // namespace
}  // namespace trelio

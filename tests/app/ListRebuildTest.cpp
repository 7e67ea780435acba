#include <QLineEdit>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include "app/widgets/PanelStatusBar.h"
#include "tests/support/window/Widget.h"
#include "tests/support/window/WindowFixture.h"

namespace trelio::test {
namespace {

using ListRebuildTest = WindowFixture;

TEST_F(ListRebuildTest, ListsTheCoinsShownRowsSortedWithTheirCount) {
  AddRow("Plain", "http://plain.example/").Edit(fLastPayout) = "0.001";
  AddRow("Star", "http://star.example/").Edit(fFavorite) = "1";
  AddRow("Hidden", "http://hidden.example/").Edit(fHidden) = "1";
  AddRow("Removed", "http://removed.example/").Edit(fHidden) = "-";
  AddRow("Lite", "http://lite.example/", "litecoin");
  AddRow("Case", "http://case.example/", "Bitcoin");
  form->RebuildList();
  EXPECT_EQ(form->CurrentCoin, "bitcoin");
  EXPECT_EQ(ListedNames(), (std::vector<std::string>{"Star", "Plain"}));
  EXPECT_EQ(test::Widget<PanelStatusBar>(*form, "StatusBar2")->PanelText(0),
            "2 items sorted in descending order by last payout");
  EXPECT_TRUE(test::Widget<QAction>(*form, "Sortinginorderbylastpayout1")->isChecked());
  EXPECT_TRUE(test::Widget<QAction>(*form, "Sortinginorderbylastpayout2")->isChecked());

  test::Widget<QToolButton>(*form, "ToolButton1")->click();
  EXPECT_EQ(ListedNames(), (std::vector<std::string>{"Star", "Plain", "Hidden"}));
  test::Widget<QAction>(*form, "sortinginalphabeticalorder1")->trigger();
  test::Widget<QAction>(*form, "Ascendingorder1")->trigger();
  EXPECT_EQ(ListedNames(), (std::vector<std::string>{"Star", "Plain", "Hidden"}));
  EXPECT_EQ(test::Widget<PanelStatusBar>(*form, "StatusBar2")->PanelText(0),
            "3 items sorted in ascending alphabetical order");
  test::Widget<QAction>(*form, "Hiddenpointsalwaysbelow1")->trigger();
  EXPECT_EQ(ListedNames(), (std::vector<std::string>{"Star", "Hidden", "Plain"}));

  test::Widget<QTabWidget>(*form, "PageControl1")->setCurrentIndex(1);
  EXPECT_EQ(form->CurrentCoin, "litecoin");
  EXPECT_EQ(test::Widget<PanelStatusBar>(*form, "StatusBar2")->PanelText(0), "1 item");
}

TEST_F(ListRebuildTest, TheLastSelectedRowOfTheCoinIsCurrentAgain) {
  AddRow("A", "http://a.example/");
  FaucetItem& b = AddRow("B", "http://b.example/?r={R}");
  form->RebuildList();
  EXPECT_EQ(form->BrowsingControl().CurrentItem(), nullptr);
  Select(PositionOf(b));
  test::Widget<QLineEdit>(*form, "Edit5")->setText("typed");

  form->RebuildList();
  EXPECT_EQ(form->BrowsingControl().CurrentItem(), &b);
  EXPECT_EQ(test::Widget<FaucetListBox>(*form, "ListBox1")->ItemIndex(), PositionOf(b));
  EXPECT_EQ(test::Widget<QLineEdit>(*form, "Edit5")->text(), "B");

  test::Widget<QTabWidget>(*form, "PageControl1")->setCurrentIndex(1);
  EXPECT_EQ(form->BrowsingControl().CurrentItem(), nullptr);
  EXPECT_EQ(test::Widget<FaucetListBox>(*form, "ListBox1")->ItemIndex(), -1);
  test::Widget<QTabWidget>(*form, "PageControl1")->setCurrentIndex(0);
  EXPECT_EQ(form->BrowsingControl().CurrentItem(), &b);
}

// After a tab change only the coin's remembered row is made current: the
// list taking the focus from the browser window just hidden selects nothing.
TEST_F(ListRebuildTest, ATabChangeMakesNoRowCurrentUnseen) {
  FaucetItem& a = AddRow("A", "http://a.example/");
  AddRow("B", "http://b.example/");
  AddRow("Lite", "http://lite.example/", "litecoin");
  form->RebuildList();
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  Select(PositionOf(a));
  test::Widget<QToolButton>(*form, "ToolButton5")->click();  // "Browse next incompleted item"
  QWidget* shown = form->ActiveBrowser()->View();
  ASSERT_TRUE(shown->isVisible());
  shown->setFocusPolicy(Qt::StrongFocus);  // as the page takes the keyboard
  shown->setFocus();
  ASSERT_TRUE(shown->hasFocus());

  test::Widget<QTabWidget>(*form, "PageControl1")
      ->setCurrentIndex(1);  // Litecoin, nothing selected on it yet
  QCoreApplication::processEvents();
  EXPECT_EQ(form->BrowsingControl().CurrentItem(), nullptr);
  EXPECT_EQ(test::Widget<FaucetListBox>(*form, "ListBox1")->ItemIndex(), -1);
  EXPECT_TRUE(test::Widget<QLineEdit>(*form, "Edit7")->text().isEmpty());
  EXPECT_EQ(form->BrowsingControl().LastItemUrl().count("litecoin"), 0u);

  // However the list comes to have the focus: from the hidden window, or by
  // the Tab key.
  for (const Qt::FocusReason reason : {Qt::TabFocusReason, Qt::OtherFocusReason}) {
    test::Widget<FaucetListBox>(*form, "ListBox1")->clearFocus();
    test::Widget<FaucetListBox>(*form, "ListBox1")->setFocus(reason);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->BrowsingControl().CurrentItem(), nullptr) << reason;
    EXPECT_EQ(test::Widget<FaucetListBox>(*form, "ListBox1")->ItemIndex(), -1) << reason;
  }
  // A key the user presses there still picks a row, highlighted.
  QTest::keyClick(test::Widget<FaucetListBox>(*form, "ListBox1"), Qt::Key_Down);
  EXPECT_EQ(test::Widget<FaucetListBox>(*form, "ListBox1")->ItemIndex(), 0);
  EXPECT_TRUE(test::Widget<FaucetListBox>(*form, "ListBox1")->item(0)->isSelected());
  ASSERT_NE(form->BrowsingControl().CurrentItem(), nullptr);
  EXPECT_EQ((*form->BrowsingControl().CurrentItem())[fName], "Lite");
}

TEST_F(ListRebuildTest, OfTwoRowsWithTheRememberedUrlTheLaterStaysSelected) {
  FaucetItem& first = AddRow("First", "http://same.example/");
  FaucetItem& second = AddRow("Second", "http://same.example/");
  form->RebuildList();
  Select(PositionOf(first));
  form->RebuildList();
  EXPECT_EQ(test::Widget<FaucetListBox>(*form, "ListBox1")->ItemIndex(), 1);
  EXPECT_EQ(form->BrowsingControl().CurrentItem(),
            test::Widget<FaucetListBox>(*form, "ListBox1")->Row(1));
  EXPECT_TRUE(form->BrowsingControl().CurrentItem() == &first ||
              form->BrowsingControl().CurrentItem() == &second);
}

TEST_F(ListRebuildTest, RightClickOpensTheMenuOfTheCurrentRowWithoutSelecting) {
  FaucetItem& a = AddRow("A", "http://a.example/");
  AddRow("B", "http://b.example/");
  form->RebuildList();
  Select(PositionOf(a));
  const int other = 1 - PositionOf(a);
  QWidget* viewport = test::Widget<FaucetListBox>(*form, "ListBox1")->viewport();
  const QPoint at =
      test::Widget<FaucetListBox>(*form, "ListBox1")
          ->visualItemRect(test::Widget<FaucetListBox>(*form, "ListBox1")->item(other))
          .center();
  QTest::mouseClick(viewport, Qt::RightButton, Qt::NoModifier, at);
  EXPECT_EQ(test::Widget<FaucetListBox>(*form, "ListBox1")->ItemIndex(), PositionOf(a));
  EXPECT_EQ(form->BrowsingControl().CurrentItem(), &a);
  EXPECT_TRUE(test::Widget<QMenu>(*form, "PopupMenu1")->isVisible());
  EXPECT_EQ(test::Widget<QAction>(*form, "Load1")->text(), "Browse \"A\"");
  test::Widget<QMenu>(*form, "PopupMenu1")->close();

  QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
  EXPECT_EQ(test::Widget<FaucetListBox>(*form, "ListBox1")->ItemIndex(), other);
  EXPECT_EQ(form->BrowsingControl().CurrentItem(),
            test::Widget<FaucetListBox>(*form, "ListBox1")->Row(other));
}

TEST_F(ListRebuildTest, DoubleClickOnTheListToolBarRebuilds) {
  AddRow("Late", "http://late.example/");
  EXPECT_EQ(test::Widget<FaucetListBox>(*form, "ListBox1")->count(), 0);
  QTest::mouseDClick(test::Widget<QToolBar>(*form, "ToolBar1"), Qt::LeftButton, Qt::NoModifier,
                     QPoint(180, 5));
  EXPECT_EQ(ListedNames(), std::vector<std::string>{"Late"});
}

}  // namespace
}  // namespace trelio::test

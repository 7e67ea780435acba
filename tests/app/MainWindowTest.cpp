#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QtTest/QTest>

#include "app/core/text/Messages.h"
#include "app/widgets/CoinPanel.h"
#include "app/widgets/DetailPanel.h"
#include "app/widgets/FaucetListBox.h"
#include "app/widgets/PanelStatusBar.h"
#include "app/window/Unit1.h"
#include "tests/support/window/FakeBrowser.h"
#include "tests/support/window/MouseRelease.h"
#include "tests/support/window/Widget.h"

namespace trelio {
namespace {

using test::FakeBrowser;
using test::FakeBrowserFactory;
using test::Release;

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm1>(browsers);
    form->show();
    QCoreApplication::processEvents();
  }
  void TearDown() override {
    for (QMenu* menu : form->findChildren<QMenu*>()) menu->close();
    form.reset();
  }

  // The object names of a menu's items, "-" for a separator.
  static QStringList Items(const QMenu* menu) {
    QStringList names;
    for (const QAction* a : menu->actions()) names << (a->isSeparator() ? "-" : a->objectName());
    return names;
  }
  static QStringList Captions(const QMenu* menu) {
    QStringList captions;
    for (const QAction* a : menu->actions()) captions << (a->isSeparator() ? "-" : a->text());
    return captions;
  }
  template <class T = QObject>
  T* Find(const char* name) {
    return form->findChild<T*>(QString::fromLatin1(name));
  }
  FakeBrowser& Fake(int i) { return *browsers.made.at(static_cast<size_t>(i)); }

  FakeBrowserFactory browsers;
  std::unique_ptr<TForm1> form;
};

TEST_F(MainWindowTest, EveryComponentCarriesItsName) {
  const char* names[] = {"PageControl1", "Splitter2",   "Panel1",          "Panel3",
                         "ToolBar1",     "ToolButton1", "ToolButton2",     "ToolButton5",
                         "ListBox1",     "StatusBar2",  "Splitter1",       "Panel2",
                         "ToolBar2",     "ToolButton7", "ToolButton9",     "ToolButton10",
                         "Edit7",        "Splitter3",   "ToolButton6",     "SpeedButton5",
                         "Edit5",        "Splitter4",   "Edit6",           "Splitter5",
                         "Edit8",        "Splitter6",   "ToolButton15",    "StatusBar1",
                         "WebBrowser1",  "WebBrowser2", "MemoJsInsertAdr", "MemoJsDetectInterval",
                         "File1",        "PopupMenu1",  "PopupMenu2",      "PopupMenu3",
                         "OpenDialog1",  "SaveDialog1", "SaveDialog2"};
  for (const char* name : names) EXPECT_NE(Find(name), nullptr) << name;
  for (const Coin& coin : kCoins) {
    const CoinComponents& c = coin.components;
    for (std::string_view name :
         {c.tabSheet, c.panel, c.nameLabel, c.lockButton, c.addressEdit, c.banner, c.menuItem})
      EXPECT_NE(Find(std::string(name).c_str()), nullptr) << name;
  }
  EXPECT_EQ(form->windowTitle(), "Korvane Trelio v1.01");
}

TEST_F(MainWindowTest, MainMenuIsOneIconWithAllCommandsInOrder) {
  const QList<QAction*> top = form->menuBar()->actions();
  ASSERT_EQ(top.size(), 1);
  EXPECT_TRUE(top[0]->text().isEmpty());
  EXPECT_FALSE(top[0]->icon().isNull());
  EXPECT_EQ(Items(test::Widget<QMenu>(*form, "File1")), QStringList({"NewItem1",
                                                                     "-",
                                                                     "Updateindex1",
                                                                     "Load2",
                                                                     "Updatingoptions1",
                                                                     "List1",
                                                                     "-",
                                                                     "Save1",
                                                                     "SaveFullIndextofile1",
                                                                     "-",
                                                                     "ClearIndex1",
                                                                     "-",
                                                                     "About1",
                                                                     "HomePage1",
                                                                     "Feedback1",
                                                                     "-",
                                                                     "Settings1",
                                                                     "Language1",
                                                                     "-",
                                                                     "Exit1"}));
  EXPECT_EQ(test::Widget<QMenu>(*form, "File1")->defaultAction(),
            test::Widget<QAction>(*form, "NewItem1"));
  EXPECT_EQ(Items(test::Widget<QMenu>(*form, "Updatingoptions1")),
            QStringList({"Updatingwithshowinghiddenitems1", "Hidingbeforeupdate1",
                         "Clearingbeforeupdating1"}));
  EXPECT_EQ(Captions(test::Widget<QMenu>(*form, "Language1")),
            QStringList({"English", QString::fromUtf8("Русский")}));
  for (const char* name : {"Updateindex1", "About1", "Settings1", "Language1"})
    EXPECT_TRUE(Find<QAction>(name)->isEnabled()) << name;
  for (QAction* a : test::Widget<QMenu>(*form, "File1")->actions()) {
    if (!a->isSeparator()) {
      EXPECT_FALSE(a->icon().isNull()) << a->objectName().toStdString();
    }
  }
}

TEST_F(MainWindowTest, ItemAndListOptionMenusWithTheirTwins) {
  EXPECT_EQ(
      Items(test::Widget<QMenu>(*form, "PopupMenu1")),
      QStringList({"Load1", "-", "Nocompleted1", "Hide1", "Addtofavorites1", "-", "Remove1"}));
  EXPECT_EQ(Items(test::Widget<QMenu>(*form, "PopupMenu2")),
            QStringList({"Refresh1", "-", "Withoutsorting1", "Sortinginorderbylastpayout1",
                         "Sortinginorderbymovedaverage1", "Sortinginorderbyaveragepayout1",
                         "Sortinginorderbytotalpayout1", "sortedinascendingorderbyinterval1",
                         "sortinginalphabeticalorder1", "-", "Ascendingorder1", "Descendingorder1",
                         "-", "Showhiddenitems1", "Hiddenpointsalwaysbelow1", "Singlelineview1"}));
  EXPECT_EQ(Items(test::Widget<QMenu>(*form, "List1")),
            QStringList({"Refresh2", "-", "Defaultsorting1", "Sortinginorderbylastpayout2",
                         "Sortinginorderbymovingaveragepayout1", "Sortinginorderbyaveragepayout2",
                         "Sortinginorderbytotalpayout2", "Sortinginorderbyinterval2",
                         "Sortinginalphabeticalorder2", "-", "Ascendingorder2", "Descendingorder2",
                         "-", "Showhiddenitems2", "Hiddenitemsalwaysbelow1", "Singlelineview2"}));
  EXPECT_EQ(Captions(test::Widget<QMenu>(*form, "List1")),
            Captions(test::Widget<QMenu>(*form, "PopupMenu2")));
  EXPECT_EQ(test::Widget<QMenu>(*form, "PopupMenu2")->defaultAction(),
            test::Widget<QAction>(*form, "Refresh1"));

  QStringList coins;
  for (QAction* a : test::Widget<QMenu>(*form, "PopupMenu3")->actions()) {
    // A first start shows the coins whose tabs are on by default.
    EXPECT_EQ(a->isChecked(), kCoins[kCoinTabOrder[coins.size()]].tabByDefault);
    coins << a->text();
  }
  ASSERT_EQ(coins.size(), kCoinCount);
  EXPECT_EQ(coins.front(), "Bitcoin");
  EXPECT_EQ(coins[6], "Ethereum Classic");
  EXPECT_EQ(coins.back(), "Tron");
}

TEST_F(MainWindowTest, LayoutAtItsDesignSizes) {
  EXPECT_EQ(form->minimumSize(), QSize(830, 301));
  EXPECT_EQ(test::Widget<QTabWidget>(*form, "PageControl1")->height(), 100);
  EXPECT_EQ(test::Widget<QTabWidget>(*form, "PageControl1")->minimumHeight(), 32);
  EXPECT_EQ(test::Widget<QTabWidget>(*form, "PageControl1")->maximumHeight(), 100);
  EXPECT_EQ(test::Widget<QWidget>(*form, "Panel3")->width(), 202);
  EXPECT_EQ(test::Widget<QWidget>(*form, "Panel3")->minimumWidth(), 75);
  EXPECT_EQ(test::Widget<QSplitter>(*form, "Splitter1")->handleWidth(), 4);
  EXPECT_EQ(test::Widget<QSplitter>(*form, "Splitter2")->handleWidth(), 4);
  EXPECT_EQ(test::Widget<QToolBar>(*form, "ToolBar1")->height(), 26);
  EXPECT_EQ(test::Widget<QToolBar>(*form, "ToolBar2")->height(), 26);
  EXPECT_EQ(test::Widget<PanelStatusBar>(*form, "StatusBar1")->height(), 22);
  EXPECT_EQ(test::Widget<PanelStatusBar>(*form, "StatusBar2")->height(), 22);
  EXPECT_EQ(test::Widget<PanelStatusBar>(*form, "StatusBar2")->geometry().bottom(),
            test::Widget<QWidget>(*form, "Panel3")->height() - 1);
  EXPECT_EQ(test::Widget<QLineEdit>(*form, "Edit7")->width(), 200);
  EXPECT_EQ(test::Widget<QLineEdit>(*form, "Edit5")->width(), 200);
  EXPECT_EQ(test::Widget<QLineEdit>(*form, "Edit6")->width(), 43);
  EXPECT_EQ(test::Widget<QLineEdit>(*form, "Edit8")->width(), 100);
  EXPECT_EQ(test::Widget<FaucetListBox>(*form, "ListBox1")->ItemHeight(),
            34);  // two-line view at start
  // The browser views fill the place between the detail bars.
  const QRect area = test::Widget<DetailPanel>(*form, "Panel2")->ViewArea();
  EXPECT_EQ(area.top(), 26);
  EXPECT_EQ(area.bottom(), test::Widget<DetailPanel>(*form, "Panel2")->height() - 22 - 1);
  EXPECT_EQ(form->WebBrowser1->View()->geometry(), area);
  EXPECT_EQ(form->WebBrowser2->View()->geometry(), area);
  EXPECT_EQ(form->WebBrowser1->View()->parentWidget(), test::Widget<DetailPanel>(*form, "Panel2"));

  ASSERT_EQ(test::Widget<QTabWidget>(*form, "PageControl1")->count(), kCoinCount);
  for (int i = 0; i < kCoinCount; ++i) {
    EXPECT_EQ(test::Widget<QTabWidget>(*form, "PageControl1")->tabText(i).toStdString(),
              CoinAtTab(i).name);
    EXPECT_FALSE(test::Widget<QTabWidget>(*form, "PageControl1")->tabIcon(i).isNull());
  }
  const CoinPanel* bitcoin = test::CoinPanelAt(*form, 0);
  EXPECT_EQ(bitcoin->height(), 60);
  EXPECT_EQ(test::AddressEditAt(*form, 0)->geometry(), QRect(32, 32, 500, 20));
  EXPECT_EQ(test::LockButtonAt(*form, 0)->geometry(), QRect(8, 32, 21, 21));
  EXPECT_EQ(test::NameLabelAt(*form, 0)->pos(), QPoint(53, 8));
  EXPECT_EQ(test::BannerAt(*form, 0)->geometry(), QRect(bitcoin->width() - 175, 0, 175, 60));
  EXPECT_FALSE(test::BannerAt(*form, 0)->pixmap().isNull());
  EXPECT_FALSE(form->FavBitmap.isNull());
}

TEST_F(MainWindowTest, StartsWithBrowsersHiddenAndDetailButtonsDisabled) {
  for (int i : {0, 1}) {
    EXPECT_EQ(Fake(i).requests.front(), "CreateBrowser");
    EXPECT_EQ(Fake(i).requests.back(), "Hide");
  }
  for (QWidget* w :
       std::initializer_list<QWidget*>{test::Widget<QToolButton>(*form, "ToolButton7"),
                                       test::Widget<QToolButton>(*form, "ToolButton9"),
                                       test::Widget<QToolButton>(*form, "ToolButton10"),
                                       test::Widget<QToolButton>(*form, "ToolButton6"),
                                       test::Widget<QToolButton>(*form, "SpeedButton5"),
                                       test::Widget<QToolButton>(*form, "ToolButton15")})
    EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
  EXPECT_TRUE(form->BrowsingControl().ActiveBrowserIsFirst());
  EXPECT_EQ(form->Rows().RowCount(), 1);
}

TEST_F(MainWindowTest, SingleLineViewFromEitherMenuTogglesHeightAndTwin) {
  test::Widget<QAction>(*form, "Singlelineview2")->trigger();
  EXPECT_TRUE(test::Widget<QAction>(*form, "Singlelineview1")->isChecked());
  EXPECT_TRUE(test::Widget<QAction>(*form, "Singlelineview2")->isChecked());
  EXPECT_EQ(test::Widget<FaucetListBox>(*form, "ListBox1")->ItemHeight(), 20);
  test::Widget<QAction>(*form, "Singlelineview1")->trigger();
  EXPECT_FALSE(test::Widget<QAction>(*form, "Singlelineview1")->isChecked());
  EXPECT_FALSE(test::Widget<QAction>(*form, "Singlelineview2")->isChecked());
  EXPECT_EQ(test::Widget<FaucetListBox>(*form, "ListBox1")->ItemHeight(), 34);
  FaucetItem& row = form->Rows().Append();
  test::Widget<FaucetListBox>(*form, "ListBox1")->AddItem("a", &row);
  EXPECT_EQ(test::Widget<FaucetListBox>(*form, "ListBox1")
                ->visualItemRect(test::Widget<FaucetListBox>(*form, "ListBox1")->item(0))
                .height(),
            34);
}

TEST_F(MainWindowTest, ListDrawsItsRowsByTheirState) {
  FaucetItem& browsed = form->Rows().Append();
  FaucetItem& plain = form->Rows().Append();
  browsed.Edit(fCompleted) = "1";
  plain.Edit(fCompleted) = "1";
  test::Widget<FaucetListBox>(*form, "ListBox1")->AddItem("first", &browsed);
  test::Widget<FaucetListBox>(*form, "ListBox1")->AddItem("second", &plain);
  test::Widget<FaucetListBox>(*form, "ListBox1")->SetItemIndex(0);
  form->ListBox1DblClick();
  ASSERT_EQ(form->BrowsingControl().BrowsedItem(), &browsed);
  {
    const QSignalBlocker quiet(test::Widget<FaucetListBox>(*form, "ListBox1"));
    test::Widget<FaucetListBox>(*form, "ListBox1")->SetItemIndex(-1);
  }
  QCoreApplication::processEvents();  // the list lays its items out later
  const QImage image = test::Widget<FaucetListBox>(*form, "ListBox1")->viewport()->grab().toImage();
  const int x = image.width() - 2;
  EXPECT_EQ(QColor(image.pixel(x, 2)), QColor(0xA6, 0xCA, 0xF0));
  EXPECT_EQ(QColor(image.pixel(x, 34 + 2)), QColor(0xF0, 0xF0, 0xF0));
  EXPECT_EQ(QColor(image.pixel(x, 2 * 34 + 2)), QColor(Qt::white));  // below the rows
}

TEST_F(MainWindowTest, SortCommandsCheckOneKindAndReadTheState) {
  struct Case {
    QAction* item;
    int kind;
  };
  const Case cases[] = {{test::Widget<QAction>(*form, "Sortinginorderbytotalpayout2"), 3},
                        {test::Widget<QAction>(*form, "sortedinascendingorderbyinterval1"), 1},
                        {test::Widget<QAction>(*form, "Sortinginalphabeticalorder2"), 2},
                        {test::Widget<QAction>(*form, "Sortinginorderbymovedaverage1"), 5},
                        {test::Widget<QAction>(*form, "Sortinginorderbyaveragepayout2"), 6},
                        {test::Widget<QAction>(*form, "Sortinginorderbylastpayout1"), 4},
                        {test::Widget<QAction>(*form, "Defaultsorting1"), 0}};
  QAction* const kinds[] = {test::Widget<QAction>(*form, "Withoutsorting1"),
                            test::Widget<QAction>(*form, "sortedinascendingorderbyinterval1"),
                            test::Widget<QAction>(*form, "sortinginalphabeticalorder1"),
                            test::Widget<QAction>(*form, "Sortinginorderbytotalpayout1"),
                            test::Widget<QAction>(*form, "Sortinginorderbylastpayout1"),
                            test::Widget<QAction>(*form, "Sortinginorderbymovedaverage1"),
                            test::Widget<QAction>(*form, "Sortinginorderbyaveragepayout1")};
  for (const Case& c : cases) {
    c.item->trigger();
    EXPECT_EQ(form->CurrentSettings().sortBy, c.kind);
    for (int k = 0; k < 7; ++k) EXPECT_EQ(kinds[k]->isChecked(), k == c.kind) << c.kind;
  }
  test::Widget<QAction>(*form, "Ascendingorder2")->trigger();
  EXPECT_EQ(form->CurrentSettings().order, 0);
  EXPECT_TRUE(test::Widget<QAction>(*form, "Ascendingorder1")->isChecked());
  EXPECT_FALSE(test::Widget<QAction>(*form, "Descendingorder1")->isChecked());
  test::Widget<QAction>(*form, "Descendingorder1")->trigger();
  EXPECT_EQ(form->CurrentSettings().order, 1);
  EXPECT_FALSE(test::Widget<QAction>(*form, "Ascendingorder1")->isChecked());

  const bool below = test::Widget<QAction>(*form, "Hiddenpointsalwaysbelow1")->isChecked();
  test::Widget<QAction>(*form, "Hiddenitemsalwaysbelow1")->trigger();
  EXPECT_EQ(test::Widget<QAction>(*form, "Hiddenpointsalwaysbelow1")->isChecked(), !below);
  EXPECT_EQ(form->CurrentSettings().hiddenAlwaysBelow, below ? 0 : 1);
}

TEST_F(MainWindowTest, ApplySortOptionsShowsTheStateAndTheTwinsFollow) {
  form->CurrentSettings().sortBy = 9;
  form->CurrentSettings().order = 1;
  form->CurrentSettings().hiddenAlwaysBelow = 0;
  form->ApplySortOptions();
  form->SyncListOptionsMenu();
  EXPECT_TRUE(test::Widget<QAction>(*form, "Withoutsorting1")->isChecked());
  EXPECT_TRUE(test::Widget<QAction>(*form, "Defaultsorting1")->isChecked());
  EXPECT_TRUE(form->SortDescription.isEmpty());
  EXPECT_FALSE(test::Widget<QAction>(*form, "Hiddenitemsalwaysbelow1")->isChecked());

  form->CurrentSettings().sortBy = 4;
  form->CurrentSettings().order = 0;
  form->ApplySortOptions();
  form->SyncListOptionsMenu();
  EXPECT_TRUE(test::Widget<QAction>(*form, "Sortinginorderbylastpayout2")->isChecked());
  EXPECT_FALSE(test::Widget<QAction>(*form, "Defaultsorting1")->isChecked());
  EXPECT_TRUE(test::Widget<QAction>(*form, "Ascendingorder2")->isChecked());
  EXPECT_EQ(form->SortDescription.toStdU16String(), MessageText(msgSortedAscLastPayout));
}

TEST_F(MainWindowTest, ShowHiddenButtonAndMenuItemMirrorEachOther) {
  test::Widget<QAction>(*form, "Showhiddenitems2")->trigger();
  EXPECT_TRUE(test::Widget<QToolButton>(*form, "ToolButton1")->isChecked());
  EXPECT_TRUE(test::Widget<QAction>(*form, "Showhiddenitems1")->isChecked());
  test::Widget<QToolButton>(*form, "ToolButton1")->click();
  EXPECT_FALSE(test::Widget<QToolButton>(*form, "ToolButton1")->isChecked());
  EXPECT_FALSE(test::Widget<QAction>(*form, "Showhiddenitems1")->isChecked());
}

TEST_F(MainWindowTest, CoinTabMenuNeverHidesTheLastTab) {
  QList<QAction*> items = test::Widget<QMenu>(*form, "PopupMenu3")->actions();
  for (QAction* item : items)
    if (!item->isChecked()) item->trigger();
  for (int i = 1; i < kCoinCount; ++i) items[i]->trigger();
  for (int i = 1; i < kCoinCount; ++i)
    EXPECT_FALSE(test::Widget<QTabWidget>(*form, "PageControl1")->isTabVisible(i));
  items[0]->trigger();  // the last visible tab stays
  EXPECT_TRUE(items[0]->isChecked());
  EXPECT_TRUE(test::Widget<QTabWidget>(*form, "PageControl1")->isTabVisible(0));
  items[20]->trigger();  // an unchecked item always shows its tab
  EXPECT_TRUE(test::Widget<QTabWidget>(*form, "PageControl1")->isTabVisible(20));
  items[0]->trigger();  // with two visible either may go
  EXPECT_FALSE(items[0]->isChecked());
  EXPECT_FALSE(test::Widget<QTabWidget>(*form, "PageControl1")->isTabVisible(0));
  EXPECT_EQ(test::Widget<QTabWidget>(*form, "PageControl1")->currentIndex(), 20);
  items[20]->trigger();
  EXPECT_TRUE(test::Widget<QTabWidget>(*form, "PageControl1")->isTabVisible(20));
}

TEST_F(MainWindowTest, LockButtonTogglesTheAddressEdit) {
  QLineEdit* edit = test::AddressEditAt(*form, 0);
  QToolButton* lock = test::LockButtonAt(*form, 0);
  // The colour drawn, past the end of the text: what the user sees.
  const auto drawn = [edit] {
    const QImage image = edit->grab().toImage();
    return image.pixelColor(image.width() - 3, image.height() / 2).name().toStdString();
  };
  const QString text = QStringLiteral("1BoatSLRHtKNngkdXEeobR76b53LETtpyT");
  edit->setText(text);
  const qint64 locked = form->ImageList2.Image(0).cacheKey();
  const qint64 unlocked = form->ImageList2.Image(1).cacheKey();
  EXPECT_EQ(lock->icon().cacheKey(), unlocked);
  lock->click();
  EXPECT_TRUE(edit->isReadOnly());
  EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(drawn(), "#c0c0c0");
  EXPECT_EQ(lock->icon().cacheKey(), locked);
  Release(edit, Qt::RightButton);  // a locked edit selects all
  EXPECT_EQ(edit->selectedText(), text);
  lock->click();
  EXPECT_FALSE(edit->isReadOnly());
  EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(Qt::white));
  EXPECT_EQ(drawn(), "#ffffff");
  EXPECT_EQ(edit->text(), text);
}

TEST_F(MainWindowTest, TabChangeResetsTheDetailAreaAndNamesTheNewItem) {
  test::Widget<QLineEdit>(*form, "Edit5")->setText("name");
  test::Widget<QLineEdit>(*form, "Edit7")->setText("http://a.example/");
  test::Widget<QToolButton>(*form, "ToolButton6")->setEnabled(true);
  test::Widget<DetailPanel>(*form, "Panel2")->SetCaption("Moon");
  form->WebBrowser1->Show();
  test::Widget<QTabWidget>(*form, "PageControl1")->setCurrentIndex(6);
  EXPECT_EQ(test::Widget<QAction>(*form, "NewItem1")->text(), "New Ethereum Classic item");
  EXPECT_TRUE(test::Widget<QLineEdit>(*form, "Edit5")->text().isEmpty());
  EXPECT_TRUE(test::Widget<QLineEdit>(*form, "Edit7")->text().isEmpty());
  EXPECT_TRUE(test::Widget<DetailPanel>(*form, "Panel2")->Caption().isEmpty());
  EXPECT_FALSE(test::Widget<QToolButton>(*form, "ToolButton6")->isEnabled());
  EXPECT_FALSE(form->WebBrowser1->IsVisible());
  EXPECT_EQ(test::Widget<QToolButton>(*form, "ToolButton15")->toolTip(), "Add new item");
}

TEST_F(MainWindowTest, ItemMenuCaptionsFollowTheCurrentItem) {
  FaucetItem& row = form->Rows().Append();
  row.Edit(fName) = "Coins & Co";
  row.Edit(fFavorite) = "1";
  test::Widget<FaucetListBox>(*form, "ListBox1")->AddItem("Coins & Co", &row);
  {
    const QSignalBlocker quiet(test::Widget<FaucetListBox>(*form, "ListBox1"));
    test::Widget<FaucetListBox>(*form, "ListBox1")->SetItemIndex(0);
  }
  form->ListBox1MouseUp(Qt::RightButton);  // no current item: no menu
  EXPECT_FALSE(test::Widget<QMenu>(*form, "PopupMenu1")->isVisible());
  form->SelectCurrentItem(true);
  form->ListBox1MouseUp(Qt::RightButton);
  EXPECT_TRUE(test::Widget<QMenu>(*form, "PopupMenu1")->isVisible());
  test::Widget<QMenu>(*form, "PopupMenu1")->close();
  EXPECT_EQ(test::Widget<QAction>(*form, "Load1")->text(), "Browse \"Coins && Co\"");
  EXPECT_EQ(test::Widget<QAction>(*form, "Nocompleted1")->text(), "Complete");
  EXPECT_EQ(test::Widget<QAction>(*form, "Addtofavorites1")->text(), "Delete from favorites");
  EXPECT_EQ(test::Widget<QAction>(*form, "Hide1")->text(), "Hide");
  EXPECT_TRUE(test::Widget<QAction>(*form, "Nocompleted1")->isVisible());
  row.Edit(fHidden) = "1";
  row.Edit(fCompleted) = "1";
  form->ListBox1MouseUp(Qt::RightButton);
  test::Widget<QMenu>(*form, "PopupMenu1")->close();
  EXPECT_EQ(test::Widget<QAction>(*form, "Hide1")->text(), "Show");
  EXPECT_FALSE(test::Widget<QAction>(*form, "Nocompleted1")->isVisible());
}

TEST_F(MainWindowTest, RightButtonOverBarsAndTabsOpensTheirMenus) {
  Release(test::Widget<QToolBar>(*form, "ToolBar1"), Qt::LeftButton, {180, 5});
  EXPECT_FALSE(test::Widget<QMenu>(*form, "PopupMenu2")->isVisible());
  Release(test::Widget<QToolBar>(*form, "ToolBar1"), Qt::RightButton, {180, 5});
  EXPECT_TRUE(test::Widget<QMenu>(*form, "PopupMenu2")->isVisible());
  test::Widget<QMenu>(*form, "PopupMenu2")->close();
  Release(test::Widget<PanelStatusBar>(*form, "StatusBar2"), Qt::RightButton);
  EXPECT_TRUE(test::Widget<QMenu>(*form, "PopupMenu2")->isVisible());
  test::Widget<QMenu>(*form, "PopupMenu2")->close();
  Release(test::Widget<QTabWidget>(*form, "PageControl1")->tabBar(), Qt::RightButton);
  EXPECT_TRUE(test::Widget<QMenu>(*form, "PopupMenu3")->isVisible());
}

TEST_F(MainWindowTest, BrowserEventsAndNavigationReachTheActiveWindow) {
  emit Fake(0).LoadingStateChange(1, false, true, false);
  EXPECT_TRUE(test::Widget<QToolButton>(*form, "ToolButton7")->isEnabled());
  EXPECT_FALSE(test::Widget<QToolButton>(*form, "ToolButton9")->isEnabled());
  form->ToolButton7Click();
  form->ToolButton10Click();
  EXPECT_EQ(Fake(0).requests.mid(Fake(0).requests.size() - 4),
            QStringList({"Show", "GoBack", "Show", "Reload"}));

  EXPECT_TRUE(Fake(0).AskBeforePopup("http://popup.example/"));  // Ctrl is not held
  form->CurrentSettings().blockPopups = 0;
  EXPECT_FALSE(Fake(0).AskBeforePopup("http://popup.example/"));
}

TEST_F(MainWindowTest, ExitClosesTheWindow) {
  bool closed = false;
  QObject::connect(form.get(), &TForm1::Closed, [&] { closed = true; });
  test::Widget<QAction>(*form, "Exit1")->trigger();
  EXPECT_TRUE(closed);
  EXPECT_FALSE(form->isVisible());
}

}  // namespace
}  // namespace trelio

// The window's browsing wiring with recording browser windows: commands reach
// the right window, browser events reach the detail edits, page texts reach
// the item that asked.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMutex>
#include <QToolButton>
#include <QtTest/QTest>

#include "app/core/list/FaucetList.h"
#include "app/widgets/DetailPanel.h"
#include "app/widgets/FaucetListBox.h"
#include "app/widgets/PanelStatusBar.h"
#include "app/window/Unit1.h"
#include "tests/support/window/EventLoopWait.h"
#include "tests/support/window/FakeBrowser.h"
#include "tests/support/window/Widget.h"

namespace trelio {
namespace {

using test::FakeBrowser;
using test::FakeBrowserFactory;

// Counts a window's update requests; each paints what the window shows.
class UpdateCounter : public QObject {
 public:
  explicit UpdateCounter(QWidget* window) { window->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::UpdateRequest) ++count;
    return false;
  }
  int count = 0;
};

class BrowsingWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm1>(browsers);
    form->show();
    // Three bitcoin faucets; b is opened in the default web browser.
    AddRow("a", "http://a.example/f?r=", "");
    AddRow("b", "http://b.example/f", "address");
    AddRow("c", "http://c.example/f", "2");
    Rebuilt();
  }

  void AddRow(const char* name, const char* url, const char* input) {
    FaucetItem& row = form->Rows().Append();
    row.Edit(fCurrency) = "bitcoin";
    row.Edit(fName) = name;
    row.Edit(fUrl) = url;
    row.Edit(fInterval) = "60";
    row.Edit(fInput) = input;
    test::Widget<FaucetListBox>(*form, "ListBox1")->AddItem(QString::fromLatin1(name), &row);
  }
  void Rebuilt() {
    FaucetList list;
    list.currentCoin = "bitcoin";
    list.currentReferral = "REF";
    form->BrowsingControl().ListRebuilt(list);
  }
  FaucetItem& Row(int i) { return *test::Widget<FaucetListBox>(*form, "ListBox1")->Row(i); }
  FakeBrowser& Fake(int i) { return *browsers.made.at(static_cast<size_t>(i)); }
  static QStringList Loads(const FakeBrowser& b) {
    return b.requests.filter(QStringLiteral("LoadUrl "));
  }
  static QStringList Scripts(const FakeBrowser& b) {
    return b.requests.filter(QStringLiteral("ExecuteJavaScript "));
  }
  void Console(int browserId, const char* line) {
    emit Fake(browserId - 1)
        .ConsoleMessage(browserId, ConsoleLevel::Info, QString::fromLatin1(line), QString(), 1);
  }

  FakeBrowserFactory browsers;
  std::unique_ptr<TForm1> form;
};

TEST_F(BrowsingWindowTest, BrowseNextShowsThePreloadAndCreditsThePageTextToTheLeftItem) {
  test::Widget<QToolButton>(*form, "ToolButton5")->click();
  EXPECT_EQ(Loads(Fake(0)), QStringList({"LoadUrl http://a.example/f?r=REF&"}));
  EXPECT_EQ(Loads(Fake(1)), QStringList({"LoadUrl http://b.example/f?r=REF"}));
  EXPECT_TRUE(Fake(0).IsVisible());
  EXPECT_FALSE(Fake(1).IsVisible());
  EXPECT_EQ(test::Widget<QLineEdit>(*form, "Edit7")->text(), "http://a.example/f");
  EXPECT_EQ(test::Widget<QLineEdit>(*form, "Edit5")->text(), "a");
  EXPECT_EQ(test::Widget<QLineEdit>(*form, "Edit6")->text(), "60");
  EXPECT_TRUE(test::Widget<QToolButton>(*form, "ToolButton10")->isEnabled());
  EXPECT_EQ(test::Widget<DetailPanel>(*form, "Panel2")->Caption(), "a");
  EXPECT_EQ(test::Widget<PanelStatusBar>(*form, "StatusBar1")->PanelText(0), "a");

  // The preload's page fills the preloaded row's own field, not Edit8's.
  Fake(1).mainFrameUrl = "http://b.example/f?r=REF";
  emit Fake(1).DocumentAvailableInMainFrame(2);
  ASSERT_EQ(Scripts(Fake(1)).size(), 1);
  EXPECT_TRUE(Scripts(Fake(1))[0].contains("var str = \"address\";"));
  EXPECT_EQ(test::Widget<QLineEdit>(*form, "Edit7")->text(), "http://a.example/f");

  Fake(0).mainFrameUrl = "http://a.example/f?r=REF&";
  test::Widget<QToolButton>(*form, "ToolButton5")->click();
  EXPECT_EQ(Row(0)[fCompleted], "1");
  ASSERT_EQ(Fake(0).textRequests.size(), 1u);
  EXPECT_EQ(Loads(Fake(1)).size(), 1) << "the preloaded page is shown as it is";
  EXPECT_TRUE(Fake(1).IsVisible());
  EXPECT_FALSE(Fake(0).IsVisible());
  EXPECT_FALSE(form->BrowsingControl().ActiveBrowserIsFirst());
  EXPECT_EQ(Loads(Fake(0)).back(), "LoadUrl http://c.example/f?r=REF");
  EXPECT_EQ(test::Widget<FaucetListBox>(*form, "ListBox1")->ItemIndex(), 1);
  EXPECT_EQ(test::Widget<QLineEdit>(*form, "Edit5")->text(), "b");

  emit Fake(0).TextResultAvailable(1, Fake(0).textRequests[0],
                                   "0.00001234 BTC was sent to your address");
  EXPECT_EQ(Row(0)[fTotalPayout], "0.00001234");
  EXPECT_EQ(Row(0)[fPayoutsCount], "1");

  // A page text that arrives after a rebuild is dropped.
  Fake(1).mainFrameUrl = "http://b.example/f?r=REF";
  form->CompleteCurrentItem();
  ASSERT_EQ(Fake(1).textRequests.size(), 1u);
  Rebuilt();
  emit Fake(1).TextResultAvailable(2, Fake(1).textRequests[0], "500 satoshi was sent");
  EXPECT_EQ(Row(1)[fTotalPayout], "");
  // So is an answer nobody asked for.
  emit Fake(0).TextResultAvailable(1, 999, "500 satoshi was sent");
  EXPECT_EQ(Row(0)[fTotalPayout], "0.00001234");
}

// Swapping in the preload shows a loaded page at once; the next preload,
// whose loading would hold up that paint, is asked for once it is painted.
TEST_F(BrowsingWindowTest, ThePreloadAfterASwapWaitsForTheSwapToBePainted) {
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  test::Widget<QToolButton>(*form, "ToolButton5")
      ->click();  // a in WebBrowser1, b preloading in WebBrowser2
  ASSERT_EQ(Loads(Fake(1)).size(), 1);
  UpdateCounter paints(form.get());
  test::Widget<QToolButton>(*form, "ToolButton5")->click();  // b swapped in
  ASSERT_TRUE(Fake(1).IsVisible());
  EXPECT_EQ(Loads(Fake(0)).size(), 1) << "not before the swap is painted";
  ASSERT_TRUE(test::WaitUntil([&] { return Loads(Fake(0)).size() == 2; }));
  EXPECT_GE(paints.count, 1);
  EXPECT_EQ(Loads(Fake(0)).back(), "LoadUrl http://c.example/f?r=REF");
  EXPECT_EQ(form->BrowsingControl().PreloadedItem(), &Row(2));
}

TEST_F(BrowsingWindowTest, PageEventsOfTheActiveWindowFillTheDetailEdits) {
  test::Widget<FaucetListBox>(*form, "ListBox1")->SetItemIndex(0);
  form->ListBox1DblClick();
  Fake(0).mainFrameUrl = "http://a.example/f?r=REF&session=1";
  Fake(0).requests.clear();
  emit Fake(0).DocumentAvailableInMainFrame(1);
  ASSERT_EQ(Scripts(Fake(0)).size(), 2);
  EXPECT_TRUE(Scripts(Fake(0))[0].contains("korvaneTrelioInsertAdr"));
  EXPECT_TRUE(Scripts(Fake(0))[1].contains("KorvaneTrelio#T: "));
  EXPECT_EQ(test::Widget<QLineEdit>(*form, "Edit7")->text(), "http://a.example/f");

  struct Case {
    const char* line;
    QLineEdit* edit;
    const char* text;
  };
  const Case cases[] = {
      {"KorvaneTrelio#N: address", test::Widget<QLineEdit>(*form, "Edit8"), "address"},
      {"KorvaneTrelio#N: other", test::Widget<QLineEdit>(*form, "Edit8"),
       "address"},  // only while empty
      {"KorvaneTrelio#T: Moon Faucet", test::Widget<QLineEdit>(*form, "Edit5"), "Moon Faucet"},
      {"KorvaneTrelio#I: 45", test::Widget<QLineEdit>(*form, "Edit6"), "45"},
      {"KorvaneTrelio#X: 1", test::Widget<QLineEdit>(*form, "Edit6"), "45"},
      {"page says hello", test::Widget<QLineEdit>(*form, "Edit5"), "Moon Faucet"},
  };
  for (const Case& c : cases) {
    Console(1, c.line);
    EXPECT_EQ(c.edit->text(), c.text) << c.line;
  }

  // The load end runs the insertion again, for the main frame's page only.
  Fake(0).requests.clear();
  emit Fake(0).LoadEnd(1, true, "about:blank", 200);
  EXPECT_TRUE(Scripts(Fake(0)).isEmpty());
  emit Fake(0).LoadEnd(1, true, Fake(0).mainFrameUrl, 200);
  ASSERT_EQ(Scripts(Fake(0)).size(), 1);
  EXPECT_TRUE(Scripts(Fake(0))[0].contains("var str = \"address\";"));

  emit Fake(0).LoadingStateChange(1, false, true, false);
  EXPECT_TRUE(test::Widget<QToolButton>(*form, "ToolButton7")->isEnabled());
  EXPECT_FALSE(test::Widget<QToolButton>(*form, "ToolButton9")->isEnabled());
}

TEST_F(BrowsingWindowTest, DetailEditKeysRunTheirPageScriptsInTheActiveWindow) {
  test::Widget<FaucetListBox>(*form, "ListBox1")->SetItemIndex(2);
  form->ListBox1DblClick();
  Fake(0).requests.clear();
  QTest::keyClick(test::Widget<QLineEdit>(*form, "Edit8"), Qt::Key_Return);
  QTest::keyClick(test::Widget<QLineEdit>(*form, "Edit6"), Qt::Key_Return);
  QTest::keyClick(test::Widget<QLineEdit>(*form, "Edit6"),
                  Qt::Key_A);  // other keys do nothing here
  test::Widget<QLineEdit>(*form, "Edit5")->clear();
  QTest::mouseClick(test::Widget<QLineEdit>(*form, "Edit5"), Qt::LeftButton);
  const QStringList scripts = Scripts(Fake(0));
  ASSERT_EQ(scripts.size(), 3) << scripts.join('\n').toStdString();
  EXPECT_TRUE(scripts[0].contains("var str = \"2\";"));
  EXPECT_TRUE(scripts[1].contains("korvaneTrelioDetectInterval"));
  EXPECT_TRUE(scripts[2].contains("KorvaneTrelio#T: "));

  // Enter in the URL edit goes to the typed page with the referral.
  test::Widget<QLineEdit>(*form, "Edit7")->setText("http://d.example/x");
  QTest::keyClick(test::Widget<QLineEdit>(*form, "Edit7"), Qt::Key_Return);
  EXPECT_EQ(Loads(Fake(0)).back(), "LoadUrl http://d.example/x?r=REF");
  EXPECT_EQ(form->BrowsingControl().BrowsedItem(), nullptr);
  EXPECT_TRUE(test::Widget<QLineEdit>(*form, "Edit8")->text().isEmpty());
}

TEST_F(BrowsingWindowTest, AStarItemOpensInTheDefaultBrowserFromAWorkerThread) {
  QMutex lock;
  QStringList opened;
  form->UrlOpener() = [&](const QString& url) {
    const QMutexLocker hold(&lock);
    opened << url;
  };
  Row(1).Edit(fInput) = "*";
  test::Widget<FaucetListBox>(*form, "ListBox1")->SetItemIndex(1);
  form->ListBox1DblClick();
  ASSERT_TRUE(test::WaitUntil([&] {
    const QMutexLocker hold(&lock);
    return !opened.isEmpty();
  }));
  EXPECT_EQ(opened, QStringList({"http://b.example/f?r=REF"}));
  EXPECT_TRUE(Loads(Fake(0)).isEmpty());
  EXPECT_EQ(form->BrowsingControl().BrowsedItem(), &Row(1));
}

}  // namespace
}  // namespace trelio

// The window with real Qt WebEngine windows on the demo faucets: the page
// scripts, the pop-up decision, the page text and the road of a claim.
#include <gtest/gtest.h>

#include <QApplication>
#include <QToolButton>
#include <QWebEngineView>
#include <QtTest/QTest>

#include "tests/support/window/DemoWindow.h"
#include "tests/support/window/Widget.h"

namespace trelio {
namespace {

using test::DemoWindow;

class BrowsingWebEngineTest : public ::testing::Test {
 protected:
  EmbeddedBrowser& Active() { return *w.form->ActiveBrowser(); }
  test::BrowserRecorder& ActiveRecorder() {
    return w.form->BrowsingControl().ActiveBrowserIsFirst() ? *w.first : *w.second;
  }
  // Browses the faucet and waits until its page has loaded.
  void BrowseAndWait(const std::string& page) {
    w.Browse(page);
    ASSERT_TRUE(ActiveRecorder().WaitForLoadEnd(QString::fromStdString("/demo/" + page + ".html")))
        << page;
  }
  static bool WaitForText(const QLineEdit* edit, const QString& text) {
    return test::WaitUntil([&] { return edit->text() == text; }, 30000);
  }
  static QList<QWebEngineView*> PopupWindows() {
    QList<QWebEngineView*> views;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (auto* view = qobject_cast<QWebEngineView*>(top); view && view->isVisible()) views << view;
    return views;
  }

  DemoWindow w;
};

TEST_F(BrowsingWebEngineTest, AddressInsertionFollowsTheInputField) {
  const QString adr = QString::fromUtf8(DemoWindow::kAddress);
  struct Case {
    const char* page;
    const char* inputField;
    QString inputs;     // after both insertion runs
    const char* edit8;  // Edit8 afterwards
  };
  const QString claimFields = QStringLiteral(
      "username=demo user|adcopy_response=%1|address=%2|promo_code_for_new_users=%3");
  const Case cases[] = {
      {"btc-claim", "3", claimFields.arg("", adr, ""), "3"},
      {"btc-claim", "promo_code_for_new_users", claimFields.arg("", "", adr),
       "promo_code_for_new_users"},
      {"btc-claim", "", claimFields.arg("", adr, ""), "address"},  // reported while empty
      {"btc-claim", "?", claimFields.arg("", adr, ""), "?"},       // not over a setting
      {"btc-claim", "adcopy_response", claimFields.arg("", "", ""), "adcopy_response"},
      {"btc-claim", "-", claimFields.arg("", "", ""), "-"},
      {"btc-satoshi", "", "email=demo@example.org|bitcoin_wallet_address=" + adr, "2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.page) + " input field '" + c.inputField + "'");
    w.Row(c.page).Edit(fInput) = c.inputField;
    BrowseAndWait(c.page);
    EXPECT_EQ(w.TextInputs(Active(), ActiveRecorder()), c.inputs);
    // The report of the automatic choice comes from the page after the
    // load; the probe above ran after it.
    EXPECT_EQ(test::Widget<QLineEdit>(*w.form, "Edit8")->text(), c.edit8);
    ActiveRecorder().loadEnds.clear();
  }

  // A page whose form is built later gets the script again until it has one.
  BrowseAndWait("btc-delayed");
  EXPECT_TRUE(test::WaitUntil(
      [&] { return w.TextInputs(Active(), ActiveRecorder()) == "address=" + adr; }, 30000));
}

TEST_F(BrowsingWebEngineTest, TitleAndIntervalComeFromThePage) {
  BrowseAndWait("btc-interval");
  EXPECT_TRUE(WaitForText(test::Widget<QLineEdit>(*w.form, "Edit5"), "Demo Bitcoin Hourly"));
  test::Widget<QLineEdit>(*w.form, "Edit5")->clear();
  test::Widget<QLineEdit>(*w.form, "Edit6")->clear();
  QTest::keyClick(test::Widget<QLineEdit>(*w.form, "Edit6"), Qt::Key_Return);
  EXPECT_TRUE(WaitForText(test::Widget<QLineEdit>(*w.form, "Edit6"), "60"));
  QTest::mouseClick(test::Widget<QLineEdit>(*w.form, "Edit5"), Qt::LeftButton);
  EXPECT_TRUE(WaitForText(test::Widget<QLineEdit>(*w.form, "Edit5"), "Demo Bitcoin Hourly"));
}

TEST_F(BrowsingWebEngineTest, PopupsAreRefusedUnlessAllowed) {
  const qsizetype before = PopupWindows().size();
  // The window's own decision, watched.
  QStringList asked;
  for (EmbeddedBrowser* b : {w.form->WebBrowser1.get(), w.form->WebBrowser2.get()})
    b->SetBeforePopup([&](const QString& url) {
      asked << url;
      return w.form->ChromiumBeforePopup(url);
    });
  w.form->CurrentSettings().blockPopups = 1;  // and Ctrl is not held
  BrowseAndWait("btc-popup");
  ASSERT_TRUE(
      test::WaitUntil([&] { return !asked.filter("/demo/popup-ad.html").isEmpty(); }, 30000));
  // A round trip through the page after the refusal: still no window.
  EXPECT_EQ(w.Ask(Active(), ActiveRecorder(), "KT-ECHO ", "console.log('KT-ECHO done')"), "done");
  EXPECT_EQ(PopupWindows().size(), before);

  // Allowed, the page's own pop-up opens in a window of its own on load.
  w.form->CurrentSettings().blockPopups = 0;
  ActiveRecorder().loadEnds.clear();
  test::Widget<QToolButton>(*w.form, "ToolButton10")->click();
  ASSERT_TRUE(ActiveRecorder().WaitForLoadEnd("/demo/btc-popup.html"));
  QWebEngineView* popup = nullptr;
  ASSERT_TRUE(test::WaitUntil(
      [&] {
        for (QWebEngineView* view : PopupWindows())
          if (view->windowTitle() == "Sponsor") popup = view;
        return popup != nullptr;
      },
      30000));
  EXPECT_EQ(popup->size(), QSize(420, 320));
  popup->close();  // as the user closes it
  EXPECT_TRUE(test::WaitUntil([&] { return PopupWindows().size() == before; }, 30000));
}

TEST_F(BrowsingWebEngineTest, ThePageTextOfACompletedFaucetGivesItsPayout) {
  struct Case {
    const char* page;
    const char* total;
  } const cases[] = {
      {"btc-satoshi", "0.0000015"},  // "you have claimed 150 satoshi"
      {"btc-referral", "0.000005"},  // after the referral earnings
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page);
    BrowseAndWait(c.page);
    Active().ExecuteJavaScript("document.forms[0].submit()");
    ASSERT_TRUE(ActiveRecorder().WaitForLoadEnd(QStringLiteral("?f=")));
    ActiveRecorder().loadEnds.clear();
    w.form->CompleteCurrentItem();
    FaucetItem& row = w.Row(c.page);
    EXPECT_EQ(row[fCompleted], "1");
    EXPECT_TRUE(test::WaitUntil([&] { return row[fTotalPayout] == c.total; }, 30000))
        << row[fTotalPayout];
    EXPECT_EQ(row[fLastPayout], c.total);
    EXPECT_EQ(row[fPayoutsCount], "1");
  }
}

// Pages that never finish loading, as ad-heavy faucets often do, get the
// address and report their title while they are still loading.
TEST_F(BrowsingWebEngineTest, APageThatNeverFinishesLoadingGetsTheAddress) {
  const QString adr = QString::fromUtf8(DemoWindow::kAddress);
  struct Case {
    const char* path;
    const char* title;
  } const cases[] = {
      {"/demo/slow/endless.html", "Demo Endless Faucet"},
      {"/demo/slow/blocking-script.html", "Demo Slow Script Faucet"},
  };
  const int position = w.PositionOf("btc-claim");
  FaucetItem& row = w.Row("btc-claim");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    row.Edit(fUrl) = w.demo.Url(c.path);
    row.Edit(fInput) = "";
    test::Widget<FaucetListBox>(*w.form, "ListBox1")->SetItemIndex(position);
    w.form->ToolButton2Click();
    EXPECT_TRUE(test::WaitUntil(
        [&] { return w.TextInputs(Active(), ActiveRecorder()) == "address=" + adr; }, 30000));
    EXPECT_TRUE(WaitForText(test::Widget<QLineEdit>(*w.form, "Edit5"), c.title));
    EXPECT_TRUE(WaitForText(test::Widget<QLineEdit>(*w.form, "Edit8"), "address"));
    EXPECT_TRUE(ActiveRecorder().loadEnds.filter("/demo/slow/").isEmpty()) << "still loading";
  }
}

// A faucet address with a blank and an accent stays percent-encoded as the
// page's URL, so the page is recognised as the faucet's and its payout read.
TEST_F(BrowsingWebEngineTest, AFaucetAtAPercentEncodedAddressGetsItsPayout) {
  const int position = w.PositionOf("btc-claim");
  FaucetItem& row = w.Row("btc-claim");
  const std::string url = w.demo.Url("/demo/caf%C3%A9%20faucet.html");
  row.Edit(fUrl) = url;
  test::Widget<FaucetListBox>(*w.form, "ListBox1")->SetItemIndex(position);
  w.form->ToolButton2Click();
  ASSERT_TRUE(ActiveRecorder().WaitForLoadEnd("faucet.html"));
  EXPECT_EQ(Active().MainFrameUrl().toStdString(), url + "?r=" + w.form->CurrentReferral);
  EXPECT_TRUE(WaitForText(test::Widget<QLineEdit>(*w.form, "Edit5"),
                          QString::fromUtf8("Demo Caf\u00e9 Faucet")));
  EXPECT_EQ(test::Widget<QLineEdit>(*w.form, "Edit7")->text().toStdString(), url);

  Active().ExecuteJavaScript("document.forms[0].submit()");
  ASSERT_TRUE(ActiveRecorder().WaitForLoadEnd(QStringLiteral("?f=")));
  w.form->CompleteCurrentItem();
  EXPECT_EQ(row[fCompleted], "1");
  EXPECT_TRUE(test::WaitUntil([&] { return row[fTotalPayout] == "0.00000777"; }, 30000))
      << row[fTotalPayout];
}

// Back to a Bitcoin faucet after a Litecoin one in the same window: its form,
// built by the page's script, gets the Bitcoin wallet, not the Litecoin one
// the window was last loaded for.
TEST_F(BrowsingWebEngineTest, GoBackToAnotherCoinsFaucetFillsInThatCoinsWallet) {
  const QString btc = QString::fromUtf8(DemoWindow::kAddress);
  const QString ltc = QStringLiteral("LDemoLitecoinAddress");
  test::AddressEditAt(*w.form, 1)->setText(ltc);
  const auto inputsAre = [&](const QString& inputs) {
    return test::WaitUntil([&] { return w.TextInputs(Active(), ActiveRecorder()) == inputs; },
                           30000);
  };
  BrowseAndWait("btc-delayed");
  ASSERT_TRUE(inputsAre("address=" + btc));
  EmbeddedBrowser* window = &Active();

  test::Widget<QTabWidget>(*w.form, "PageControl1")->setCurrentIndex(1);  // the Litecoin tab
  BrowseAndWait("ltc-claim");
  ASSERT_EQ(&Active(), window);
  ASSERT_TRUE(inputsAre("adcopy_response=|address=" + ltc));

  ActiveRecorder().loadEnds.clear();
  ASSERT_TRUE(test::WaitUntil(
      [&] { return test::Widget<QToolButton>(*w.form, "ToolButton7")->isEnabled(); }));
  test::Widget<QToolButton>(*w.form, "ToolButton7")->click();  // "Go Back"
  ASSERT_TRUE(ActiveRecorder().WaitForLoadEnd("/demo/btc-delayed.html"));
  EXPECT_TRUE(inputsAre("address=" + btc))
      << w.TextInputs(Active(), ActiveRecorder()).toStdString();
}

// The road of a claim: browse the first faucet while the second preloads,
// claim, move on: the first is completed with its payout, the second is shown
// as preloaded, the third preloads.
TEST_F(BrowsingWebEngineTest, BrowseNextTwiceWithAClaimInBetween) {
  test::Widget<QToolButton>(*w.form, "ToolButton5")->click();
  ASSERT_TRUE(w.first->WaitForLoadEnd("/demo/btc-claim.html"))
      << w.first->loadStarts.join(' ').toStdString() << " / "
      << w.second->loadStarts.join(' ').toStdString();
  ASSERT_TRUE(w.second->WaitForLoadEnd("/demo/btc-satoshi.html"));
  EXPECT_TRUE(w.form->WebBrowser1->IsVisible());
  EXPECT_FALSE(w.form->WebBrowser2->IsVisible());
  // The preload fills its page with its own field: position 2, found by the
  // automatic choice; the report waits until that faucet is on show.
  EXPECT_TRUE(test::WaitUntil(
      [&] {
        return w.TextInputs(*w.form->WebBrowser2, *w.second)
            .endsWith(QString::fromUtf8(DemoWindow::kAddress));
      },
      30000));
  EXPECT_TRUE(WaitForText(test::Widget<QLineEdit>(*w.form, "Edit8"), "address"))
      << test::Widget<QLineEdit>(*w.form, "Edit8")->text().toStdString();
  EXPECT_EQ(test::Widget<QLineEdit>(*w.form, "Edit5")->text(), "Demo Bitcoin Faucet");

  w.form->WebBrowser1->ExecuteJavaScript("document.querySelector('button').click()");
  ASSERT_TRUE(w.first->WaitForLoadEnd("/demo/btc-claim.html?f=btc-claim"));
  const qsizetype preloadLoads = w.second->loadStarts.size();

  test::Widget<QToolButton>(*w.form, "ToolButton5")->click();
  EXPECT_TRUE(w.form->WebBrowser2->IsVisible());
  EXPECT_FALSE(w.form->WebBrowser1->IsVisible());
  EXPECT_FALSE(w.form->BrowsingControl().ActiveBrowserIsFirst());
  EXPECT_EQ(test::Widget<QLineEdit>(*w.form, "Edit5")->text(), "Demo Bitcoin Satoshi");
  EXPECT_EQ(test::Widget<QLineEdit>(*w.form, "Edit8")->text(), "2")
      << "the preload's choice, kept until it is on show";

  FaucetItem& claimed = w.Row("btc-claim");
  EXPECT_EQ(claimed[fCompleted], "1");
  EXPECT_TRUE(test::WaitUntil([&] { return claimed[fTotalPayout] == "0.00001234"; }, 30000))
      << claimed[fTotalPayout];
  EXPECT_EQ(claimed[fLastPayout], "0.00001234");
  EXPECT_EQ(claimed[fPayoutsCount], "1");
  ASSERT_TRUE(w.first->WaitForLoadEnd("/demo/btc-referral.html?ref="));
  EXPECT_EQ(w.form->BrowsingControl().PreloadedItem(), &w.Row("btc-referral"));
  EXPECT_EQ(w.second->loadStarts.size(), preloadLoads) << "shown without a new load";
}

}  // namespace
}  // namespace trelio

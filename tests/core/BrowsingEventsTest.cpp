// The browser events, the detail edits' actions, the navigation buttons and
// the pop-up decision.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/core/page/PageScripts.h"
#include "tests/support/BrowsingFixture.h"

namespace trelio {
namespace {

using test::BrowsingFixture;

constexpr BrowserWindow kFirst = BrowserWindow::First, kSecond = BrowserWindow::Second;

class BrowsingEventsTest : public BrowsingFixture {
 protected:
  // a browsed in WebBrowser1 with the typed input field "typed", b preloaded in
  // WebBrowser2.
  void BrowseA() {
    AddRows({{"a"}, {"b"}, {"c"}});
    Row("a")->Edit(fInput) = "1";
    Row("b")->Edit(fInput) = "email";
    Rebuild();
    browsing.BrowseNextIncomplete();
    view.SetEditText(DetailEdit::Input, "typed");
  }
  // Moves on to b by swapping: WebBrowser2 becomes the active window.
  void SwapToB() {
    browsing.BrowseNextIncomplete();
    ASSERT_FALSE(browsing.ActiveBrowserIsFirst());
  }
  std::string Insertion(const std::string& inputField) const {
    return InsertAddressScript(inputField, "WALLET", "adcopy_response", 0);
  }
  std::vector<std::string>& Scripts(BrowserWindow w) { return view.Browser(w).scripts; }
};

TEST_F(BrowsingEventsTest, DocumentAvailableInsertsWithTheInputFieldOfThePageItsWindowShows) {
  BrowseA();
  browsing.ChromiumDocumentAvailableInMainFrame(kSecond, "http://b.example/?r=REF");
  EXPECT_EQ(Scripts(kSecond), std::vector<std::string>{Insertion("email")});
  EXPECT_EQ(view.EditText(DetailEdit::Url), "http://a.example/");

  browsing.ChromiumDocumentAvailableInMainFrame(kFirst, "http://a.example/page?r=REF");
  EXPECT_EQ(Scripts(kFirst),
            (std::vector<std::string>{Insertion("typed"), std::string(TitleQueryScript())}));
  EXPECT_EQ(view.EditText(DetailEdit::Url), "http://a.example/page");

  // With another row selected the browsed page is hidden: it fills its own
  // row's field and leaves the edits of the selected row alone.
  Click(2);
  Scripts(kFirst).clear();
  browsing.ChromiumDocumentAvailableInMainFrame(kFirst, "http://a.example/next?r=REF");
  EXPECT_EQ(Scripts(kFirst), std::vector<std::string>{Insertion("1")});
  EXPECT_EQ(view.EditText(DetailEdit::Url), "http://c.example/");
}

TEST_F(BrowsingEventsTest, InactiveWindowWithoutPreloadUsesTheEdit) {
  AddRows({{"a"}});
  Rebuild();
  view.SetEditText(DetailEdit::Input, "typed");
  settings.ignoreFieldNames = "captcha|code";  // read at each use
  browsing.ChromiumDocumentAvailableInMainFrame(kSecond, "http://x.example/");
  browsing.ChromiumLoadEnd(kSecond, true, "http://x.example/");
  const std::string insertion = InsertAddressScript("typed", "WALLET", "captcha|code", 0);
  EXPECT_EQ(Scripts(kSecond), (std::vector<std::string>{insertion, insertion}));
}

TEST_F(BrowsingEventsTest, LoadEndInsertsOnlyForARealMainFramePage) {
  BrowseA();
  const struct {
    bool mainFrame;
    const char* url;
    bool inserts;
  } cases[] = {
      {true, "http://b.example/?r=REF", true},
      {false, "http://ads.example/frame", false},
      {true, "about:blank", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.url);
    Scripts(kSecond).clear();
    browsing.ChromiumLoadEnd(kSecond, c.mainFrame, c.url);
    EXPECT_EQ(Scripts(kSecond), c.inserts ? std::vector<std::string>{Insertion("email")}
                                          : std::vector<std::string>{});
  }
  EXPECT_EQ(view.EditText(DetailEdit::Url), "http://a.example/");
}

TEST_F(BrowsingEventsTest, BackAndForwardFollowTheActiveWindowOnly) {
  BrowseA();
  browsing.ChromiumLoadingStateChange(kFirst, true, false);
  EXPECT_TRUE(view.navEnabled[NavButton::Back]);
  EXPECT_FALSE(view.navEnabled[NavButton::Forward]);
  // The hidden preload finishing its first page leaves them alone.
  browsing.ChromiumLoadingStateChange(kSecond, false, true);
  EXPECT_TRUE(view.navEnabled[NavButton::Back]);
  EXPECT_FALSE(view.navEnabled[NavButton::Forward]);
  // After the swap they show the new active window's history.
  SwapToB();
  EXPECT_FALSE(view.navEnabled[NavButton::Back]);
  EXPECT_TRUE(view.navEnabled[NavButton::Forward]);
}

TEST_F(BrowsingEventsTest, NavigationButtonsShowAndDriveTheActiveWindow) {
  BrowseA();
  SwapToB();
  view.browsers[0].visible = true;
  view.browsers[1].visible = false;
  browsing.GoBack();
  browsing.GoForward();
  browsing.Reload();
  EXPECT_EQ(Shown(), "12");
  EXPECT_EQ(view.browsers[1].back, 1);
  EXPECT_EQ(view.browsers[1].forward, 1);
  EXPECT_EQ(view.browsers[1].reloads, 1);
  EXPECT_EQ(view.browsers[0].back + view.browsers[0].forward + view.browsers[0].reloads, 0);
}

TEST_F(BrowsingEventsTest, EnterInIntervalAndInputEditsRunScriptsInTheActiveWindow) {
  BrowseA();
  SwapToB();
  view.SetEditText(DetailEdit::Input, "wallet");
  Scripts(kFirst).clear();
  Scripts(kSecond).clear();
  browsing.DetectIntervalOnEnter('a');
  browsing.InsertAddressOnEnter('a');
  EXPECT_TRUE(Scripts(kSecond).empty());
  browsing.DetectIntervalOnEnter('\r');
  browsing.InsertAddressOnEnter('\r');
  EXPECT_EQ(Scripts(kSecond),
            (std::vector<std::string>{std::string(DetectIntervalScript()), Insertion("wallet")}));
  EXPECT_TRUE(Scripts(kFirst).empty());
}

TEST_F(BrowsingEventsTest, ClickIntoEmptyNameAsksTheVisibleWindowForTheTitle) {
  const struct {
    const char* name;
    bool visible1, visible2;
    int asked;  // 1, 2 or 0: none
  } cases[] = {
      {"", true, true, 1},
      {"", false, true, 2},
      {"", false, false, 0},
      {"set", true, false, 0},
  };
  for (const auto& c : cases) {
    Scripts(kFirst).clear();
    Scripts(kSecond).clear();
    view.SetEditText(DetailEdit::Name, c.name);
    view.browsers[0].visible = c.visible1;
    view.browsers[1].visible = c.visible2;
    browsing.AskTitleForEmptyName();
    const std::vector<std::string> title{std::string(TitleQueryScript())}, none;
    EXPECT_EQ(Scripts(kFirst), c.asked == 1 ? title : none);
    EXPECT_EQ(Scripts(kSecond), c.asked == 2 ? title : none);
  }
}

TEST_F(BrowsingEventsTest, ConsoleLinesFillTheDetailEdits) {
  AddRows({{"a"}});
  Rebuild();
  const struct {
    const char* line;
    const char* inputBefore;
    const char* name;
    const char* interval;
    const char* input;
  } cases[] = {
      {"KorvaneTrelio#T: Moon faucet", "", "Moon faucet", "", ""},
      {"KorvaneTrelio#I: 60", "", "", "60", ""},
      {"KorvaneTrelio#N: address", "", "", "", "address"},
      {"KorvaneTrelio#N: address", "2", "", "", "2"},
      {"KorvaneTrelio#N: ", "", "", "", ""},
      {"korvanetrelio#T: Moon", "", "", "", ""},
      {"KorvaneTrelio#X: Moon", "", "", "", ""},
  };
  view.browsers[1].visible = true;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    view.edits.clear();
    view.SetEditText(DetailEdit::Input, c.inputBefore);
    browsing.ChromiumConsoleMessage(kSecond, c.line);
    EXPECT_EQ(view.EditText(DetailEdit::Name), c.name);
    EXPECT_EQ(view.EditText(DetailEdit::Interval), c.interval);
    EXPECT_EQ(view.EditText(DetailEdit::Input), c.input);
  }
}

// A hidden page's report would land in the edits of the row on show; its
// field report waits until its row is shown.
TEST_F(BrowsingEventsTest, ConsoleLinesOfAHiddenWindowWaitForTheirRow) {
  AddRows({{"a"}, {"b"}, {"c"}});
  Rebuild();
  browsing.BrowseNextIncomplete();  // a in the active window, b preloading unseen
  ASSERT_EQ(browsing.PreloadedItem(), Row("b"));
  const BrowserWindow preload = browsing.InactiveBrowser();
  browsing.ChromiumDocumentAvailableInMainFrame(preload, "http://b.example/?r=REF");
  browsing.ChromiumConsoleMessage(preload, "KorvaneTrelio#N: 2");
  browsing.ChromiumConsoleMessage(preload, "KorvaneTrelio#N: 3");
  browsing.ChromiumConsoleMessage(preload, "KorvaneTrelio#T: Preloaded");
  EXPECT_EQ(view.EditText(DetailEdit::Input), "");
  EXPECT_EQ(view.EditText(DetailEdit::Name), "a");
  browsing.ChromiumConsoleMessage(browsing.ActiveBrowser(), "KorvaneTrelio#N: address");
  EXPECT_EQ(view.EditText(DetailEdit::Input), "address");

  browsing.BrowseNextIncomplete();  // b on show
  ASSERT_EQ(browsing.ActiveBrowser(), preload);
  EXPECT_EQ(view.EditText(DetailEdit::Name), "b");
  EXPECT_EQ(view.EditText(DetailEdit::Input), "2");

  // A new page in the hidden window forgets what the old one reported.
  const BrowserWindow other = browsing.InactiveBrowser();
  browsing.ChromiumConsoleMessage(other, "KorvaneTrelio#N: old");
  browsing.ChromiumDocumentAvailableInMainFrame(other, "http://c.example/?r=REF");
  Click(2);  // c, the preload, on show
  EXPECT_EQ(view.EditText(DetailEdit::Input), "");

  // The browsed page, hidden behind another row, writes nothing there.
  Click(0);
  browsing.ChromiumConsoleMessage(browsing.ActiveBrowser(), "KorvaneTrelio#T: Browsed");
  EXPECT_EQ(view.EditText(DetailEdit::Name), "a");
}

// A page fills in the wallet of the coin it was opened for, whichever coin tab
// is active when its events arrive: a claim there must pay to that coin.
TEST_F(BrowsingEventsTest, APageGetsTheAddressOfItsOwnCoin) {
  AddRows({{"a"}, {"b"}, {"c"}, {"d", "L"}});
  view.wallets = {{"bitcoin", "BTC-WALLET"}, {"litecoin", "LTC-WALLET"}};
  Rebuild();
  browsing.BrowseNextIncomplete();  // a in WebBrowser1, b preloading in WebBrowser2
  ASSERT_EQ(browsing.PreloadedItem(), Row("b"));
  const auto insertion = [](const std::string& wallet) {
    return InsertAddressScript("", wallet, "adcopy_response", 0);
  };
  const auto switchTab = [&](const std::string& coin) {
    browsing.ForgetCurrentItem();
    Rebuild(coin);
  };

  // The Litecoin tab comes up while both Bitcoin pages are still loading.
  switchTab("litecoin");
  browsing.ChromiumDocumentAvailableInMainFrame(kSecond, "http://b.example/?r=REF");
  browsing.ChromiumLoadEnd(kSecond, true, "http://b.example/?r=REF");
  browsing.ChromiumLoadEnd(kFirst, true, "http://a.example/?r=REF");
  EXPECT_EQ(Scripts(kSecond),
            (std::vector<std::string>{insertion("BTC-WALLET"), insertion("BTC-WALLET")}));
  EXPECT_EQ(Scripts(kFirst), std::vector<std::string>{insertion("BTC-WALLET")});

  // A Litecoin faucet browsed in the active window gets the Litecoin wallet;
  // the Bitcoin page left in the other window keeps its own.
  DoubleClick(0);
  ASSERT_EQ(browsing.BrowsedItem(), Row("d"));
  Scripts(kFirst).clear();
  Scripts(kSecond).clear();
  browsing.ChromiumLoadEnd(kFirst, true, "http://d.example/?r=REF");
  browsing.ChromiumLoadEnd(kSecond, true, "http://b.example/?r=REF");
  EXPECT_EQ(Scripts(kFirst), std::vector<std::string>{insertion("LTC-WALLET")});
  EXPECT_EQ(Scripts(kSecond), std::vector<std::string>{insertion("BTC-WALLET")});

  // Back on the Bitcoin tab, the Litecoin page still gets the Litecoin wallet,
  // also when Enter in the input field edit asks for the insertion.
  switchTab("bitcoin");
  Scripts(kFirst).clear();
  browsing.ChromiumLoadEnd(kFirst, true, "http://d.example/?r=REF");
  browsing.InsertAddressOnEnter('\r');
  EXPECT_EQ(Scripts(kFirst),
            (std::vector<std::string>{insertion("LTC-WALLET"), insertion("LTC-WALLET")}));

  // A typed URL is opened for the coin listed at that moment.
  switchTab("litecoin");
  view.SetEditText(DetailEdit::Url, "http://typed.example/");
  browsing.GoToTypedUrl();
  switchTab("bitcoin");
  Scripts(kFirst).clear();
  browsing.ChromiumLoadEnd(kFirst, true, "http://typed.example/?r=REF");
  EXPECT_EQ(Scripts(kFirst), std::vector<std::string>{insertion("LTC-WALLET")});
}

// A page reached by Back, Forward or a link may be another faucet's than the
// one its window was loaded for: the faucet whose URL key it has decides the
// wallet, the window's load only for a page of no faucet.
TEST_F(BrowsingEventsTest, APageOfTheHistoryOrALinkGetsTheAddressOfItsFaucetsCoin) {
  AddRows({{"a"}, {"d", "L"}});
  view.wallets = {{"bitcoin", "BTC-WALLET"}, {"litecoin", "LTC-WALLET"}};
  Rebuild();
  DoubleClick(0);  // a, a Bitcoin faucet, in WebBrowser1
  browsing.ForgetCurrentItem();
  Rebuild("litecoin");
  DoubleClick(0);  // d, a Litecoin faucet, in the same window
  ASSERT_EQ(browsing.ActiveBrowser(), kFirst);
  // The wallet each script of the window was given; "title" for the title
  // query.
  const auto wallets = [&] {
    std::vector<std::string> given;
    for (const std::string& script : Scripts(kFirst)) {
      const std::string marker = "var adr = \"";
      const size_t at = script.find(marker);
      given.push_back(at == std::string::npos
                          ? "title"
                          : script.substr(at + marker.size(), script.find('"', at + marker.size()) -
                                                                  at - marker.size()));
    }
    return given;
  };
  const struct {
    const char* url;
    const char* wallet;
  } cases[] = {
      {"http://a.example/?r=REF", "BTC-WALLET"},            // Go Back
      {"http://a.example/?r=REF&claimed=1", "BTC-WALLET"},  // a link on a's page
      {"http://d.example/?r=REF", "LTC-WALLET"},            // Go Forward
      {"http://elsewhere.example/claim", "LTC-WALLET"},     // no faucet's page
      {"", "LTC-WALLET"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.url);
    Scripts(kFirst).clear();
    view.browsers[0].mainFrameUrl = c.url;
    browsing.ChromiumDocumentAvailableInMainFrame(kFirst, c.url);
    browsing.ChromiumLoadEnd(kFirst, true, c.url);
    browsing.InsertAddressOnEnter('\r');
    EXPECT_EQ(wallets(), (std::vector<std::string>{c.wallet, "title", c.wallet, c.wallet}));
  }
}

TEST_F(BrowsingEventsTest, PageTextIsCreditedToTheRowThatAskedUnlessTheListWasRebuilt) {
  const std::u16string text = u"0.00001234 BTC was sent to your address";
  BrowseA();
  Click(1);  // leaving a completes it and asks WebBrowser1 for its page text
  ASSERT_EQ(view.browsers[0].textRequests.size(), 1u);
  const PageTextRequest request = view.browsers[0].textRequests[0];
  EXPECT_EQ(request.item, Row("a"));

  const int repaints = view.repaints;
  browsing.ChromiumTextResultAvailable(request, text);
  EXPECT_EQ((*Row("a"))[fTotalPayout], "0.00001234");
  EXPECT_EQ((*Row("b"))[fTotalPayout], "");
  EXPECT_EQ(view.repaints, repaints + 1);
  settings.processResultsWithoutPayment = 1;
  browsing.ChromiumTextResultAvailable(request, u"nothing recognised");
  EXPECT_EQ((*Row("a"))[fLastPayout], "0");
  EXPECT_EQ((*Row("a"))[fPayoutsCount], "2");

  Rebuild();
  const int repaintsBefore = view.repaints;
  browsing.ChromiumTextResultAvailable(request, text);
  EXPECT_EQ((*Row("a"))[fTotalPayout], "0.00001234");
  EXPECT_EQ((*Row("a"))[fPayoutsCount], "2");
  EXPECT_EQ(view.repaints, repaintsBefore);
}

TEST_F(BrowsingEventsTest, PageTextAfterForgettingAllItemsOrWithoutItemIsDropped) {
  BrowseA();
  Click(1);
  const PageTextRequest request = view.browsers[0].textRequests.at(0);
  browsing.ChromiumTextResultAvailable({nullptr, request.listGeneration}, u"5 satoshi was sent");
  browsing.ForgetAllItems();
  browsing.ChromiumTextResultAvailable(request, u"5 satoshi was sent");
  EXPECT_EQ((*Row("a"))[fTotalPayout], "");
  EXPECT_EQ((*Row("a"))[fPayoutsCount], "");
}

TEST_F(BrowsingEventsTest, NoPageTextWhenTheActiveWindowShowsAnotherPage) {
  BrowseA();
  view.browsers[0].mainFrameUrl = "https://other.example/";
  Click(1);
  EXPECT_EQ(Completed(), "a");
  EXPECT_TRUE(view.browsers[0].textRequests.empty());
  EXPECT_TRUE(view.browsers[1].textRequests.empty());
}

TEST(BrowsingPopupTest, RefusedWhileBlockedUnlessCtrlIsHeld) {
  const struct {
    int blockPopups;
    bool ctrl;
    bool cancel;
  } cases[] = {{1, false, true},  {1, true, false}, {2, false, true},
               {0, false, false}, {0, true, false}, {-1, false, false}};
  for (const auto& c : cases)
    EXPECT_EQ(ChromiumBeforePopup(c.blockPopups, c.ctrl), c.cancel)
        << c.blockPopups << " ctrl " << c.ctrl;
}

}  // namespace
}  // namespace trelio

// Browsing the listed faucets in two alternating browser windows: the active
// window shows the browsed faucet while the inactive one, hidden, preloads
// the next one, so that moving on only swaps their roles.
//
// The main window's handlers, named after their widgets, forward here to
// commands named after what they do. Everything runs on the window thread,
// the pop-up decision (the free function ChromiumBeforePopup) too.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "app/core/browsing/BrowsingView.h"
#include "app/core/claim/ClaimClock.h"
#include "app/core/index/FaucetItem.h"
#include "app/core/list/FaucetList.h"
#include "app/core/settings/AppSettings.h"

namespace trelio {

class BrowsingController {
 public:
  // settings are the window's own, read at each use; they must outlive the
  // controller.
  BrowsingController(BrowsingView& view, const AppSettings& settings, LocalClock clock = {});

  // Rows of the faucet index, compared by identity; null is none.
  FaucetItem* CurrentItem() const { return current_; }
  FaucetItem* BrowsedItem() const { return browsed_; }
  FaucetItem* PreloadedItem() const { return preloaded_; }
  bool ActiveBrowserIsFirst() const { return activeIsFirst_; }
  BrowserWindow ActiveBrowser() const;
  BrowserWindow InactiveBrowser() const;
  // The "Url" last made current with its fields loaded, per coin key.
  const LastItemUrls& LastItemUrl() const { return lastItemUrl_; }

  // The list entries have been refilled from list: the current item is gone,
  // pending page texts are dropped, and the remembered row is made current.
  void ListRebuilt(const FaucetList& list);
  // The coin tab changes: both windows hidden, no current item; the browsed
  // and preloaded rows stay.
  void ForgetCurrentItem();
  // The index is updated, imported or cleared, or an item removed: no
  // references to rows remain, both windows are hidden, pending page texts
  // are dropped. Call it before rows are freed.
  void ForgetAllItems();

  // The selected entry becomes the current item; leaving the browsed row
  // completes it. loadFields also fills the detail edits from the row.
  void SelectCurrentItem(bool loadFields);
  // Browses the selected row in the active window, or in the default web
  // browser when its input field is "*".
  void BrowseSelectedRow();
  void BrowseSelectedRowOnEnter(char key);
  // "Browse selected item": the current item, with the edits refilled.
  void BrowseSelectedItem();
  // "Browse next incompleted item".
  void BrowseNextIncomplete();
  // A click behind the browser windows: the current item, else the next.
  void BrowseCurrentOrNext();
  // "Go to URL": the text of Edit7.
  void GoToTypedUrl();
  void Reload();     // "Refresh"
  void GoBack();     // "Go Back"
  void GoForward();  // "Go Forward"

  // A click into the name edit asks the shown page for its title while the
  // edit is empty.
  void AskTitleForEmptyName();
  // Enter in the interval, URL and input field edits.
  void DetectIntervalOnEnter(char key);
  void GoToTypedUrlOnEnter(char key);
  void InsertAddressOnEnter(char key);

  // Completes the current item and, when the active window shows its page,
  // asks for the page text.
  void CompleteCurrentItem();
  void ShowItemWaitState();

  // Browser events, with the data taken when they were raised.
  void ChromiumDocumentAvailableInMainFrame(BrowserWindow w, std::string_view mainFrameUrl);
  void ChromiumLoadEnd(BrowserWindow w, bool isMainFrame, std::string_view frameUrl);
  void ChromiumLoadingStateChange(BrowserWindow w, bool canGoBack, bool canGoForward);
  // A console line of window w in the ANSI code page. Only a shown window's
  // lines reach the detail edits, which hold the row that window shows: a
  // hidden page (the preload, or the browsed page while another row is
  // selected) would put its own field or title into another row's edits.
  // Its report of the field it chose is kept until its row is on show.
  void ChromiumConsoleMessage(BrowserWindow w, std::string_view message);
  void ChromiumTextResultAvailable(const PageTextRequest& request, std::u16string_view text);

 private:
  enum class Search { Browse, Preload };
  int FindQualifying(Search search);
  // True when the preloaded row came on show by the swap.
  bool BrowseFound();
  struct PageLoad {
    BrowserWindow window;
    std::string url;
    std::string coin;
    int position = -1;  // the row's list entry
  };
  // The load of the row after the browsed one into the inactive window.
  std::optional<PageLoad> Preload();
  // The preload that waits for the swap to be on screen starts now; every
  // command starts it first, as it may show or swap that window.
  void StartPendingPreload();
  // Loads a page for a coin: the faucet row's, or the listed one's for a typed
  // URL.
  void LoadPage(BrowserWindow w, const std::string& url, const std::string& coin);
  // The coin whose wallet the page at pageUrl in window w gets.
  std::string PageCoin(BrowserWindow w, std::string_view pageUrl) const;
  // The page scripts: the address insertion with an input field setting, the
  // title query and the interval detection; their answers come back as
  // console lines.
  void ChromiumInsertAdr(BrowserWindow w, std::string_view inputField, std::string_view pageUrl);
  void ChromiumGetTitle(BrowserWindow w);
  void ChromiumDetectInterval(BrowserWindow w);
  std::string InputFieldFor(BrowserWindow w) const;
  void ShowKeptFieldReports();
  // The row's URL key, name, interval and input field into the edits.
  void LoadDetailEdits(const FaucetItem& row);
  void ShowActiveOnly();
  void HideBoth();
  // Redraws the rows a command changed: only the entries at positions when
  // every changed row is one of theirs, else the whole list.
  void RepaintRows(std::initializer_list<int> positions,
                   std::initializer_list<const FaucetItem*> changed);
  void ShowNavState();
  FaucetItem* SelectedRow() const;

  BrowsingView& view_;
  const AppSettings& settings_;
  LocalClock clock_;

  FaucetItem* current_ = nullptr;
  FaucetItem* browsed_ = nullptr;
  FaucetItem* preloaded_ = nullptr;
  bool activeIsFirst_ = true;
  LastItemUrls lastItemUrl_;
  std::string currentCoin_;
  std::string currentReferral_;
  // Counts rebuilds; a page text asked for before the latest one is dropped.
  uint64_t listGeneration_ = 0;

  struct NavState {
    bool canGoBack = false;
    bool canGoForward = false;
  };
  std::array<NavState, 2> navState_{};
  // The coin each window's last page was loaded for; empty for none loaded
  // yet.
  std::array<std::string, 2> pageCoin_{};
  // A preload held back until the swapped-in window is on screen, so that
  // its loading does not hold up the swap's paint.
  std::optional<PageLoad> pendingPreload_;
  uint64_t preloadTicket_ = 0;
  // The field a hidden window's page reported, per window, for its page.
  std::array<std::string, 2> keptFieldReport_{};
};

// The answer to a page's request for a new window: true cancels it. Reads
// only its arguments, as it must answer before the engine goes on.
bool ChromiumBeforePopup(int blockPopups, bool ctrlDown);

}  // namespace trelio

// What the browsing controller asks of the main window: its faucet list, the
// two browser windows, the detail edits and a few buttons. Every call is made
// on the window thread and returns at once.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/core/index/FaucetItem.h"

namespace trelio {

// The two browser windows of the same size at the same place.
enum class BrowserWindow { First, Second };  // WebBrowser1, WebBrowser2

// The detail edits above the browser windows.
enum class DetailEdit {
  Url,       // Edit7: URL key of the current item, or a typed URL
  Name,      // Edit5
  Interval,  // Edit6: minutes
  Input,     // Edit8: address input field
};

enum class NavButton {
  Refresh,  // ToolButton10
  Back,     // ToolButton7
  Forward,  // ToolButton9
};

// The add/save button ToolButton15.
enum class AddSaveMode {
  Add,   // image 4, hint message 65095 "Add new item"; enabled state kept
  Save,  // image 5, hint message 65086 "Save the item"; disabled
};

// How a URL is opened in the user's default web browser.
enum class ExternalOpen {
  OnWorker,  // by an ExecuteThread, so the window does not wait for the shell
  Now,       // by the shell on the window thread
};

// A page-text request carries the row whose completion asked for it; the view
// hands it back unchanged with the text.
struct PageTextRequest {
  FaucetItem* item = nullptr;
  uint64_t listGeneration = 0;
};

class BrowsingView {
 public:
  virtual ~BrowsingView() = default;

  // ListBox1. Positions are 0-based list entries; -1 is no selection.
  virtual int EntryCount() const = 0;
  virtual int SelectedPosition() const = 0;
  // Moves the selection only: it must not run the list's click handling.
  virtual void SelectPosition(int position) = 0;
  // The index row an entry carries; null when it carries none.
  virtual FaucetItem* EntryRow(int position) const = 0;
  // Redraws the rows (browsed and preloaded rows have their own colours).
  virtual void RepaintList() = 0;
  // Redraws only the rows at these positions.
  virtual void RepaintEntries(const std::vector<int>& positions) = 0;

  // The browser windows. Loading, navigating and scripts are requests whose
  // effects come back as browser events; a window whose browser does not
  // exist yet ignores them.
  virtual void LoadUrl(BrowserWindow w, const std::string& url) = 0;
  virtual void ShowBrowser(BrowserWindow w) = 0;
  virtual void HideBrowser(BrowserWindow w) = 0;
  virtual bool BrowserVisible(BrowserWindow w) const = 0;
  // Calls then once what window w shows now has been painted on the screen,
  // at once when the window cannot be seen.
  virtual void WhenOnScreen(BrowserWindow w, std::function<void()> then) = 0;
  // Empty when the browser has no page.
  virtual std::string MainFrameUrl(BrowserWindow w) const = 0;
  virtual void GoBack(BrowserWindow w) = 0;
  virtual void GoForward(BrowserWindow w) = 0;
  virtual void Reload(BrowserWindow w) = 0;
  // Runs the script in the main frame; its output comes back as console lines.
  virtual void RunScript(BrowserWindow w, const std::string& script) = 0;
  // Asks for the main frame's text; the window passes the text and the request
  // to BrowsingController::ChromiumTextResultAvailable when it arrives.
  virtual void RequestPageText(BrowserWindow w, PageTextRequest request) = 0;

  // The detail edits. Setting a text runs the edit's own change handling.
  virtual std::string EditText(DetailEdit e) const = 0;
  virtual void SetEditText(DetailEdit e, const std::string& text) = 0;
  virtual void SetAddSaveMode(AddSaveMode mode) = 0;
  virtual void SetNavButtonEnabled(NavButton b, bool enabled) = 0;
  // LockForUpdate := locked, the lock glyph to match, "Lock for update"
  // (SpeedButton5) enabled.
  virtual void SetItemLock(bool locked) = 0;
  // The wallet address of the coin tab of a coin key; empty when coin is not
  // one.
  virtual std::string CoinAddress(std::string_view coin) const = 0;
  // The index row whose URL key is key (URL-key table); null when none is.
  virtual const FaucetItem* RowOfUrlKey(const std::string& key) const = 0;

  virtual void OpenInDefaultBrowser(const std::string& url, ExternalOpen how) = 0;
  // The current item's wait text into Panel2's caption and the first panel of
  // StatusBar1.
  virtual void ShowWaitText(const std::u16string& text) = 0;
};

}  // namespace trelio

// A main window without widgets for the browsing controller: it records
// every request, and a loaded page is there at once.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/core/browsing/BrowsingView.h"
#include "app/core/index/UrlKey.h"

namespace trelio::test {

struct RecordedBrowser {
  bool visible = false;
  std::string mainFrameUrl;
  std::vector<std::string> loads;
  std::vector<std::string> scripts;
  std::vector<PageTextRequest> textRequests;
  int back = 0, forward = 0, reloads = 0;
};

class FakeBrowsingView : public BrowsingView {
 public:
  std::vector<FaucetItem*> entries;
  int selected = -1;
  int repaints = 0;
  std::vector<std::vector<int>> repaintedEntries;
  RecordedBrowser browsers[2];
  std::map<DetailEdit, std::string> edits;
  // Every edit change, in order, as the change handling would see it.
  std::vector<std::pair<DetailEdit, std::string>> editChanges;
  AddSaveMode addSaveMode = AddSaveMode::Add;
  int addSaveModeChanges = 0;
  std::map<NavButton, bool> navEnabled;
  bool locked = false;
  int lockChanges = 0;
  // The wallet addresses of the coin tabs: "WALLET" for a coin not in the map.
  std::map<std::string, std::string, std::less<>> wallets;
  std::vector<std::pair<std::string, ExternalOpen>> externalOpens;
  bool holdUntilOnScreen = false;
  std::vector<std::function<void()>> onScreen;
  // The faucet index whose rows the URL-key lookups find; none without it.
  const FaucetIndex* index = nullptr;
  std::u16string waitText;

  RecordedBrowser& Browser(BrowserWindow w) { return browsers[w == BrowserWindow::First ? 0 : 1]; }
  const RecordedBrowser& Browser(BrowserWindow w) const {
    return browsers[w == BrowserWindow::First ? 0 : 1];
  }

  int EntryCount() const override { return static_cast<int>(entries.size()); }
  int SelectedPosition() const override { return selected; }
  void SelectPosition(int position) override { selected = position; }
  FaucetItem* EntryRow(int position) const override { return entries.at(position); }
  void RepaintList() override { ++repaints; }
  void RepaintEntries(const std::vector<int>& positions) override {
    repaintedEntries.push_back(positions);
  }

  void LoadUrl(BrowserWindow w, const std::string& url) override {
    Browser(w).loads.push_back(url);
    Browser(w).mainFrameUrl = url;
  }
  void ShowBrowser(BrowserWindow w) override { Browser(w).visible = true; }
  void HideBrowser(BrowserWindow w) override { Browser(w).visible = false; }
  bool BrowserVisible(BrowserWindow w) const override { return Browser(w).visible; }
  // At once, unless the test paints the windows itself (RunOnScreen).
  void WhenOnScreen(BrowserWindow, std::function<void()> then) override {
    if (holdUntilOnScreen)
      onScreen.push_back(std::move(then));
    else
      then();
  }
  void RunOnScreen() {
    auto calls = std::move(onScreen);
    onScreen.clear();
    for (auto& call : calls) call();
  }
  std::string MainFrameUrl(BrowserWindow w) const override { return Browser(w).mainFrameUrl; }
  void GoBack(BrowserWindow w) override { ++Browser(w).back; }
  void GoForward(BrowserWindow w) override { ++Browser(w).forward; }
  void Reload(BrowserWindow w) override { ++Browser(w).reloads; }
  void RunScript(BrowserWindow w, const std::string& script) override {
    Browser(w).scripts.push_back(script);
  }
  void RequestPageText(BrowserWindow w, PageTextRequest request) override {
    Browser(w).textRequests.push_back(request);
  }

  std::string EditText(DetailEdit e) const override {
    const auto it = edits.find(e);
    return it == edits.end() ? std::string() : it->second;
  }
  void SetEditText(DetailEdit e, const std::string& text) override {
    edits[e] = text;
    editChanges.emplace_back(e, text);
  }
  void SetAddSaveMode(AddSaveMode mode) override {
    addSaveMode = mode;
    ++addSaveModeChanges;
  }
  void SetNavButtonEnabled(NavButton b, bool enabled) override { navEnabled[b] = enabled; }
  void SetItemLock(bool isLocked) override {
    locked = isLocked;
    ++lockChanges;
  }
  std::string CoinAddress(std::string_view coin) const override {
    const auto it = wallets.find(coin);
    return it == wallets.end() ? "WALLET" : it->second;
  }
  const FaucetItem* RowOfUrlKey(const std::string& key) const override {
    for (int r = 1; index && r < index->RowCount(); ++r)
      if (!key.empty() && StripReferral(index->Row(r)[fUrl]) == key) return &index->Row(r);
    return nullptr;
  }
  void OpenInDefaultBrowser(const std::string& url, ExternalOpen how) override {
    externalOpens.emplace_back(url, how);
  }
  void ShowWaitText(const std::u16string& text) override { waitText = text; }
};

}  // namespace trelio::test

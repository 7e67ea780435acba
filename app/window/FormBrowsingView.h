// The main window as the browsing controller sees it: its list, its two
// browser windows, the detail edits and buttons.
#pragma once

#include <QString>
#include <map>

#include "app/core/browsing/BrowsingView.h"
#include "app/threads/ExecuteThread.h"

class QLineEdit;

namespace trelio {

class EmbeddedBrowser;
class TForm1;

class FormBrowsingView : public BrowsingView {
 public:
  explicit FormBrowsingView(TForm1& form) : form_(form) {}

  EmbeddedBrowser& Browser(BrowserWindow w) const;

  // The page text of a RetrieveText request: the request it answers, taken
  // out; none when the number is unknown.
  PageTextRequest TakePageTextRequest(quint64 number);

  int EntryCount() const override;
  int SelectedPosition() const override;
  void SelectPosition(int position) override;
  FaucetItem* EntryRow(int position) const override;
  void RepaintList() override;
  void RepaintEntries(const std::vector<int>& positions) override;

  void LoadUrl(BrowserWindow w, const std::string& url) override;
  void ShowBrowser(BrowserWindow w) override;
  void HideBrowser(BrowserWindow w) override;
  bool BrowserVisible(BrowserWindow w) const override;
  void WhenOnScreen(BrowserWindow w, std::function<void()> then) override;
  std::string MainFrameUrl(BrowserWindow w) const override;
  void GoBack(BrowserWindow w) override;
  void GoForward(BrowserWindow w) override;
  void Reload(BrowserWindow w) override;
  void RunScript(BrowserWindow w, const std::string& script) override;
  void RequestPageText(BrowserWindow w, PageTextRequest request) override;

  std::string EditText(DetailEdit e) const override;
  void SetEditText(DetailEdit e, const std::string& text) override;
  void SetAddSaveMode(AddSaveMode mode) override;
  void SetNavButtonEnabled(NavButton b, bool enabled) override;
  void SetItemLock(bool locked) override;
  std::string CoinAddress(std::string_view coin) const override;
  const FaucetItem* RowOfUrlKey(const std::string& key) const override;

  void OpenInDefaultBrowser(const std::string& url, ExternalOpen how) override;
  void ShowWaitText(const std::u16string& text) override;

 private:
  QLineEdit* Edit(DetailEdit e) const;
  TForm1& form_;
  quint64 lastRequest_ = 0;
  std::map<quint64, PageTextRequest> pendingText_;
};

}  // namespace trelio

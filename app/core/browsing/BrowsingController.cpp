#include "app/core/browsing/BrowsingController.h"

#include <algorithm>
#include <vector>

#include "app/core/claim/ClaimState.h"
#include "app/core/index/UrlKey.h"
#include "app/core/page/ReferralUrl.h"

namespace trelio {

BrowsingController::BrowsingController(BrowsingView& view, const AppSettings& settings,
                                       LocalClock clock)
    : view_(view), settings_(settings), clock_(std::move(clock)) {}

BrowserWindow BrowsingController::ActiveBrowser() const {
  return activeIsFirst_ ? BrowserWindow::First : BrowserWindow::Second;
}

BrowserWindow BrowsingController::InactiveBrowser() const {
  return activeIsFirst_ ? BrowserWindow::Second : BrowserWindow::First;
}

FaucetItem* BrowsingController::SelectedRow() const {
  const int pos = view_.SelectedPosition();
  if (pos < 0 || pos >= view_.EntryCount()) return nullptr;
  return view_.EntryRow(pos);
}

void BrowsingController::ShowActiveOnly() {
  view_.HideBrowser(InactiveBrowser());
  view_.ShowBrowser(ActiveBrowser());
}

void BrowsingController::HideBoth() {
  view_.HideBrowser(BrowserWindow::First);
  view_.HideBrowser(BrowserWindow::Second);
}

void BrowsingController::RepaintRows(std::initializer_list<int> positions,
                                     std::initializer_list<const FaucetItem*> changed) {
  std::vector<int> entries;
  for (const int p : positions)
    if (p >= 0 && p < view_.EntryCount() &&
        std::find(entries.begin(), entries.end(), p) == entries.end())
      entries.push_back(p);
  for (const FaucetItem* row : changed) {
    if (row && std::none_of(entries.begin(), entries.end(),
                            [&](int p) { return view_.EntryRow(p) == row; })) {
      view_.RepaintList();
      return;
    }
  }
  view_.RepaintEntries(entries);
}

void BrowsingController::LoadDetailEdits(const FaucetItem& row) {
  view_.SetEditText(DetailEdit::Url, StripReferral(row[fUrl]));
  view_.SetEditText(DetailEdit::Name, std::string(row[fName]));
  view_.SetEditText(DetailEdit::Interval, std::string(row[fInterval]));
  view_.SetEditText(DetailEdit::Input, std::string(row[fInput]));
}

void BrowsingController::ListRebuilt(const FaucetList& list) {
  StartPendingPreload();
  currentCoin_ = list.currentCoin;
  currentReferral_ = list.currentReferral;
  current_ = nullptr;
  ++listGeneration_;
  for (const int pos : list.reselect) {
    view_.SelectPosition(pos);
    SelectCurrentItem(true);
  }
}

void BrowsingController::ForgetCurrentItem() {
  StartPendingPreload();
  HideBoth();
  current_ = nullptr;
}

void BrowsingController::ForgetAllItems() {
  pendingPreload_.reset();
  HideBoth();
  current_ = browsed_ = preloaded_ = nullptr;
  ++listGeneration_;
}

void BrowsingController::SelectCurrentItem(bool loadFields) {
  StartPendingPreload();
  FaucetItem* row = SelectedRow();
  if (!row) return;
  if (row != current_) {
    // Leaving the browsed faucet counts as having claimed it.
    if (current_ && current_ == browsed_) CompleteCurrentItem();
    current_ = row;
    HideBoth();
  }
  if (browsed_) {
    if (browsed_ == current_ && (*browsed_)[fInput] != "*") {
      ShowActiveOnly();
    } else if (preloaded_ == current_) {
      view_.ShowBrowser(InactiveBrowser());
      view_.HideBrowser(ActiveBrowser());
    }
  }
  if (!loadFields) return;
  ShowItemWaitState();
  LoadDetailEdits(*row);
  // After the edits: their change handling has put the button and the lock
  // into the typing state.
  view_.SetAddSaveMode(AddSaveMode::Save);
  view_.SetItemLock(!(*row)[fLock].empty());
  lastItemUrl_[std::string((*row)[fCurrency])] = (*row)[fUrl];
  ShowKeptFieldReports();
}

void BrowsingController::BrowseSelectedRow() {
  StartPendingPreload();
  FaucetItem* row = SelectedRow();
  if (!row) return;
  // The click before the double click has already left the previous row.
  current_ = row;
  const std::string url = AddReferral((*row)[fUrl], currentReferral_);
  if ((*row)[fInput] == "*" || view_.EditText(DetailEdit::Input) == "*") {
    view_.OpenInDefaultBrowser(url, ExternalOpen::OnWorker);
    browsed_ = row;
    preloaded_ = nullptr;
  } else {
    ShowActiveOnly();
    LoadPage(ActiveBrowser(), url, std::string((*row)[fCurrency]));
    view_.SetNavButtonEnabled(NavButton::Refresh, true);
  }
  // Browsing the browsed row again keeps its preload.
  if (browsed_ != current_) {
    browsed_ = current_;
    preloaded_ = nullptr;
  }
  view_.RepaintList();
}

void BrowsingController::BrowseSelectedRowOnEnter(char key) {
  if (key == '\r') BrowseSelectedRow();
}

void BrowsingController::BrowseSelectedItem() {
  if (!current_ && view_.EntryCount() > 0) {
    view_.SelectPosition(0);
    SelectCurrentItem(true);
  }
  if (!current_) return;
  // Unsaved edits are dropped.
  LoadDetailEdits(*current_);
  BrowseSelectedRow();
}

void BrowsingController::BrowseCurrentOrNext() {
  if (current_)
    BrowseSelectedItem();
  else
    BrowseNextIncomplete();
}

void BrowsingController::GoToTypedUrl() {
  StartPendingPreload();
  const std::string typed = view_.EditText(DetailEdit::Url);
  if (current_) {
    const std::string key = StripReferral((*current_)[fUrl]);
    if (!key.empty() && typed.find(key) != std::string::npos) {
      BrowseSelectedRow();
      return;
    }
  }
  if (browsed_) {
    browsed_ = preloaded_ = nullptr;
    view_.RepaintList();
  }
  const BrowserWindow w = ActiveBrowser();
  const std::string typedKey = StripReferral(typed);
  if (typedKey.empty() || view_.MainFrameUrl(w).find(typedKey) == std::string::npos) {
    const std::string inputField = view_.EditText(DetailEdit::Input);
    if (inputField != "-" && inputField != "*") {
      view_.SetEditText(DetailEdit::Name, "");
      view_.SetEditText(DetailEdit::Interval, "");
      view_.SetEditText(DetailEdit::Input, "");
    }
    view_.SetAddSaveMode(AddSaveMode::Add);
  }
  const std::string url = AddReferral(typed, currentReferral_);
  if (view_.EditText(DetailEdit::Input) == "*") {
    view_.OpenInDefaultBrowser(url, ExternalOpen::Now);
  } else {
    view_.ShowBrowser(w);
    LoadPage(w, url, currentCoin_);
    view_.SetNavButtonEnabled(NavButton::Refresh, true);
  }
}

void BrowsingController::CompleteCurrentItem() {
  if (!current_) return;
  const BrowserWindow w = ActiveBrowser();
  const CompletionDecision d = CompleteItem(*current_, NowSeconds(clock_), view_.MainFrameUrl(w),
                                            StripReferralAndScheme((*current_)[fUrl]));
  if (d.requestPageText) view_.RequestPageText(w, {current_, listGeneration_});
}

void BrowsingController::ShowItemWaitState() {
  if (!current_ || view_.SelectedPosition() < 0) return;
  view_.ShowWaitText(ItemWaitText(*current_, NowSeconds(clock_)));
}

}  // namespace trelio

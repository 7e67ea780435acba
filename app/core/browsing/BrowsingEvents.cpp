// The browser events, the navigation buttons and the detail edits' actions.
#include "app/core/browsing/BrowsingController.h"

#include "app/core/index/UrlKey.h"
#include "app/core/page/ConsoleProtocol.h"
#include "app/core/page/PageScripts.h"
#include "app/core/payout/PageTextResult.h"

namespace trelio {
namespace {

// The index, the settings and the console lines are in the system's code page.
constexpr int kSystemCodePage = 0;

int Index(BrowserWindow w) { return w == BrowserWindow::First ? 0 : 1; }

}  // namespace

void BrowsingController::LoadPage(BrowserWindow w, const std::string& url,
                                  const std::string& coin) {
  pageCoin_[Index(w)] = coin;
  view_.LoadUrl(w, url);
}

// The wallet of the coin the page belongs to, not of the tab that happens to
// be active when its events arrive: a claim pays to the wallet it is given.
// A page reached through the history or a link may be another faucet's than
// the one the window was loaded for, so the faucet whose URL key the page has
// decides; the window's load only for a page of no faucet.
std::string BrowsingController::PageCoin(BrowserWindow w, std::string_view pageUrl) const {
  if (const FaucetItem* row = view_.RowOfUrlKey(StripReferral(pageUrl)))
    return std::string((*row)[fCurrency]);
  const std::string& loaded = pageCoin_[Index(w)];
  return loaded.empty() ? currentCoin_ : loaded;
}

void BrowsingController::ChromiumInsertAdr(BrowserWindow w, std::string_view inputField,
                                           std::string_view pageUrl) {
  const std::string address = view_.CoinAddress(PageCoin(w, pageUrl));
  view_.RunScript(
      w, InsertAddressScript(inputField, address, settings_.ignoreFieldNames, kSystemCodePage));
}

void BrowsingController::ChromiumGetTitle(BrowserWindow w) {
  view_.RunScript(w, std::string(TitleQueryScript()));
}

void BrowsingController::ChromiumDetectInterval(BrowserWindow w) {
  view_.RunScript(w, std::string(DetectIntervalScript()));
}

// The preloaded row's own input field for its page in the inactive window, and the
// browsed row's for its page hidden behind another selected row; the detail
// edit's otherwise.
std::string BrowsingController::InputFieldFor(BrowserWindow w) const {
  if (preloaded_ && w != ActiveBrowser()) return std::string((*preloaded_)[fInput]);
  if (browsed_ && w == ActiveBrowser() && !view_.BrowserVisible(w))
    return std::string((*browsed_)[fInput]);
  return view_.EditText(DetailEdit::Input);
}

void BrowsingController::ChromiumDocumentAvailableInMainFrame(BrowserWindow w,
                                                              std::string_view mainFrameUrl) {
  keptFieldReport_[Index(w)].clear();  // a new page reports anew
  ChromiumInsertAdr(w, InputFieldFor(w), mainFrameUrl);
  // The edits hold the row on show: the browsed page, navigating while
  // another row is selected, must not write its address over that row's.
  if (w != ActiveBrowser() || !view_.BrowserVisible(w)) return;
  ChromiumGetTitle(w);
  view_.SetEditText(DetailEdit::Url, StripReferral(mainFrameUrl));
}

void BrowsingController::ChromiumLoadEnd(BrowserWindow w, bool isMainFrame,
                                         std::string_view frameUrl) {
  if (!isMainFrame || frameUrl == "about:blank") return;
  // Again at load end: the script fills only empty fields.
  ChromiumInsertAdr(w, InputFieldFor(w), frameUrl);
}

// Back and forward act on the active window, so the buttons follow its
// history; the hidden preload's loading must not change them.
void BrowsingController::ChromiumLoadingStateChange(BrowserWindow w, bool canGoBack,
                                                    bool canGoForward) {
  navState_[Index(w)] = {canGoBack, canGoForward};
  if (w == ActiveBrowser()) ShowNavState();
}

void BrowsingController::ShowNavState() {
  const NavState& s = navState_[Index(ActiveBrowser())];
  view_.SetNavButtonEnabled(NavButton::Back, s.canGoBack);
  view_.SetNavButtonEnabled(NavButton::Forward, s.canGoForward);
}

void BrowsingController::ChromiumConsoleMessage(BrowserWindow w, std::string_view message) {
  const auto report = ParseConsoleLine(message);
  if (!report) return;
  if (!view_.BrowserVisible(w)) {
    std::string& kept = keptFieldReport_[Index(w)];
    if (report->kind == ConsoleKind::InputField && kept.empty()) kept = report->value;
    return;
  }
  switch (report->kind) {
    case ConsoleKind::Title:
      view_.SetEditText(DetailEdit::Name, report->value);
      break;
    case ConsoleKind::Interval:
      view_.SetEditText(DetailEdit::Interval, report->value);
      break;
    case ConsoleKind::InputField:
      if (view_.EditText(DetailEdit::Input).empty())
        view_.SetEditText(DetailEdit::Input, report->value);
      break;
  }
}

// A window has come on show with the row whose page it holds.
void BrowsingController::ShowKeptFieldReports() {
  for (const BrowserWindow w : {BrowserWindow::First, BrowserWindow::Second}) {
    std::string& kept = keptFieldReport_[Index(w)];
    if (kept.empty() || !view_.BrowserVisible(w)) continue;
    if (view_.EditText(DetailEdit::Input).empty()) view_.SetEditText(DetailEdit::Input, kept);
    kept.clear();
  }
}

void BrowsingController::ChromiumTextResultAvailable(const PageTextRequest& request,
                                                     std::u16string_view text) {
  // A rebuild in between may have let the row go.
  if (!request.item || request.listGeneration != listGeneration_) return;
  const PayoutTemplates templates{settings_.rightPayoutTemplate, settings_.leftPayoutTemplate,
                                  settings_.noPayTemplate};
  ApplyPageTextResult(*request.item, text, kSystemCodePage, templates, currentCoin_,
                      settings_.processResultsWithoutPayment == 1);
  view_.RepaintList();
}

void BrowsingController::Reload() {
  view_.ShowBrowser(ActiveBrowser());
  view_.Reload(ActiveBrowser());
}

void BrowsingController::GoBack() {
  view_.ShowBrowser(ActiveBrowser());
  view_.GoBack(ActiveBrowser());
}

void BrowsingController::GoForward() {
  view_.ShowBrowser(ActiveBrowser());
  view_.GoForward(ActiveBrowser());
}

void BrowsingController::AskTitleForEmptyName() {
  if (!view_.EditText(DetailEdit::Name).empty()) return;
  for (const BrowserWindow w : {BrowserWindow::First, BrowserWindow::Second}) {
    if (view_.BrowserVisible(w)) {
      ChromiumGetTitle(w);
      return;
    }
  }
}

void BrowsingController::DetectIntervalOnEnter(char key) {
  if (key == '\r') ChromiumDetectInterval(ActiveBrowser());
}

void BrowsingController::GoToTypedUrlOnEnter(char key) {
  if (key == '\r') GoToTypedUrl();
}

void BrowsingController::InsertAddressOnEnter(char key) {
  if (key != '\r') return;
  const BrowserWindow w = ActiveBrowser();
  ChromiumInsertAdr(w, view_.EditText(DetailEdit::Input), view_.MainFrameUrl(w));
}

bool ChromiumBeforePopup(int blockPopups, bool ctrlDown) { return blockPopups > 0 && !ctrlDown; }

}  // namespace trelio

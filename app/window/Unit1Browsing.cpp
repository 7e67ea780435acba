// The two browser windows, their events, the browse commands, the navigation
// buttons and the page-script actions of the detail edits. Each handler reads
// its widgets and hands over to the browsing controller.
#include <QGuiApplication>
#include <QLineEdit>
#include <QTabWidget>

#include "app/core/page/PageScripts.h"
#include "app/widgets/CoinPanel.h"
#include "app/widgets/TextBridge.h"
#include "app/window/FormBrowsingView.h"
#include "app/window/Unit1.h"

namespace trelio {

namespace {

char KeyChar(QChar key) { return key.unicode() < 128 ? static_cast<char>(key.unicode()) : 0; }

}  // namespace

void TForm1::CreateBrowsers(EmbeddedBrowserFactory& browsers) {
  WebBrowser1 = browsers.MakeBrowser();
  WebBrowser2 = browsers.MakeBrowser();
  WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
  WebBrowser2->setObjectName(QStringLiteral("WebBrowser2"));
}

// The browsers raise their events on the window thread (Qt WebEngine hands
// them over itself), in the order raised; direct connections keep that order.
void TForm1::ConnectBrowser(EmbeddedBrowser& browser) {
  connect(&browser, &EmbeddedBrowser::LoadEnd, this, &TForm1::ChromiumLoadEnd);
  connect(&browser, &EmbeddedBrowser::DocumentAvailableInMainFrame, this,
          &TForm1::ChromiumDocumentAvailableInMainFrame);
  connect(&browser, &EmbeddedBrowser::ConsoleMessage, this,
          [this](int id, ConsoleLevel, const QString& message, const QString&, int) {
            ChromiumConsoleMessage(id, message);
          });
  connect(&browser, &EmbeddedBrowser::LoadStart, this, &TForm1::ChromiumLoadStart);
  connect(&browser, &EmbeddedBrowser::LoadingStateChange, this,
          &TForm1::ChromiumLoadingStateChange);
  connect(&browser, &EmbeddedBrowser::TextResultAvailable, this,
          &TForm1::ChromiumTextResultAvailable);
  browser.SetBeforePopup([this](const QString& url) { return ChromiumBeforePopup(url); });
}

// Browse commands.

void TForm1::SelectCurrentItem(bool loadFields) { Browsing->SelectCurrentItem(loadFields); }

void TForm1::ListBox1DblClick() { Browsing->BrowseSelectedRow(); }

void TForm1::ToolButton2Click() { Browsing->BrowseSelectedItem(); }

void TForm1::ToolButton5Click() { Browsing->BrowseNextIncomplete(); }

void TForm1::Panel2Click() { Browsing->BrowseCurrentOrNext(); }

void TForm1::ToolButton6Click() { Browsing->GoToTypedUrl(); }

void TForm1::ToolButton7Click() { Browsing->GoBack(); }

void TForm1::ToolButton9Click() { Browsing->GoForward(); }

void TForm1::ToolButton10Click() { Browsing->Reload(); }

void TForm1::Edit5Click() { Browsing->AskTitleForEmptyName(); }

void TForm1::Edit6KeyPress(QChar key) { Browsing->DetectIntervalOnEnter(KeyChar(key)); }

void TForm1::Edit7KeyPress(QChar key) { Browsing->GoToTypedUrlOnEnter(KeyChar(key)); }

void TForm1::Edit8KeyPress(QChar key) { Browsing->InsertAddressOnEnter(KeyChar(key)); }

void TForm1::CompleteCurrentItem() { Browsing->CompleteCurrentItem(); }

void TForm1::ShowItemWaitState() { Browsing->ShowItemWaitState(); }

// Page scripts.

void TForm1::EvalJs(EmbeddedBrowser& browser, const QString& script) {
  browser.ExecuteJavaScript(script);
}

QString TForm1::GetActiveCoinAddress() const {
  return CoinAddress(PageControl1->tabText(PageControl1->currentIndex()).toLower());
}

QString TForm1::CoinAddress(const QString& coin) const {
  const int row = CoinOfKey(coin.toStdString());
  if (row < 0) return {};
  return Coins[static_cast<size_t>(kCoins[static_cast<size_t>(row)].tab)].Panel->Address();
}

// Browser events.

namespace {

BrowserWindow WindowOf(const TForm1& form, int browserId) {
  return form.WebBrowser1->Identifier() == browserId ? BrowserWindow::First : BrowserWindow::Second;
}

}  // namespace

void TForm1::ChromiumLoadStart(int, bool, const QString&) {}

void TForm1::ChromiumLoadEnd(int browserId, bool mainFrame, const QString& url, int) {
  if (!BrowserById(browserId)) return;
  Browsing->ChromiumLoadEnd(WindowOf(*this, browserId), mainFrame, QStringToAnsi(url));
}

void TForm1::ChromiumLoadingStateChange(int browserId, bool, bool canGoBack, bool canGoForward) {
  if (!BrowserById(browserId)) return;
  Browsing->ChromiumLoadingStateChange(WindowOf(*this, browserId), canGoBack, canGoForward);
}

void TForm1::ChromiumDocumentAvailableInMainFrame(int browserId) {
  EmbeddedBrowser* browser = BrowserById(browserId);
  if (!browser) return;
  Browsing->ChromiumDocumentAvailableInMainFrame(WindowOf(*this, browserId),
                                                 QStringToAnsi(browser->MainFrameUrl()));
}

void TForm1::ChromiumConsoleMessage(int browserId, const QString& message) {
  if (!BrowserById(browserId)) return;
  Browsing->ChromiumConsoleMessage(WindowOf(*this, browserId), QStringToAnsi(message));
}

void TForm1::ChromiumTextResultAvailable(int, quint64 request, const QString& text) {
  const PageTextRequest asked = browsingView_->TakePageTextRequest(request);
  Browsing->ChromiumTextResultAvailable(asked, text.toStdU16String());
}

// The engine asks on the window thread and waits for the answer, which
// reads only the setting and the keyboard.
bool TForm1::ChromiumBeforePopup(const QString&) {
  return trelio::ChromiumBeforePopup(
      Settings.blockPopups,
      QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier));
}

}  // namespace trelio

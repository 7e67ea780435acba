// The two browser windows, their events, the navigation buttons and the
// detail edits above them.
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include "app/Unit1.h"

namespace trelio {

void TForm1::CreateBrowsers(EmbeddedBrowserFactory& browsers) {
  WebBrowser1 = browsers.MakeBrowser();
  WebBrowser2 = browsers.MakeBrowser();
  WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
  WebBrowser2->setObjectName(QStringLiteral("WebBrowser2"));
}

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

void TForm1::ChromiumLoadStart(int, bool, const QString&) {}

void TForm1::ChromiumLoadEnd(int, bool, const QString&, int) {}

void TForm1::ChromiumLoadingStateChange(int, bool, bool canGoBack, bool canGoForward) {
  ToolButton7->setEnabled(canGoBack);
  ToolButton9->setEnabled(canGoForward);
}

void TForm1::ChromiumDocumentAvailableInMainFrame(int) {}

void TForm1::ChromiumConsoleMessage(int, const QString&) {}

void TForm1::ChromiumTextResultAvailable(int, const QString&) {}

bool TForm1::ChromiumBeforePopup(const QString&) {
  return BlockPopups > 0 && !(QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier);
}

void TForm1::Panel2Click() {
  if (CurrentItem)
    ToolButton2Click();
  else
    ToolButton5Click();
}

void TForm1::ToolButton6Click() {}

void TForm1::ToolButton7Click() {
  ActiveBrowser()->Show();
  ActiveBrowser()->GoBack();
}

void TForm1::ToolButton9Click() {
  ActiveBrowser()->Show();
  ActiveBrowser()->GoForward();
}

void TForm1::ToolButton10Click() {
  ActiveBrowser()->Show();
  ActiveBrowser()->Reload();
}

void TForm1::Edit5Click() {}
void TForm1::Edit5Change() {}
void TForm1::Edit6Change() {}
void TForm1::Edit7Change() {}
void TForm1::Edit8Change() {}

void TForm1::Edit6KeyDown(QLineEdit* sender, QKeyEvent* key) {
  if (key->key() == Qt::Key_A && key->modifiers() == Qt::ControlModifier) sender->selectAll();
}

void TForm1::Edit6KeyPress(QChar) {}

void TForm1::Edit7KeyPress(QChar key) {
  if (key == QChar(13)) ToolButton6Click();
}

void TForm1::Edit8KeyPress(QChar) {}

void TForm1::SpeedButton5Click() {}

void TForm1::ToolButton15Click() {}

void TForm1::ShowUpdateLockGlyph() {
  SpeedButton5->setIcon(ImageList2.Image(LockForUpdate ? 0 : 1));
}

}  // namespace trelio

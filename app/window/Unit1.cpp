#include "app/window/Unit1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>

#include "app/core/text/Messages.h"
#include "app/core/text/Numbers.h"
#include "app/program/Application.h"
#include "app/threads/WorkerThread.h"
#include "app/widgets/CoinPanel.h"
#include "app/widgets/DetailPanel.h"
#include "app/widgets/FaucetListBox.h"
#include "app/widgets/HintLines.h"
#include "app/widgets/PanelStatusBar.h"
#include "app/widgets/TextBridge.h"
#include "app/window/FormBrowsingView.h"

namespace trelio {

TForm1::TForm1(EmbeddedBrowserFactory& browsers, QWidget* parent)
    : TForm1(browsers, StartupOptions{}, parent) {}

TForm1::TForm1(EmbeddedBrowserFactory& browsers, StartupOptions options, QWidget* parent)
    : QMainWindow(parent), syncGate_(std::make_unique<SyncGate>()), startup_(std::move(options)) {
  setObjectName(QStringLiteral("Form1"));
  new HintLines(this);
  CreateLayout();
  CreateMainMenu();
  CreateListMenus();
  CreateCoinMenu();
  CreateDialogs();
  CreateBrowsers(browsers);
  browsingView_ = std::make_unique<FormBrowsingView>(*this);
  Browsing = std::make_unique<BrowsingController>(*browsingView_, Settings, startup_.clock);
  try {
    FormCreate();
  } catch (const std::exception& e) {
    // As an error of an event handler: shown, and the window goes on with
    // what was done.
    ShowErrorBox(ExceptionText(e));
  } catch (...) {
    ShowErrorBox(MessageQString(msgUnknownError));
  }
  created_ = true;
}

TForm1::~TForm1() {
  if (created_) FormDestroy();
  // No synchronised call may reach the window from here on.
  syncGate_.reset();
}

EmbeddedBrowser* TForm1::ActiveBrowser() const {
  return Browsing->ActiveBrowserIsFirst() ? WebBrowser1.get() : WebBrowser2.get();
}

EmbeddedBrowser* TForm1::InactiveBrowser() const {
  return Browsing->ActiveBrowserIsFirst() ? WebBrowser2.get() : WebBrowser1.get();
}

EmbeddedBrowser* TForm1::BrowserById(int browserId) const {
  if (WebBrowser1->Identifier() == browserId) return WebBrowser1.get();
  if (WebBrowser2->Identifier() == browserId) return WebBrowser2.get();
  return nullptr;
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (event->spontaneous()) return;
  // The first show may put up the modal download dialog: that waits until
  // this window is on the screen and the event loop runs.
  if (FirstShow && OKBottomDlg)
    QMetaObject::invokeMethod(this, &TForm1::FormShow, Qt::QueuedConnection);
  else
    FormShow();
}

void TForm1::closeEvent(QCloseEvent* event) {
  // The rows are half-way through an update: its end closes the window.
  if (indexUpdate_) {
    closeAfterIndexUpdate_ = true;
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
  if (event->isAccepted()) emit Closed();
}

void TForm1::Exit1Click() { close(); }

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick) {
    const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
    const bool release = type == QEvent::MouseButtonRelease;
    if (watched == ToolBar1) {
      release ? ToolBar1MouseUp(button) : ToolBar1DblClick();
    } else if (watched == StatusBar2) {
      release ? StatusBar2MouseUp(button) : ToolButton5Click();
    } else if (watched == StatusBar1) {
      if (!release) ToolButton5Click();
    } else if (watched == PageControl1 || watched == PageControl1->tabBar()) {
      if (release) PageControl1MouseUp(button);
    } else if (watched == Edit5 || watched == Edit8) {
      if (release && button == Qt::LeftButton) Edit5Click();
    }
  } else if (type == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    for (QLineEdit* edit : {Edit5, Edit6, Edit7, Edit8})
      if (watched == edit) Edit6KeyDown(edit, key);
    const QChar ch = key->text().isEmpty() ? QChar() : key->text().front();
    if (!ch.isNull()) {
      if (watched == Edit6) Edit6KeyPress(ch);
      if (watched == Edit7) Edit7KeyPress(ch);
      if (watched == Edit8) Edit8KeyPress(ch);
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace trelio

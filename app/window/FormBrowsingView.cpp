#include "app/window/FormBrowsingView.h"

#include <QEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <QWindow>

#include "app/core/text/Messages.h"
#include "app/widgets/DetailPanel.h"
#include "app/widgets/FaucetListBox.h"
#include "app/widgets/PanelStatusBar.h"
#include "app/widgets/TextBridge.h"
#include "app/window/Unit1.h"

namespace trelio {

EmbeddedBrowser& FormBrowsingView::Browser(BrowserWindow w) const {
  return w == BrowserWindow::First ? *form_.WebBrowser1 : *form_.WebBrowser2;
}

PageTextRequest FormBrowsingView::TakePageTextRequest(quint64 number) {
  const auto it = pendingText_.find(number);
  if (it == pendingText_.end()) return {};
  const PageTextRequest request = it->second;
  pendingText_.erase(it);
  return request;
}

int FormBrowsingView::EntryCount() const { return form_.ListBox1->count(); }

int FormBrowsingView::SelectedPosition() const { return form_.ListBox1->ItemIndex(); }

void FormBrowsingView::SelectPosition(int position) {
  // The selection moves without the list's click handling.
  const QSignalBlocker quiet(form_.ListBox1);
  form_.ListBox1->SetItemIndex(position);
}

FaucetItem* FormBrowsingView::EntryRow(int position) const { return form_.ListBox1->Row(position); }

void FormBrowsingView::RepaintList() { form_.ListBox1->viewport()->update(); }

void FormBrowsingView::RepaintEntries(const std::vector<int>& positions) {
  for (const int p : positions)
    if (QListWidgetItem* entry = form_.ListBox1->item(p))
      form_.ListBox1->viewport()->update(form_.ListBox1->visualItemRect(entry));
}

void FormBrowsingView::LoadUrl(BrowserWindow w, const std::string& url) {
  Browser(w).LoadUrl(AnsiToQString(url));
}

void FormBrowsingView::ShowBrowser(BrowserWindow w) { Browser(w).Show(); }

void FormBrowsingView::HideBrowser(BrowserWindow w) { Browser(w).Hide(); }

bool FormBrowsingView::BrowserVisible(BrowserWindow w) const { return Browser(w).IsVisible(); }

namespace {

// Calls a function once the top-level window has painted what it shows now:
// its next update request paints every widget shown since and puts them on
// the screen, and the call comes after that request. If no update comes, the
// call comes anyway a little later.
class AfterNextPaint : public QObject {
 public:
  AfterNextPaint(QWidget* top, std::function<void()> then)
      : QObject(top), top_(top), then_(std::move(then)) {
    top->installEventFilter(this);
    QTimer::singleShot(kLatestMs, this, [this] { Run(); });
  }

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::UpdateRequest) {
      top_->removeEventFilter(this);
      QMetaObject::invokeMethod(
          this, [this] { Run(); }, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  static constexpr int kLatestMs = 100;

  void Run() {
    if (!then_) return;
    const std::function<void()> then = std::move(then_);
    then_ = nullptr;
    deleteLater();
    then();
  }

  QWidget* top_;
  std::function<void()> then_;
};

}  // namespace

void FormBrowsingView::WhenOnScreen(BrowserWindow w, std::function<void()> then) {
  QWidget* view = Browser(w).View();
  QWidget* top = view ? view->window() : nullptr;
  const QWindow* handle = top ? top->windowHandle() : nullptr;
  if (!view || !view->isVisible() || !handle || !handle->isExposed()) {
    then();
    return;
  }
  new AfterNextPaint(top, std::move(then));
}

std::string FormBrowsingView::MainFrameUrl(BrowserWindow w) const {
  return QStringToAnsi(Browser(w).MainFrameUrl());
}

void FormBrowsingView::GoBack(BrowserWindow w) { Browser(w).GoBack(); }

void FormBrowsingView::GoForward(BrowserWindow w) { Browser(w).GoForward(); }

void FormBrowsingView::Reload(BrowserWindow w) { Browser(w).Reload(); }

void FormBrowsingView::RunScript(BrowserWindow w, const std::string& script) {
  form_.EvalJs(Browser(w), AnsiToQString(script));
}

void FormBrowsingView::RequestPageText(BrowserWindow w, PageTextRequest request) {
  // Answers that never come (the page went first) leave only their entry.
  std::erase_if(pendingText_, [&](const auto& pending) {
    return pending.second.listGeneration != request.listGeneration;
  });
  pendingText_[++lastRequest_] = request;
  Browser(w).RetrieveText(lastRequest_);
}

QLineEdit* FormBrowsingView::Edit(DetailEdit e) const {
  switch (e) {
    case DetailEdit::Url:
      return form_.Edit7;
    case DetailEdit::Name:
      return form_.Edit5;
    case DetailEdit::Interval:
      return form_.Edit6;
    case DetailEdit::Input:
      break;
  }
  return form_.Edit8;
}

std::string FormBrowsingView::EditText(DetailEdit e) const {
  return QStringToAnsi(Edit(e)->text());
}

// The start of a long URL is what tells the page; the cursor stays there.
void FormBrowsingView::SetEditText(DetailEdit e, const std::string& text) {
  QLineEdit* edit = Edit(e);
  edit->setText(AnsiToQString(text));
  edit->setCursorPosition(0);
}

void FormBrowsingView::SetAddSaveMode(AddSaveMode mode) {
  if (mode == AddSaveMode::Save) form_.ToolButton15->setEnabled(false);
  form_.SetAddSaveMode(mode);
}

void FormBrowsingView::SetNavButtonEnabled(NavButton b, bool enabled) {
  QToolButton* button = b == NavButton::Refresh ? form_.ToolButton10
                        : b == NavButton::Back  ? form_.ToolButton7
                                                : form_.ToolButton9;
  button->setEnabled(enabled);
}

void FormBrowsingView::SetItemLock(bool locked) {
  form_.LockForUpdate = locked;
  form_.ShowUpdateLockGlyph();
  form_.SpeedButton5->setEnabled(true);
}

std::string FormBrowsingView::CoinAddress(std::string_view coin) const {
  return QStringToAnsi(form_.CoinAddress(AnsiToQString(coin)));
}

const FaucetItem* FormBrowsingView::RowOfUrlKey(const std::string& key) const {
  if (key.empty()) return nullptr;
  const std::optional<int32_t> r = form_.UrlRowMap.Find(key);
  if (!r || *r < 1 || *r >= form_.StringGrid1.RowCount()) return nullptr;
  return &form_.StringGrid1.Row(*r);
}

void FormBrowsingView::OpenInDefaultBrowser(const std::string& url, ExternalOpen how) {
  const QString text = AnsiToQString(url);
  if (how == ExternalOpen::OnWorker)
    ExecuteThread::Open(text, form_.ShellOpen);
  else if (form_.ShellOpen)
    form_.ShellOpen(text);
}

void FormBrowsingView::ShowWaitText(const std::u16string& text) {
  const QString caption = Utf16ToQString(text);
  form_.Panel2->SetCaption(caption);
  form_.StatusBar1->SetPanelText(0, caption);
}

}  // namespace trelio

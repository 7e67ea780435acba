// How the browser component's events and operations map onto Qt WebEngine.
// Qt WebEngine raises every signal on the window thread, in the order the
// engine reports it, and the signals here are emitted synchronously from
// those, so the window sees the events in the order raised.
#include "app/browser/WebEngineBrowser.h"

#include <QUuid>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

namespace trelio {
namespace {

// A URL as it was loaded: QUrl's display form decodes "%20" and "%C3%A9", and
// a faucet's address, kept encoded in the index, would no longer match it.
QString UrlText(const QUrl& url) { return url.toString(QUrl::FullyEncoded); }

}  // namespace

class WebEngineBrowser::Page : public QWebEnginePage {
 public:
  Page(QWebEngineProfile* profile, WebEngineBrowser* owner)
      : QWebEnginePage(profile), owner_(owner) {}

 protected:
  // Console lines of every frame and world of the page: its own scripts,
  // ours and runJavaScript.
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                int lineNumber, const QString& sourceID) override {
    owner_->OnConsoleMessage(level, message, lineNumber, sourceID);
  }

 private:
  WebEngineBrowser* owner_;
};

WebEngineBrowser::WebEngineBrowser(ProfileSource profile, int identifier)
    : profileSource_(std::move(profile)),
      identifier_(identifier),
      documentMarker_(QStringLiteral("korvane-trelio-document-available:") +
                      QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

WebEngineBrowser::~WebEngineBrowser() { Close(); }

bool WebEngineBrowser::CreateBrowser(QWidget* parent) {
  if (view_ || closed_) return view_ != nullptr;
  view_ = new QWebEngineView(parent);
  view_->hide();
  return true;
}

bool WebEngineBrowser::StartPage() {
  if (page_) return true;
  if (!view_ || closed_) return false;
  QWebEngineProfile* profile = profileSource_ ? profileSource_() : nullptr;
  if (!profile) return false;
  page_ = new Page(profile, this);

  // Document available in the main frame: a script of our own world runs in
  // the main frame as soon as its document object exists, before the page's
  // own scripts, and logs a marker that only we know. Waiting for the parsed
  // document instead would never come for a page held up by a blocking
  // script or one that keeps streaming; the insertion script started here
  // retries until the page's inputs exist.
  QWebEngineScript ready;
  ready.setName(QStringLiteral("korvane-trelio-document-available"));
  ready.setInjectionPoint(QWebEngineScript::DocumentCreation);
  ready.setWorldId(QWebEngineScript::ApplicationWorld);
  ready.setRunsOnSubFrames(false);
  ready.setSourceCode(QStringLiteral("console.log(%1);")
                          .arg(QStringLiteral("\"") + documentMarker_ + QStringLiteral("\"")));
  page_->scripts().insert(ready);

  connect(page_, &QWebEnginePage::loadingChanged, this, &WebEngineBrowser::OnLoadingChanged);
  connect(page_, &QWebEnginePage::newWindowRequested, this,
          &WebEngineBrowser::OnNewWindowRequested);
  view_->setPage(page_);
  return true;
}

bool WebEngineBrowser::Initialized() const { return !view_.isNull(); }

QWidget* WebEngineBrowser::View() const { return view_.data(); }

// A typed address without a scheme is taken as the engine's address bar
// would take it, rather than failing as a relative URL.
void WebEngineBrowser::LoadUrl(const QString& url) {
  if (StartPage()) page_->load(QUrl::fromUserInput(url));
}

void WebEngineBrowser::GoBack() {
  if (StartPage()) page_->triggerAction(QWebEnginePage::Back);
}

void WebEngineBrowser::GoForward() {
  if (StartPage()) page_->triggerAction(QWebEnginePage::Forward);
}

void WebEngineBrowser::Reload() {
  if (StartPage()) page_->triggerAction(QWebEnginePage::Reload);
}

// Runs in the main frame's page world, like a script of the page; it returns
// at once and its output comes back only as console lines.
void WebEngineBrowser::ExecuteJavaScript(const QString& script) {
  if (StartPage()) page_->runJavaScript(script);
}

// The main frame's text: toPlainText answers later on the window thread; the
// request number goes back with it. A page closed meanwhile answers nothing.
void WebEngineBrowser::RetrieveText(quint64 request) {
  if (!StartPage()) return;
  QPointer<WebEngineBrowser> self(this);
  page_->toPlainText([self, request](const QString& text) {
    if (self && self->page_) emit self->TextResultAvailable(self->identifier_, request, text);
  });
}

bool WebEngineBrowser::CanGoBack() const { return page_ && page_->history()->canGoBack(); }

bool WebEngineBrowser::CanGoForward() const { return page_ && page_->history()->canGoForward(); }

// The page's URL is the main frame's; empty before the first load.
QString WebEngineBrowser::MainFrameUrl() const { return page_ ? UrlText(page_->url()) : QString(); }

void WebEngineBrowser::Show() {
  if (StartPage()) view_->show();
}

void WebEngineBrowser::Hide() {
  if (view_) view_->hide();
}

bool WebEngineBrowser::IsVisible() const { return view_ && !view_->isHidden(); }

void WebEngineBrowser::Close() {
  closed_ = true;
  for (auto& popup : popups_) delete popup.data();
  popups_.clear();
  delete view_.data();
  delete page_;
  page_ = nullptr;
}

// Load start, load end and the loading state all come from loadingChanged,
// which Qt WebEngine raises for the main frame only: sub-frame loads raise
// nothing, so every load end here is the main frame's.
void WebEngineBrowser::OnLoadingChanged(const QWebEngineLoadingInfo& info) {
  const QString url = UrlText(info.url());
  switch (info.status()) {
    case QWebEngineLoadingInfo::LoadStartedStatus:
      emit LoadingStateChange(identifier_, true, CanGoBack(), CanGoForward());
      emit LoadStart(identifier_, true, url);
      break;
    case QWebEngineLoadingInfo::LoadSucceededStatus:
      // A succeeded load may still carry an error text: only the domain counts.
      emit LoadEnd(identifier_, true, url,
                   info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain
                       ? info.errorCode()
                       : 200);
      emit LoadingStateChange(identifier_, false, CanGoBack(), CanGoForward());
      break;
    case QWebEngineLoadingInfo::LoadFailedStatus:
      // A page that came with an HTTP error status has loaded; a network
      // failure has no page to end.
      if (info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain)
        emit LoadEnd(identifier_, true, url, info.errorCode());
      emit LoadingStateChange(identifier_, false, CanGoBack(), CanGoForward());
      break;
    case QWebEngineLoadingInfo::LoadStoppedStatus:
      emit LoadingStateChange(identifier_, false, CanGoBack(), CanGoForward());
      break;
  }
}

// The pop-up decision: Qt WebEngine asks by newWindowRequested (window.open,
// target=_blank, Ctrl+click) on the window thread and waits for the answer.
// Left unanswered, the request is refused; allowed, it opens in a window of
// its own that the user (or the page, by window.close) can close. Pop-ups
// of a pop-up get the same decision.
void WebEngineBrowser::OnNewWindowRequested(QWebEngineNewWindowRequest& request) {
  if (PopupCancelled(UrlText(request.requestedUrl()))) return;
  auto* view = new QWebEngineView();
  view->setAttribute(Qt::WA_DeleteOnClose);
  auto* page = new QWebEnginePage(page_->profile(), view);
  view->setPage(page);
  connect(page, &QWebEnginePage::windowCloseRequested, view, &QWidget::close);
  connect(page, &QWebEnginePage::newWindowRequested, this, &WebEngineBrowser::OnNewWindowRequested);
  connect(page, &QWebEnginePage::titleChanged, view, &QWidget::setWindowTitle);
  const QRect asked = request.requestedGeometry();
  view->resize(asked.width() > 0 && asked.height() > 0 ? asked.size() : QSize(800, 600));
  request.openIn(page);
  view->show();
  std::erase_if(popups_, [](const QPointer<QWebEngineView>& p) { return p.isNull(); });
  popups_.emplace_back(view);
}

void WebEngineBrowser::OnConsoleMessage(int level, const QString& message, int line,
                                        const QString& source) {
  if (message == documentMarker_) {
    emit DocumentAvailableInMainFrame(identifier_);
    return;
  }
  ConsoleLevel l = ConsoleLevel::Info;
  if (level == QWebEnginePage::WarningMessageLevel) l = ConsoleLevel::Warning;
  if (level == QWebEnginePage::ErrorMessageLevel) l = ConsoleLevel::Error;
  emit ConsoleMessage(identifier_, l, message, source, line);
}

}  // namespace trelio

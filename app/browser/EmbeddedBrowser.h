// One embedded browser window: a view that shows pages, the requests the
// program makes of it and the events it raises.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace trelio {

// Console message levels, as the page reports them.
enum class ConsoleLevel { Info, Warning, Error };

class EmbeddedBrowser : public QObject {
  Q_OBJECT

 public:
  explicit EmbeddedBrowser(QObject* parent = nullptr) : QObject(parent) {}
  ~EmbeddedBrowser() override = default;

  // Equal numbers mean the same browser; never 0.
  virtual int Identifier() const = 0;

  // Creates the browser's view as a child of parent (hidden, no page yet).
  // False when the runtime cannot give one; every request below then does
  // nothing.
  virtual bool CreateBrowser(QWidget* parent) = 0;
  virtual bool Initialized() const = 0;
  // The view, or null before CreateBrowser.
  virtual QWidget* View() const = 0;

  // Requests: each returns at once, its effect comes back as events.
  virtual void LoadUrl(const QString& url) = 0;
  virtual void GoBack() = 0;
  virtual void GoForward() = 0;
  virtual void Reload() = 0;
  // Runs script in the main frame's page; what it logs arrives as
  // ConsoleMessage.
  virtual void ExecuteJavaScript(const QString& script) = 0;
  // Asks for the main frame's text; it arrives as TextResultAvailable with
  // the same request number.
  virtual void RetrieveText(quint64 request) = 0;

  virtual bool CanGoBack() const = 0;
  virtual bool CanGoForward() const = 0;
  // As loaded, percent-encoded; empty while the browser has no page.
  virtual QString MainFrameUrl() const = 0;

  virtual void Show() = 0;
  virtual void Hide() = 0;
  // The view's own visibility flag, whatever its parents show.
  virtual bool IsVisible() const = 0;

  // A page asks for a new window. The decision runs where the request is
  // raised and must answer at once: true cancels the pop-up, false lets the
  // runtime open a window of its own. Without a decision pop-ups are allowed.
  using PopupDecision = std::function<bool(const QString& targetUrl)>;
  void SetBeforePopup(PopupDecision decision) { beforePopup_ = std::move(decision); }

 signals:
  void LoadStart(int browserId, bool mainFrame, const QString& url);
  void LoadEnd(int browserId, bool mainFrame, const QString& url, int httpStatusCode);
  void LoadingStateChange(int browserId, bool isLoading, bool canGoBack, bool canGoForward);
  void DocumentAvailableInMainFrame(int browserId);
  void ConsoleMessage(int browserId, trelio::ConsoleLevel level, const QString& message,
                      const QString& source, int line);
  void TextResultAvailable(int browserId, quint64 request, const QString& text);

 protected:
  // True when the pop-up is to be cancelled.
  bool PopupCancelled(const QString& targetUrl) const {
    return beforePopup_ ? beforePopup_(targetUrl) : false;
  }

 private:
  PopupDecision beforePopup_;
};

// Makes browser windows; the main window asks it for its two.
class EmbeddedBrowserFactory {
 public:
  virtual ~EmbeddedBrowserFactory() = default;
  virtual std::unique_ptr<EmbeddedBrowser> MakeBrowser() = 0;
};

}  // namespace trelio

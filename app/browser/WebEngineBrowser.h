// A browser window on Qt WebEngine.
#pragma once

#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

#include "app/browser/EmbeddedBrowser.h"

class QWebEngineProfile;
class QWebEngineView;
class QWebEnginePage;
class QWebEngineLoadingInfo;
class QWebEngineNewWindowRequest;

namespace trelio {

// The view is made by CreateBrowser; its page, and with the first page the
// engine itself, only when a request needs it or StartPage is called: the
// engine's start takes longer than building the whole main window.
class WebEngineBrowser : public EmbeddedBrowser {
  Q_OBJECT

 public:
  // Gives the engine's profile, starting the engine on the first call; null
  // once the engine has gone.
  using ProfileSource = std::function<QWebEngineProfile*()>;

  WebEngineBrowser(ProfileSource profile, int identifier);
  ~WebEngineBrowser() override;

  int Identifier() const override { return identifier_; }
  bool CreateBrowser(QWidget* parent) override;
  bool Initialized() const override;
  QWidget* View() const override;

  // Gives the view its page now, starting the engine if it has not started.
  // False when there is none to give: no view, or the engine has gone.
  bool StartPage();

  void LoadUrl(const QString& url) override;
  void GoBack() override;
  void GoForward() override;
  void Reload() override;
  void ExecuteJavaScript(const QString& script) override;
  void RetrieveText(quint64 request) override;

  bool CanGoBack() const override;
  bool CanGoForward() const override;
  QString MainFrameUrl() const override;

  void Show() override;
  void Hide() override;
  bool IsVisible() const override;

  // Deletes the pop-up windows, the view and the page; afterwards every
  // request does nothing and no page is made. The runtime calls it before it drops its profile.
  void Close();

 private:
  class Page;
  friend class Page;

  void OnLoadingChanged(const QWebEngineLoadingInfo& info);
  void OnNewWindowRequested(QWebEngineNewWindowRequest& request);
  // From the page's console; the marker of the document script becomes
  // its own event and is not passed on.
  void OnConsoleMessage(int level, const QString& message, int line, const QString& source);

  ProfileSource profileSource_;
  bool closed_ = false;
  int identifier_;
  // Logged by the document script in its own world; random, so a page cannot fake it.
  QString documentMarker_;
  Page* page_ = nullptr;
  QPointer<QWebEngineView> view_;
  std::vector<QPointer<QWebEngineView>> popups_;
};

}  // namespace trelio

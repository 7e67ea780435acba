// A browser window on Qt WebEngine.
#pragma once

#include <QPointer>
#include <QString>
#include <vector>

#include "app/browser/EmbeddedBrowser.h"

class QWebEngineProfile;
class QWebEngineView;
class QWebEnginePage;
class QWebEngineLoadingInfo;
class QWebEngineNewWindowRequest;

namespace trelio {

class WebEngineBrowser : public EmbeddedBrowser {
  Q_OBJECT

 public:
  WebEngineBrowser(QWebEngineProfile* profile, int identifier);
  ~WebEngineBrowser() override;

  int Identifier() const override { return identifier_; }
  bool CreateBrowser(QWidget* parent) override;
  bool Initialized() const override { return page_ != nullptr; }
  QWidget* View() const override;

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
  // request does nothing. The runtime calls it before it drops its profile.
  void Close();

 private:
  class Page;
  friend class Page;

  void OnLoadingChanged(const QWebEngineLoadingInfo& info);
  void OnNewWindowRequested(QWebEngineNewWindowRequest& request);
  // From the page's console; the marker of the document script becomes
  // its own event and is not passed on.
  void OnConsoleMessage(int level, const QString& message, int line, const QString& source);

  QWebEngineProfile* profile_;
  int identifier_;
  // Logged by the document script in its own world; random, so a page cannot fake it.
  QString documentMarker_;
  Page* page_ = nullptr;
  QPointer<QWebEngineView> view_;
  std::vector<QPointer<QWebEngineView>> popups_;
};

}  // namespace trelio

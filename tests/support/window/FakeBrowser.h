// A browser window that only records what it was asked; tests raise its
// events themselves.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "app/browser/EmbeddedBrowser.h"

namespace trelio::test {

class FakeBrowser : public EmbeddedBrowser {
  Q_OBJECT

 public:
  explicit FakeBrowser(int identifier) : identifier_(identifier) {}

  // Every request, in order: "CreateBrowser", "LoadUrl <url>", "GoBack", ...
  QStringList requests;
  QString mainFrameUrl;
  // The request numbers of RetrieveText, in order.
  std::vector<quint64> textRequests;
  bool canGoBack = false;
  bool canGoForward = false;

  int Identifier() const override { return identifier_; }
  bool CreateBrowser(QWidget* parent) override;
  bool Initialized() const override { return view_ != nullptr; }
  QWidget* View() const override { return view_; }

  void LoadUrl(const QString& url) override { requests << QStringLiteral("LoadUrl ") + url; }
  void GoBack() override { requests << QStringLiteral("GoBack"); }
  void GoForward() override { requests << QStringLiteral("GoForward"); }
  void Reload() override { requests << QStringLiteral("Reload"); }
  void ExecuteJavaScript(const QString& script) override {
    requests << QStringLiteral("ExecuteJavaScript ") + script;
  }
  void RetrieveText(quint64 request) override {
    requests << QStringLiteral("RetrieveText");
    textRequests.push_back(request);
  }

  bool CanGoBack() const override { return canGoBack; }
  bool CanGoForward() const override { return canGoForward; }
  QString MainFrameUrl() const override { return mainFrameUrl; }

  void Show() override;
  void Hide() override;
  bool IsVisible() const override { return visible_; }

  // What the window's pop-up decision answers (true = cancelled).
  bool AskBeforePopup(const QString& url) const { return PopupCancelled(url); }

 private:
  int identifier_;
  QWidget* view_ = nullptr;
  bool visible_ = false;
};

class FakeBrowserFactory : public EmbeddedBrowserFactory {
 public:
  std::unique_ptr<EmbeddedBrowser> MakeBrowser() override;
  // The windows made so far, in order; owned by whoever took them.
  std::vector<FakeBrowser*> made;
};

}  // namespace trelio::test

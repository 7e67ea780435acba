// The embedded browser engine of the process: its start, its one profile and
// the browser windows made from it.
#pragma once

#include <QPointer>
#include <QString>
#include <memory>
#include <vector>

#include "app/browser/EmbeddedBrowser.h"

class QWebEngineProfile;

namespace trelio {

class WebEngineBrowser;

class WebEngineRuntime : public EmbeddedBrowserFactory {
 public:
  // Engine switches that must be in place before the QApplication exists:
  // no sandbox when running as root (the engine refuses to start otherwise),
  // no GPU where there is none, no background traffic of its own.
  static void PrepareProcess();
  // Why the engine cannot start here, or empty when it can.
  static QString MissingRuntime();

  WebEngineRuntime();
  ~WebEngineRuntime() override;
  WebEngineRuntime(const WebEngineRuntime&) = delete;
  WebEngineRuntime& operator=(const WebEngineRuntime&) = delete;

  // False when the engine cannot start; it says why in a message box.
  bool StartMainProcess();

  // The windows' views come at once; the engine starts with the first page
  // a request needs, or here.
  std::unique_ptr<EmbeddedBrowser> MakeBrowser() override;
  // Starts the engine and gives every window made so far its page, so that
  // the first request does not wait for the start.
  void StartEngine();
  bool EngineStarted() const { return profile_ != nullptr; }

  // Closes every browser window made here (their pages and views go first),
  // then drops the profile. Windows left over do nothing afterwards.
  void Shutdown();

 private:
  QWebEngineProfile* Profile();

  QWebEngineProfile* profile_ = nullptr;
  bool shutDown_ = false;
  int nextIdentifier_ = 1;
  std::vector<QPointer<WebEngineBrowser>> windows_;
};

}  // namespace trelio

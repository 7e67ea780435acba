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

  std::unique_ptr<EmbeddedBrowser> MakeBrowser() override;

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

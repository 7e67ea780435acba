#include "app/browser/WebEngineRuntime.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QWebEngineProfile>

#include "app/browser/WebEngineBrowser.h"
#include "app/core/text/Messages.h"
#include "app/widgets/TextBridge.h"

namespace trelio {

QString WebEngineRuntime::MissingRuntime() {
  QString process = qEnvironmentVariable("QTWEBENGINEPROCESS_PATH");
  if (process.isEmpty())
    process = QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) +
              QStringLiteral("/QtWebEngineProcess");
  if (QFileInfo(process).isExecutable()) return {};
  return MessageQString(msgBrowserHelperMissing) + QStringLiteral(" \"") + process +
         QStringLiteral("\".");
}

WebEngineRuntime::WebEngineRuntime() = default;

WebEngineRuntime::~WebEngineRuntime() { Shutdown(); }

bool WebEngineRuntime::StartMainProcess() {
  const QString missing = MissingRuntime();
  if (missing.isEmpty()) return true;
  QMessageBox::critical(nullptr, QCoreApplication::applicationName(), missing);
  return false;
}

QWebEngineProfile* WebEngineRuntime::Profile() {
  // A profile without a storage name keeps nothing on disk.
  if (!profile_ && !shutDown_) profile_ = new QWebEngineProfile();
  return profile_;
}

std::unique_ptr<EmbeddedBrowser> WebEngineRuntime::MakeBrowser() {
  auto window = std::make_unique<WebEngineBrowser>([this] { return Profile(); }, nextIdentifier_++);
  // After the engine has gone a window can have no page, so no view either.
  if (shutDown_) {
    window->Close();
    return window;
  }
  std::erase_if(windows_, [](const QPointer<WebEngineBrowser>& w) { return w.isNull(); });
  windows_.emplace_back(window.get());
  return window;
}

void WebEngineRuntime::StartEngine() {
  if (!Profile()) return;
  for (auto& window : windows_)
    if (window) window->StartPage();
}

void WebEngineRuntime::Shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  for (auto& window : windows_)
    if (window) window->Close();
  windows_.clear();
  delete profile_;
  profile_ = nullptr;
}

}  // namespace trelio

#include "app/browser/WebEngineRuntime.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QWebEngineProfile>

#include "app/browser/WebEngineBrowser.h"

namespace trelio {

namespace {

void AppendToVariable(const char* name, const QByteArray& part, char separator) {
  QByteArray value = qgetenv(name);
  if (value.contains(part)) return;
  if (!value.isEmpty()) value += separator;
  value += part;
  qputenv(name, value);
}

// Offscreen rendering, or a machine without a render node (Xvfb and most
// containers), has no GPU for the engine to use.
bool NoGpu() {
  if (qgetenv("QT_QPA_PLATFORM").startsWith("offscreen")) return true;
  const QStringList nodes =
      QDir(QStringLiteral("/dev/dri")).entryList({QStringLiteral("renderD*")}, QDir::System);
  return nodes.isEmpty();
}

}  // namespace

void WebEngineRuntime::PrepareProcess() {
  // The engine's start-up report; rules of the environment still win.
  QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
  if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  AppendToVariable("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-background-networking", ' ');
  AppendToVariable("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-component-update", ' ');
  if (NoGpu()) AppendToVariable("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu", ' ');
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

QString WebEngineRuntime::MissingRuntime() {
  QString process = qEnvironmentVariable("QTWEBENGINEPROCESS_PATH");
  if (process.isEmpty())
    process = QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) +
              QStringLiteral("/QtWebEngineProcess");
  if (QFileInfo(process).isExecutable()) return {};
  return QStringLiteral("The embedded browser cannot start: its helper program %1 is missing.")
      .arg(process);
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
  auto window = std::make_unique<WebEngineBrowser>(Profile(), nextIdentifier_++);
  std::erase_if(windows_, [](const QPointer<WebEngineBrowser>& w) { return w.isNull(); });
  windows_.emplace_back(window.get());
  return window;
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

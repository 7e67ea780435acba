// The engine switches of the process, in a file of their own so that the
// start-up benchmark's baseline program starts the same engine without the
// rest of the program.
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>

#include "app/browser/WebEngineRuntime.h"

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
  // The engine's own switch for this (QTWEBENGINE_DISABLE_SANDBOX) has it
  // tell every start that the user disabled the sandbox; Chromium's switch
  // does the same silently.
  if (geteuid() == 0) AppendToVariable("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox", ' ');
  AppendToVariable("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-background-networking", ' ');
  AppendToVariable("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-component-update", ' ');
  if (NoGpu()) AppendToVariable("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu", ' ');
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

}  // namespace trelio

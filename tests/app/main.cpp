// The window tests run inside one QApplication on the offscreen platform,
// with their runtime and cache folders in a temporary place.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStyleFactory>
#include <QTemporaryDir>

#include "app/Application.h"
#include "app/Fonts.h"
#include "app/Pictures.h"
#include "app/browser/WebEngineRuntime.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  trelio::WebEngineRuntime::PrepareProcess();
  QTemporaryDir folders;
  const QString runtime = folders.path() + QStringLiteral("/runtime");
  const QString cache = folders.path() + QStringLiteral("/cache");
  QDir().mkpath(runtime);
  QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
  qputenv("XDG_CACHE_HOME", cache.toLocal8Bit());

  trelio::Application app(argc, argv);
  trelio::Application::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  trelio::InstallFontSubstitutes();
  trelio::Application::setFont(trelio::SansSerifFont(12));
  trelio::InitPictures();
  return RUN_ALL_TESTS();
}
